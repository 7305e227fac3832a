#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>

#include "common/errors.h"
#include "common/fileio.h"
#include "common/linefile.h"
#include "store/file_kinds.h"
#include "test_support.h"

namespace corvella {
namespace {

int fileCount(const test::TempDir& dir) {
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    return files;
}

TEST(LineFormat, WritesFieldsOfEveryKind) {
    LineWriter w;
    w.number(1234.5f).number(0.0f).number(-12.04f).text("Single").endLine();
    w.integer(0).empty().empty().empty().endLine();
    w.truth(true).truth(false).text("say \"hi\"").endLine();
    EXPECT_EQ(w.bytes(), "1234.5,0,-12.04,\"Single\"\r\n0,,,\r\n#TRUE#,#FALSE#,\"say 'hi'\"\r\n");
}

TEST(LineFormat, CountsACrCrLfLineEndOnce) {
    FieldReader r("1,2\r\r\n3,x\r\r\n", "x.dat");
    EXPECT_EQ(r.number(), 1.0f);
    EXPECT_EQ(r.number(), 2.0f);
    r.endLine();
    EXPECT_EQ(r.number(), 3.0f);
    try {
        r.number();
        FAIL() << "no error";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.line, 2);
    }
}

TEST(LineFormat, ReadsTheFieldsOfEachLine) {
    FieldReader r("1,2\r\n3,\"a,b\"\r\n.5,,#TRUE#\r\n", "x.dat");
    EXPECT_EQ(r.number(), 1.0f);
    EXPECT_EQ(r.number(), 2.0f);
    r.endLine();
    EXPECT_EQ(r.number(), 3.0f);
    EXPECT_EQ(r.text(), "a,b");
    r.endLine();
    EXPECT_EQ(r.number(), 0.5f);
    EXPECT_EQ(r.number(), 0.0f);  // empty number field
    EXPECT_EQ(r.integer(), -1);
    r.endLine();
    EXPECT_TRUE(r.atEnd());
    EXPECT_NO_THROW(r.expectEnd());
}

TEST(LineFormat, FailuresNameTheFileAndLine) {
    FieldReader r("1,2\r\nabc\r\n", "Sample.sta");
    r.number();
    r.number();
    r.endLine();
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
    FileWriter full;
    full.faults.failAfterBytes = 3;
    EXPECT_THROW(full.write(dir / "a.use", "new contents"), WriteError);
    EXPECT_EQ(dir.read("a.use"), "old contents");
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(AtomicWrite, AFolderThatCannotBeWrittenIsReported) {
    test::TempDir dir;
    EXPECT_THROW(writeFileAtomic(dir / "missing" / "a.use", "x"), WriteError);
}

TEST(AtomicWrite, ALibraryWritesThroughATemporaryPath) {
    test::TempDir dir;
    writeFileAtomic(dir / "a.xlsx", "old");
    FileWriter w;
    w.writeThrough(dir / "a.xlsx", [&](const std::filesystem::path& tmp) {
        EXPECT_EQ(tmp.parent_path(), dir.path());  // a rename within the folder
        std::ofstream(tmp, std::ios::binary) << "new";
    });
    EXPECT_EQ(dir.read("a.xlsx"), "new");
    EXPECT_THROW(w.writeThrough(dir / "a.xlsx",
                                [](const std::filesystem::path&) { throw WriteError("a", "b"); }),
                 WriteError);
    EXPECT_EQ(dir.read("a.xlsx"), "new");
    EXPECT_EQ(fileCount(dir), 1);
}

// A set of files replaced as one change: wholly old or wholly new, whatever happens.
class FileSetCommit : public ::testing::Test {
  protected:
    test::TempDir dir;
    const std::vector<std::string> names{"E.use", "E.and", "E.cfe", "E.sta"};
    FileSetCommit() {
        for (const auto& n : names) dir.write(n, "old " + n);
    }
    std::vector<FileContent> newSet() const {
        std::vector<FileContent> files;
        for (const auto& n : names) files.push_back({n, "new " + n});
        return files;
    }
    void expectAll(const std::string& age) const {
        for (const auto& n : names) EXPECT_EQ(dir.read(n), age + " " + n);
        EXPECT_EQ(fileCount(dir), static_cast<int>(names.size()));  // no temporary, no manifest
    }
};

TEST_F(FileSetCommit, FlushesEachFileAndTheFolderBeforeAndAfterTheRenames) {
    FileWriter w;
    w.commit(dir.path(), newSet());
    expectAll("new");
    // The four files and the manifest of the renames; the folder before the first rename
    // (so the manifest is there for a crash) and after the last (before it goes).
    EXPECT_EQ(w.syncs(), 7);
}

TEST_F(FileSetCommit, AWriteFailingPartwayChangesNothing) {
    for (size_t bytes : {0u, 5u, 20u, 30u}) {
        SCOPED_TRACE(bytes);
        FileWriter w;
        w.faults.failAfterBytes = bytes;
        EXPECT_THROW(w.commit(dir.path(), newSet()), WriteError);
        expectAll("old");
    }
}

TEST_F(FileSetCommit, ACrashBetweenTheRenamesIsRolledForwardAtTheNextStart) {
    for (int renamed = 0; renamed <= 4; ++renamed) {
        SCOPED_TRACE(renamed);
        for (const auto& n : names) dir.write(n, "old " + n);
        FileWriter w;
        w.faults.stopAfterRenames = renamed;
        EXPECT_THROW(w.commit(dir.path(), newSet()), SimulatedCrash);
        EXPECT_TRUE(std::filesystem::exists(dir / kCommitManifest));
        EXPECT_TRUE(completePendingCommit(dir.path(), isWrittenFile));
        expectAll("new");
        EXPECT_FALSE(completePendingCommit(dir.path(), isWrittenFile));
    }
}

TEST_F(FileSetCommit, AManifestCutShortRenamesNothing) {
    std::vector<std::string> temps;
    for (const auto& n : names) {
        temps.push_back(n + ".tmp-abcdef");
        dir.write(temps.back(), "new " + n);
    }
    dir.write(kCommitManifest, temps[0] + "\tE.use\n" + temps[1] + "\tE.and\n");
    EXPECT_TRUE(completePendingCommit(dir.path(), isWrittenFile));
    for (const auto& n : names) EXPECT_EQ(dir.read(n), "old " + n);
    EXPECT_FALSE(std::filesystem::exists(dir / kCommitManifest));
}

TEST_F(FileSetCommit, AManifestRenamesOnlyTemporaryFilesOverTheirOwn) {
    dir.write(kCommitManifest, "E.cfe\tE.use\nend\n");  // one member over another
    EXPECT_TRUE(completePendingCommit(dir.path(), isWrittenFile));
    expectAll("old");
}

TEST_F(FileSetCommit, AManifestCannotRenameOutsideItsFolder) {
    dir.write("E.use.tmp-abcdef", "new");
    dir.write(kCommitManifest, "E.use.tmp-abcdef\t../E.use\nend\n");
    EXPECT_TRUE(completePendingCommit(dir.path(), isWrittenFile));
    EXPECT_EQ(dir.read("E.use"), "old E.use");
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "E.use"));
}

