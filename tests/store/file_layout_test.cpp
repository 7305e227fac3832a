// Every file kind's reader knows where each of its lines ends and where the file ends:
// a field more than a line holds, or text after the last line, is damage rather than
// something read past and lost at the next save. Blank lines at the end are not.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "city/city.h"
#include "common/errors.h"
#include "employee/company_header.h"
#include "employee/employee_files.h"
#include "employee/leave_file.h"
#include "federal/federal.h"
#include "ledger/ledger.h"
#include "state/state_file.h"
#include "store/pay_period.h"
#include "test_support.h"

namespace corvella {
namespace {

struct Kind {
    std::string file;   // the name messages show
    std::string bytes;  // a good file of the kind
    std::function<void(const std::string& bytes, const std::string& file)> read;
    // Lines hold set fields. The federal table, laid out more than one way, is read
    // whatever its line breaks: a field more shows where its fields run out.
    bool lineByLine = true;
};

std::string shipped(const std::string& name) {
    return test::fixture("../../data/" + name);
}

void readUse(const std::string& b, const std::string& f) {
    TaxProfile p;
    OvertimeData ot;
    StateSettings s;
    EmployeeExtras x;
    readUseFile(b, f, p, ot, s, x);
}

void readAnd(const std::string& b, const std::string& f) {
    TaxProfile p;
    StateSettings s;
    EmployeeExtras x;
    readAndFile(b, f, p, s, x);
}

void readCfe(const std::string& b, const std::string& f) {
    TaxProfile p;
    readCfeFile(b, f, p);
}

void readSta(const std::string& b, const std::string& f) {
    StateSettings s;
    StateProfileFields p;
    readStateFile(b, f, s, p);
}

std::function<void(const std::string&, const std::string&)> readOvertime(int rows) {
    return [rows](const std::string& b, const std::string& f) {
        OvertimeData ot;
        readOvertimeFile(b, f, rows, ot);
    };
}

std::function<void(const std::string&, const std::string&)> readLedger(bool weekly) {
    return [weekly](const std::string& b, const std::string& f) {
        Ledger l;
        l.read(b, f, weekly);
    };
}

// The shipped samples as they are, and each writer's file of a new record.
std::vector<Kind> kinds() {
    OvertimeData ot;
    ot.OtWeekEnding[0] = "01/09/2015";
    ot.OtAmount[0] = "12.5";
    LeaveBalances leave;
    leave.vac.dates[0] = "01/09/2015";
    PayPeriodValues period{};
    period[0] = 40;
    return {
        {"Sample.use", shipped("Sample.use"), readUse},
        {"Sample.and", shipped("Sample.and"), readAnd},
        {"Sample.cfe", shipped("Sample.cfe"), readCfe},
        {"Sample.sta", shipped("Sample.sta"), readSta},
        {"Federal15.dtt", shipped("Federal15.dtt"),
         [](const std::string& b, const std::string& f) { readFedTable(b, f); }, false},
        {"Ann.cti", writeCityFile(CityTable{}),
         [](const std::string& b, const std::string& f) {
             CityTable t;
             readCityFile(b, f, t);
         }},
        {"Ann.nci", writeNonCityFile(NonCityTable{}),
         [](const std::string& b, const std::string& f) {
             NonCityTable t;
             readNonCityFile(b, f, t);
         }},
        {"Ann.ovw", writeOvertimeFile(ot, 53), readOvertime(53)},
        {"Ann.ovb", writeOvertimeFile(ot, 27), readOvertime(27)},
        {"Ann.hol", writeLeaveFile(leave),
         [](const std::string& b, const std::string& f) { readLeaveFile(b, f); }},
        {"Header.sav", writeHeaderFile({"Acme", "1 Main St", "Albany, NY", "12-3456789"}),
         [](const std::string& b, const std::string& f) {
             CompanyHeader h;
             readHeaderFile(b, f, h);
         }},
        {"01_09_2015  Ann.prv", writePayPeriodFile(period),
         [](const std::string& b, const std::string& f) { readPayPeriodFile(b, f); }},
        {"Ann.yrw", Ledger{}.write(true), readLedger(true)},
        {"Ann.yrb", Ledger{}.write(false), readLedger(false)},
    };
}

std::string joined(const std::vector<std::string>& lines) {
    std::string b;
    for (const auto& l : lines) b += l + "\r\n";
    return b;
}

// The reader's ReadError for `bytes`, expected on `line` (0: on any).
void expectDamage(const Kind& k, const std::string& bytes, int line) {
    try {
        k.read(bytes, k.file);
        ADD_FAILURE() << "no ReadError";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, k.file);
        if (line > 0) {
            EXPECT_EQ(e.line, line) << e.what();
        }
    }
}

TEST(FileLayout, EveryKindReadsWithBlankLinesAtItsEnd) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.file);
        for (const char* tail : {"", "\r\n", "\r\n\r\n", "\r\n  \r\n\t\r\n", "\n"})
            EXPECT_NO_THROW(k.read(k.bytes + tail, k.file)) << "after it: " << tail;
    }
}

TEST(FileLayout, TextAfterTheLastLineIsDamageNamingItsLine) {
    struct Tail {
        const char* text;
        int linesAfter;  // the damaged line, counted from the file's last
    } tails[] = {{"0\r\n", 1}, {"1", 1}, {",\r\n", 1}, {"\r\n\"x\"\r\n", 2}, {"\r\n\r\n  7", 3}};
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.file);
        const int lines = static_cast<int>(test::crlfLines(k.bytes).size());
        for (const Tail& t : tails) {
            SCOPED_TRACE(t.text);
            expectDamage(k, k.bytes + t.text, lines + t.linesAfter);
        }
    }
}

// An extra field shifts every later one (".ovb" line "0,1e400" made 1e400 the next
// week's date), so the line that holds it is damage: first, middle and last line.
TEST(FileLayout, AFieldMoreThanItsLineHoldsIsDamageNamingTheLine) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.file);
        const auto lines = test::crlfLines(k.bytes);
        for (size_t at : {size_t{0}, lines.size() / 2, lines.size() - 1}) {
            for (const char* extra : {",0", ",\"x\"", ","}) {
                SCOPED_TRACE("line " + std::to_string(at + 1) + " + " + extra);
                auto changed = lines;
                changed[at] += extra;
                const bool lastLine = at + 1 == lines.size();
                expectDamage(k, joined(changed),
                             k.lineByLine || lastLine ? static_cast<int>(at) + 1 : 0);
            }
        }
    }
}

TEST(FileLayout, OvertimeRowWithAnExtraFieldLeavesTheRowsAsTheyWere) {
    OvertimeData ot;
    ot.OtWeekEnding[23] = "06/12/2015";
    try {
        readOvertimeFile(test::fixture("overtime/extra-field.ovb"), "Ann.ovb", 27, ot);
        FAIL() << "no ReadError";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, "Ann.ovb");
        EXPECT_EQ(e.line, 46);
    }
    EXPECT_EQ(ot.OtWeekEnding[23], "06/12/2015");
}

}  // namespace
}  // namespace corvella
