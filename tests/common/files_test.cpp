#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/fileio.h"
#include "common/linefile.h"
#include "test_support.h"

namespace corvella {
namespace {

TEST(LineFormat, WritesFieldsOfEveryKind) {
    LineWriter w;
    w.number(1234.5f).number(0.0f).number(-12.04f).text("Single").endLine();
    w.integer(0).empty().empty().empty().endLine();
    w.truth(true).truth(false).text("say \"hi\"").endLine();
    EXPECT_EQ(w.bytes(), "1234.5,0,-12.04,\"Single\"\r\n0,,,\r\n#TRUE#,#FALSE#,\"say 'hi'\"\r\n");
}

TEST(LineFormat, ReadsDeclaredFieldsWhateverTheLineBreaks) {
    FieldReader r("1,2\r\n3,\"a,b\"\r\n.5,,#TRUE#\r\n", "x.dat");
    EXPECT_EQ(r.number(), 1.0f);
    EXPECT_EQ(r.number(), 2.0f);
    EXPECT_EQ(r.number(), 3.0f);
    EXPECT_EQ(r.text(), "a,b");
    EXPECT_EQ(r.number(), 0.5f);
    EXPECT_EQ(r.number(), 0.0f);  // empty number field
    EXPECT_EQ(r.integer(), -1);
    EXPECT_TRUE(r.atEnd());
}

TEST(LineFormat, FailuresNameTheFileAndLine) {
    FieldReader r("1,2\r\nabc\r\n", "Sample.sta");
    r.number();
    r.number();
    try {
        r.number();
        FAIL();
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, "Sample.sta");
        EXPECT_EQ(e.line, 2);
    }
    FieldReader shortFile("1\r\n", "Sample.use");
    shortFile.number();
    EXPECT_THROW(shortFile.number(), ReadError);
    FieldReader big("70000\r\n", "x");
    EXPECT_THROW(big.integer(), ReadError);
}

TEST(LineFormat, KeepsWesternEuropeanTextAsSingleBytes) {
    LineWriter w;
    w.text("José Müller").endLine();
    EXPECT_EQ(w.bytes(), "\"Jos\xE9 M\xFCller\"\r\n");
    FieldReader r(w.bytes(), "x");
    EXPECT_EQ(r.text(), "José Müller");
}

TEST(AtomicWrite, ReplacesTheFileWhole) {
    test::TempDir dir;
    writeFileAtomic(dir / "a.use", "first");
    writeFileAtomic(dir / "a.use", "second");
    EXPECT_EQ(dir.read("a.use"), "second");
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);  // no temporary left behind
}

TEST(AtomicWrite, AFullDiskLeavesTheOldFileAsItWas) {
    test::TempDir dir;
    writeFileAtomic(dir / "a.use", "old contents");
    setWriteFailureAfterBytesForTesting(3);
    EXPECT_THROW(writeFileAtomic(dir / "a.use", "new contents"), WriteError);
    setWriteFailureAfterBytesForTesting(std::nullopt);
    EXPECT_EQ(dir.read("a.use"), "old contents");
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(AtomicWrite, AFolderThatCannotBeWrittenIsReported) {
    test::TempDir dir;
    EXPECT_THROW(writeFileAtomic(dir / "missing" / "a.use", "x"), WriteError);
}

TEST(EmployeeName, RefusesNamesThatLeaveTheFolder) {
    for (const char* bad : {"../evil", "a/b", "a\\b", "..", "x..y"})
        EXPECT_THROW(checkEmployeeName(bad), NameError) << bad;
    for (const char* good : {"Sample", "", "Mary Ann", "O'Brien", "José"})
        EXPECT_NO_THROW(checkEmployeeName(good)) << good;
}

}  // namespace
}  // namespace corvella