TEST(AtomicWrite, FilesAreReadableByTheirOwnerOnly) {
    test::TempDir dir;
    writeFileAtomic(dir / "a.and", "123-45-6789");
    FileWriter().commit(dir.path(), {{"b.use", "x"}});
    for (const char* name : {"a.and", "b.use"}) {
        struct stat st {};
        ASSERT_EQ(::stat((dir / name).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << name;
    }
}

// Only the temporaries of files the program writes: any other name is the user's.
TEST(AtomicWrite, AKilledWritesTemporaryFilesGoAtTheNextStart) {
    test::TempDir dir;
    const char* ours[] = {"Ann.and.tmp-Ab12Cd",
                          "Ann.use.tmp-000000",
                          "Ann.ovb.tmp-abcdef",
                          "01_09_2015  Ann.prv.tmp-a1b2c3",
                          "Header.sav.tmp-ABCDEF",
                          "Federal15.dtt.tmp-ABCDEF",
                          ".corvella-commit.tmp-ABCDEF",
                          "Ann.cti.damaged-20261210-142501.tmp-ABCDEF",
                          "Ann.yrw.replaced-20261210-142501-2.tmp-ABCDEF",
                          "Ann.ledger.xlsx.tmp-ABCDEF"};
    const char* others[] = {"Ann.use",
                            "notes.tmp-short",
                            "notes.tmp-ABCDEF",
                            "Ann.USE.tmp-ABCDEF",
                            "Ann.use.bak.tmp-ABCDEF",
                            "Ann.use.tmp-ABC-EF",
                            "x.sav.tmp-ABCDEF"};
    for (const char* n : ours) dir.write(n, "half a file");
    for (const char* n : others) dir.write(n, "kept");
    EXPECT_FALSE(completePendingCommit(dir.path(), isWrittenFile));  // only leftovers
    for (const char* n : ours) EXPECT_FALSE(std::filesystem::exists(dir / n)) << n;
    for (const char* n : others) EXPECT_EQ(dir.read(n), "kept") << n;
}

// Runs `body` in a child process that an alarm ends after a few seconds: its exit status,
// or -1 when it was killed (it blocked).
int inChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(5);
        int status = 99;
        try {
            status = body();
        } catch (...) {
        }
        ::_exit(status);
    }
    int st = 0;
    ::waitpid(pid, &st, 0);
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

// 0 when reading `path` throws a ReadError that names the file and says `problem`.
int refusedAs(const std::filesystem::path& path, const std::string& problem) {
    try {
        readFileBytes(path);
    } catch (const ReadError& e) {
        return e.file == path.filename().string() && e.problem.find(problem) != std::string::npos
                   ? 0
                   : 2;
    }
    return 1;
}

// What is not a regular file, or is far larger than any data file, is refused before it
// is read: nothing waits on a FIFO's writer or fills memory from a device.
TEST(ReadFile, RefusesWhatIsNotARegularFileOrTooLarge) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "Ann.hol").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "Ann.sta");
    dir.write("Ann.yrw", "1");
    std::filesystem::resize_file(dir / "Ann.yrw", 64u << 20);  // sparse: costs no disk
    struct Case {
        std::filesystem::path path;
        const char* problem;
    };
    const Case cases[] = {
        {dir / "Ann.hol", "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {"/dev/null", "not a regular file"},
        {dir / "Ann.yrw", "too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(inChild([&] { return refusedAs(c.path, c.problem); }), 0);
    }
    // Whether it is there is answered without waiting too.
    EXPECT_EQ(inChild([&] { return fileExists(dir / "Ann.hol") ? 0 : 1; }), 0);
    EXPECT_EQ(readFileBytes(dir / "missing.use"), std::nullopt);
    EXPECT_EQ(readFileBytes(dir / "Ann.sta"), std::nullopt);  // a folder is no file
    dir.write("Ann.use", "kept");
    EXPECT_EQ(readFileBytes(dir / "Ann.use"), "kept");
}

// A full disk at the manifest: the message names what the user was saving.
TEST_F(FileSetCommit, AFullDiskAtTheManifestNamesTheFilesSaved) {
    for (size_t members : {size_t{1}, names.size()}) {
        SCOPED_TRACE(members);
        auto files = newSet();
        files.resize(members);
        size_t bytes = 0;
        for (const auto& f : files) bytes += f.bytes.size();
        FileWriter w;
        w.faults.failAfterBytes = bytes;  // every member written, then the disk is full
        try {
            w.commit(dir.path(), files);
            ADD_FAILURE() << "no error";
        } catch (const WriteError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.find(kCommitManifest), std::string::npos) << what;
            EXPECT_EQ(e.file.rfind("E.use", 0), 0u) << what;
            EXPECT_NE(what.find(std::strerror(ENOSPC)), std::string::npos) << what;
        }
        expectAll("old");
    }
}

