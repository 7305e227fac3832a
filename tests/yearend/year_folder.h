#pragma once
// A working folder with a year of postings for the year-end worksheets: five employees,
// weekly and bi-weekly, one over the Social Security wage base, one with K plan,
// cafeteria, pension and health deductions, one self-employed, one with tips hired in
// April. Every amount is simple enough to add up by hand; the expected W-2 and 941
// figures in the tests were worked out that way.
#include <filesystem>
#include <string>
#include <vector>

#include "common/fileio.h"
#include "employee/employee_files.h"
#include "ledger/ledger.h"
#include "store/company_file.h"
#include "store/file_kinds.h"
#include "store/w2_file.h"
#include "test_support.h"

namespace corvella::test {

struct YearRow {
    float fed, ss, medi, state, city, sdi, kplan, gross, tips, misc, pension, cafe;
};

// `count` dates of 2026 `step` days apart, the first the `firstDay`th day of the year.
inline std::vector<std::string> payDates2026(int firstDay, int count, int step = 7) {
    std::vector<std::string> out;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 1, day = firstDay;
    for (int k = 0; k < count; ++k, day += step) {
        while (day > days[month - 1]) day -= days[month++ - 1];
        out.push_back(std::to_string(month) + "/" + std::to_string(day) + "/2026");
    }
    return out;
}

inline void writeLedgerRows(const std::filesystem::path& file, bool weekly,
                            const std::vector<std::string>& dates, const YearRow& a,
                            const std::vector<YearRow>& changed = {}) {
    Ledger l;
    for (size_t i = 0; i < dates.size(); ++i) {
        const YearRow& v = i < changed.size() ? changed[i] : a;
        LedgerRow& r = l.rows[i];
        r.Date = dates[i];
        r.Fed = v.fed;
        r.SS = v.ss;
        r.Medi = v.medi;
        r.State = v.state;
        r.City = v.city;
        r.SDI = v.sdi;
        r.Kplan = v.kplan;
        r.Gross = v.gross;
        r.Tips = v.tips;
        r.Misc = v.misc;
        r.Pension = v.pension;
        r.Cafe = v.cafe;
        r.Net = v.gross - v.fed - v.ss - v.medi - v.state - v.city - v.sdi - v.kplan - v.misc -
                v.pension - v.cafe;
    }
    l.RecomputeTotals(weekly);
    writeFileAtomic(file, l.write(weekly));
}

inline void writeYearEmployee(const std::filesystem::path& dir, const std::string& name,
                              const std::string& ssn, bool weekly, bool selfEmployed) {
    TaxProfile p = TaxProfile::resetValues();
    p.EmpName = name + " Employee";
    p.EmpSSN = ssn;
    if (!weekly) {
        p.WeeklyFlag = 0;
        p.BiWeeklyFlag = -1;
    }
    p.SelfEmpFlag = selfEmployed ? 1 : 0;
    OvertimeData ot;
    StateSettings flags;
    EmployeeExtras x = EmployeeExtras::newEmployee();
    writeFileAtomic(dir / (name + ".use"), writeUseFile(p, ot, flags, x, "11440", "0"));
    writeFileAtomic(dir / (name + ".and"), writeAndFile(p, flags, x));
    writeFileAtomic(dir / (name + ".cfe"), writeCfeFile(p));
}

// The folder; Able's year is in a ledger kept as 2026 (with a 2027 row in the current one).
inline void makeYearFolder(const std::filesystem::path& dir) {
    copyDataFolder(dir);
    CompanyFacts c;
    c.legalName = "Corvella Test Works LLC";
    c.address = "1 Main St";
    c.cityStateZip = "Columbus, OH 43215";
    c.ein = "123456789";
    c.stateId = "OH-55";
    writeFileAtomic(dir / kCompanyFileName, writeCompanyFile(c));

    writeYearEmployee(dir, "Able", "111-22-3333", true, false);
    W2Facts able;
    able.first = "Ann";
    able.middle = "B";
    able.last = "Able";
    able.state = "OH";
    able.locality = "Columbus";
    writeFileAtomic(dir / "Able.w2i", writeW2File(able));
    writeLedgerRows(dir / keptLedgerName("Able", true, 2026), true, payDates2026(2, 52),
                    {80, 62, 14.5f, 30, 10, 5, 0, 1000, 0, 0, 0, 0});
    writeLedgerRows(dir / "Able.yrw", true, {"1/1/2027"},
                    {80, 62, 14.5f, 30, 10, 5, 0, 1000, 0, 0, 0, 0});

    // Bi-weekly at 8,000: Social Security stops in the 24th period, Additional Medicare
    // starts in the 26th.
    writeYearEmployee(dir, "Baker", "222334444", false, false);
    std::vector<YearRow> baker(26, YearRow{1500, 496, 116, 400, 0, 0, 0, 8000, 0, 0, 0, 0});
    baker[23].ss = 31;
    baker[24].ss = baker[25].ss = 0;
    baker[25].medi = 188;
    writeLedgerRows(dir / "Baker.yrb", false, payDates2026(9, 26, 14), baker[0], baker);

    writeYearEmployee(dir, "Charlie", "333-44-5555", true, false);
    W2Facts charlie;
    charlie.retirementPlan = true;
    writeFileAtomic(dir / "Charlie.w2i", writeW2File(charlie));
    writeLedgerRows(dir / "Charlie.yrw", true, payDates2026(2, 52),
                    {120, 88.35f, 20.66f, 50, 0, 0, 75, 1500, 0, 50, 30, 25});

    writeYearEmployee(dir, "Delta", "444-55-6666", true, true);
    writeLedgerRows(dir / "Delta.yrw", true, payDates2026(2, 52),
                    {60, 99.2f, 22.62f, 0, 0, 0, 0, 800, 0, 20, 0, 0});

    // Hired in April; week 40 holds a date that is no date.
    writeYearEmployee(dir, "Echo", "555-66-7777", true, false);
    auto echoDates = payDates2026(93, 39);
    echoDates.push_back("13/45/2026");
    writeLedgerRows(dir / "Echo.yrw", true, echoDates,
                    {40, 37.2f, 8.7f, 12, 0, 0, 0, 600, 200, 0, 0, 0});
}

}  // namespace corvella::test
