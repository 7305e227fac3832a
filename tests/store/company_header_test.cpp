#include "employee/company_header.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "common/fileio.h"
#include "store/employee_store.h"
#include "test_support.h"

namespace corvella {
namespace {

// Header.sav goes through the folder's store, as every file does.
void SaveHeader(const test::TempDir& dir, const CompanyHeader& h) {
    EmployeeStore(dir.path()).saveHeader(h);
}
void LoadHeader(const test::TempDir& dir, CompanyHeader& h) {
    EmployeeStore(dir.path()).loadHeader(h);
}
bool HeaderExists(const test::TempDir& dir) {
    return std::filesystem::exists(dir / kHeaderFileName);
}

using test::TempDir;

CompanyHeader sample() {
    return {"Acme Tools", "12 Main St.", "Albany, NY 12207", "14-1234567"};
}

void expectSame(const CompanyHeader& a, const CompanyHeader& b) {
    EXPECT_EQ(a.Company, b.Company);
    EXPECT_EQ(a.Address, b.Address);
    EXPECT_EQ(a.ZipLine, b.ZipLine);
    EXPECT_EQ(a.IdNumber, b.IdNumber);
}

TEST(CompanyHeader, SavedHeaderLoadsBackWhole) {
    TempDir dir;
    SaveHeader(dir, sample());
    EXPECT_TRUE(HeaderExists(dir));
    CompanyHeader back;
    LoadHeader(dir, back);
    expectSame(back, sample());
}

TEST(CompanyHeader, DefaultsAreWrittenAsTheFilesOnlyLine) {
    TempDir dir;
    CompanyHeader h;
    fillHeaderDefaults(h);
    SaveHeader(dir, h);
    EXPECT_EQ(dir.read(kHeaderFileName), "\"Company\",\"Address\",\"Zip Code\",\"ID Number\"\r\n");
}

TEST(CompanyHeader, DefaultsFillOnlyEmptyFields) {
    CompanyHeader h{"", "1 Elm Rd.", "", "77"};
    fillHeaderDefaults(h);
    expectSame(h, {"Company", "1 Elm Rd.", "Zip Code", "77"});
}

TEST(CompanyHeader, AnEmptyFieldIsSavedEmptyAndReadBackEmpty) {
    TempDir dir;
    CompanyHeader h = sample();
    h.Company.clear();
    SaveHeader(dir, h);
    CompanyHeader back = sample();
    LoadHeader(dir, back);
    EXPECT_EQ(back.Company, "");
    EXPECT_EQ(back.IdNumber, "14-1234567");
}

TEST(CompanyHeader, MissingFileLeavesTheHeaderAsItWas) {
    TempDir dir;
    EXPECT_FALSE(HeaderExists(dir));
    CompanyHeader h = sample();
    EXPECT_NO_THROW(LoadHeader(dir, h));
    expectSame(h, sample());
}

// A damaged file is reported at the field where it fails; the fields before it are kept,
// so the dialog can go on with defaults for the rest.
TEST(CompanyHeader, DamagedFileThrowsReadErrorKeepingEarlierFields) {
    struct Case {
        const char* bytes;
        const char* company;
        const char* address;
    };
    const Case cases[] = {
        {"", "", ""},
        {"\"Acme\"\r\n", "Acme", ""},
        {"\"Acme\",\"12 Main St.\"", "Acme", "12 Main St."},
        {"\"Acme\",\"12 Main", "Acme", ""},  // a quoted text that is never closed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        TempDir dir;
        dir.write(kHeaderFileName, c.bytes);
        CompanyHeader h;
        try {
            LoadHeader(dir, h);
            ADD_FAILURE() << "no ReadError";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file, kHeaderFileName);
        }
        EXPECT_EQ(h.Company, c.company);
        EXPECT_EQ(h.Address, c.address);
        EXPECT_EQ(h.IdNumber, "");
    }
}

TEST(CompanyHeader, QuoteInsideATextDoesNotBreakTheLine) {
    TempDir dir;
    CompanyHeader h = sample();
    h.Company = "Joe\"s Diner";
    SaveHeader(dir, h);
    CompanyHeader back;
    LoadHeader(dir, back);
    EXPECT_EQ(back.Company, "Joe's Diner");
    EXPECT_EQ(back.IdNumber, "14-1234567");
}

TEST(CompanyHeader, FailedWriteThrowsAndKeepsTheOldFile) {
    TempDir dir;
    SaveHeader(dir, sample());
    const std::string before = dir.read(kHeaderFileName);
    EmployeeStore failing(dir.path());
    failing.writeFaults().failAfterBytes = 5;
    CompanyHeader other{"Other", "B", "C", "D"};
    EXPECT_THROW(failing.saveHeader(other), WriteError);
    EXPECT_EQ(dir.read(kHeaderFileName), before);
}

}  // namespace
}  // namespace corvella