// A copy kept aside of a file whose name leaves no room for the suffix: the name part is
// cut short (never inside a character), the extension and the date kept.
TEST(KeepAside, ALongNameIsCutShortToFit) {
    test::TempDir dir;
    const std::string stem = std::string(214, 'n') + "é" + std::string(22, 'n');
    dir.write(stem + ".cti", "1,2,x\r\n");
    FileWriter w;
    for (int copy = 1; copy <= 2; ++copy) {
        const std::string kept = w.keepAside(dir / (stem + ".cti"), "damaged");
        EXPECT_LE(kept.size(), kLongestFileName) << kept;
        EXPECT_EQ(kept.rfind(std::string(200, 'n'), 0), 0u) << kept;
        EXPECT_NE(kept.find("n~.cti.damaged-"), std::string::npos) << kept;
        EXPECT_EQ(kept.find('\xC3'), std::string::npos) << kept;  // no half "é"
        EXPECT_EQ(dir.read(kept), "1,2,x\r\n");
    }
}

TEST(EmployeeName, RefusesNamesThatLeaveTheFolderOrDoNotFit) {
    for (const char* bad : {"../evil", "a/b", "a\\b", "..", "x..y", "a\tb", "a\nb"})
        EXPECT_THROW(checkEmployeeName(bad), NameError) << bad;
    for (const char* good : {"Sample", "", "Mary Ann", "O'Brien", "José"})
        EXPECT_NO_THROW(checkEmployeeName(good)) << good;
    // Its longest file, with the temporary suffix, must fit in 255 bytes.
    EXPECT_NO_THROW(checkEmployeeName(std::string(kLongestEmployeeName, 'x')));
    EXPECT_THROW(checkEmployeeName(std::string(kLongestEmployeeName + 1, 'x')), NameError);
    EXPECT_THROW(checkEmployeeName(std::string(228, 'x')), NameError);
    test::TempDir dir;
    FileWriter().commit(dir.path(), {{std::string(kLongestEmployeeName, 'x') + ".yrw", "a"}});
    // The limit is in bytes, and the message says so: "é" takes two.
    std::string accented;
    for (int i = 0; i < 122; ++i) accented += "é";
    try {
        checkEmployeeName(accented);
        ADD_FAILURE() << "no error";
    } catch (const NameError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("244 bytes"), std::string::npos) << what;
        EXPECT_EQ(what.find("characters"), std::string::npos) << what;
    }
}

}  // namespace
}  // namespace corvella
