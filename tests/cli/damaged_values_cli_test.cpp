// Values in an employee's files that no payroll can hold, or a list field holding an
// unknown text, run through the real corvella-cli on a copy of the shipped sample.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "test_support.h"

namespace corvella {
namespace {

using test::CliResult;
using test::runCli;

struct Damage {
    const char* file;
    const char* from;  // a text of the sample file, replaced once
    const char* to;
    const char* where;  // what the message must name: file and line
    const char* field;
};

void PrintTo(const Damage& d, std::ostream* os) {
    *os << d.file << ": " << d.to;
}

class DamagedValues : public ::testing::TestWithParam<Damage> {
  protected:
    test::TempDir dir;
    DamagedValues() { test::copyDataFolder(dir.path()); }
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> out;
        for (auto& f : std::filesystem::directory_iterator(dir.path()))
            out[f.path().filename().string()] = dir.read(f.path().filename().string());
        return out;
    }
};

TEST_P(DamagedValues, TheEmployeeIsNotOpenedAndNothingIsWritten) {
    const Damage& d = GetParam();
    std::string bytes = dir.read(d.file);
    const auto at = bytes.find(d.from);
    ASSERT_NE(at, std::string::npos);
    dir.write(d.file, bytes.replace(at, std::string(d.from).size(), d.to));
    const auto before = files();

    CliResult r = runCli("-C '" + dir.path().string() + "' calc Sample --box 0=40 --json");
    EXPECT_EQ(r.status, 3) << r.out;
    EXPECT_NE(r.err.find(d.where), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(d.field), std::string::npos) << r.err;
    EXPECT_EQ(files(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedValues,
    ::testing::Values(
        // A tips rate of the largest float once gave a gross pay of 922,337,200,000,000.00.
        Damage{"Sample.use", "15,0,0\r\n", "15,0,3.4e38\r\n", "Sample.use is damaged at line 3",
               "tips rate 3.4e38"},
        Damage{"Sample.use", "\"Single\",0", "\"Single\",-3.4e38",
               "Sample.use is damaged at line 4", "pension percent"},
        Damage{"Sample.use", "0,0,0\r\n#TRUE#", "0,3.4e38,0\r\n#TRUE#",
               "Sample.use is damaged at line 6", "K plan amount"},
        Damage{"Sample.cfe", "0,0,0", "-1e15,0,0", "Sample.cfe is damaged at line 1",
               "cafeteria amount"},
        Damage{"Sample.and", "0,0,0,0", "0,0,0,5", "Sample.and is damaged at line 7",
               "Alabama flag"},
        Damage{"Sample.sta", "0,0,0.6,", "0,0,1e30,", "Sample.sta is damaged at line 22",
               "SDI wage base"},
        // A damaged quote once changed the state and city tax without a word, and the file
        // was written back with the damage.
        Damage{"Sample.sta", "\"Single\"", "Single\"", "Sample.sta is damaged at line 23",
               "quote is out of place"},
        Damage{"Sample.use", "\"Single\"", "Single\"", "Sample.use is damaged at line 4",
               "quote is out of place"},
        Damage{"Sample.sta", "\"Single\"", "\"Head\"", "Sample.sta is damaged at line 23",
               "state status \"Head\""},
        Damage{"Sample.use", "\"1\"", "\"12\"", "Sample.use is damaged at line 4",
               "federal exemptions \"12\""}));

}  // namespace
}  // namespace corvella
