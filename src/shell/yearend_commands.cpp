#include "shell/yearend_commands.h"

#include <algorithm>

#include "common/errors.h"
#include "common/fileio.h"
#include "store/employee_list.h"
#include "store/employee_store.h"
#include "store/file_kinds.h"
#include "store/pay_period.h"

namespace corvella {

namespace {

TaxYear figuresOf(const EmployeeStore& store, int year) {
    const std::string file = taxYearFileName(year);
    auto bytes = readFileBytes(store.folder / file);
    if (!bytes)
        throw Error("There are no federal figures for " + std::to_string(year) + ": " + file +
                    " is not in " + store.folder.string() +
                    ". The worksheets take that year's Social Security and Medicare rates and "
                    "wage base from it; put the file there.");
    TaxYear figures = readTaxYearFile(*bytes, file);
    if (figures.year != year)
        throw ReadError(file, "it holds the figures of " + std::to_string(figures.year));
    return figures;
}

// The rows of `year` in one ledger file, when the folder has it. A row the kept years
// hold already (a ledger restored from before the new year) is counted once.
void takeRows(const EmployeeStore& store, const std::string& file, bool weekly, int year,
              bool current, EmployeeYear& e, std::vector<std::string>& warnings) {
    auto bytes = store.readFile(file);
    if (!bytes) return;
    Ledger ledger;
    ledger.read(*bytes, file, weekly);
    const size_t kept = e.rows.size();
    bool twice = false;
    for (int i = 0; i < Ledger::rowCount(weekly); ++i) {
        const LedgerRow& row = ledger.rows[static_cast<size_t>(i)];
        if (!holdsPosting(row)) continue;
        const auto date = readShortDate(row.Date);
        if (!date) {
            warnings.push_back(e.name + ": " + (weekly ? "week " : "pay period ") +
                               std::to_string(i + 1) + " of " + file + " has the date \"" +
                               row.Date +
                               "\", which is not a date; it is left out. Correct the date in "
                               "Year To Date.");
            continue;
        }
        if (date->year != year) continue;
        if (current && std::any_of(e.rows.begin(), e.rows.begin() + static_cast<long>(kept),
                                   [&](const DatedRow& k) { return k.amounts == row; })) {
            twice = true;
            continue;
        }
        e.rows.push_back({*date, file, i + 1, weekly, row});
    }
    if (twice)
        warnings.push_back(e.name + ": " + file +
                           " holds rows that a kept year holds too (a ledger restored from "
                           "before the new year?); each is counted once.");
}

}  // namespace

YearEndInputs readYearEnd(const EmployeeStore& store, int year) {
    YearEndInputs in;
    in.year = year;
    in.figures = figuresOf(store, year);
    if (auto company = store.loadCompany()) {
        in.employer = *company;
    } else {
        CompanyHeader h;
        store.loadHeader(h);
        in.employer = companyFromHeader(h);
        in.warnings.push_back(
            "The company's facts were never saved: the printed heading is used. Check them in "
            "Options > Company.");
    }
    if (in.employer.ein.empty())
        in.warnings.push_back("The company's EIN is not set. Enter it in Options > Company.");

    for (const EmployeeEntry& entry : listEmployees(store.folder)) {
        EmployeeRecords r;
        r.CurrentUser = entry.name;
        // The name and number, the self-employed and exempt flags are spread over the set.
        store.readEmployee(r);
        store.readMember(FileKind::State, r);
        EmployeeYear e;
        e.name = entry.name;
        e.profileName = r.profile.EmpName;
        e.address = r.profile.EmpAddress;
        e.cityStateZip = r.profile.EmpCityStateZip;
        e.ssn = r.profile.EmpSSN;
        e.w2 = r.w2;
        e.weekly = r.profile.weekly();
        e.selfEmployed = r.profile.SelfEmpFlag == 1;
        e.socialSecurityMedicareExempt = r.profile.SSMediExempFlag == 1;
        std::vector<std::string> rowWarnings;
        // A closed year's rows may be dated in the next one, and the other way round.
        for (int kept : {year - 1, year, year + 1})
            for (bool weekly : {true, false})
                takeRows(store, keptLedgerName(entry.name, weekly, kept), weekly, year, false, e,
                         rowWarnings);
        // Both frequencies: an employee whose frequency changed in the year has a ledger of
        // each.
        for (bool weekly : {e.weekly, !e.weekly})
            takeRows(store, memberName(entry.name, FileKind::Ledger, weekly), weekly, year, true, e,
                     rowWarnings);
        std::stable_sort(e.rows.begin(), e.rows.end(), [](const DatedRow& a, const DatedRow& b) {
            return std::tie(a.date.year, a.date.month, a.date.day) <
                   std::tie(b.date.year, b.date.month, b.date.day);
        });
        for (auto& w : rowWarnings) in.warnings.push_back(std::move(w));
        if (!e.rows.empty()) {
            const std::string ssn = e.ssn;
            if (std::count_if(ssn.begin(), ssn.end(),
                              [](char c) { return c >= '0' && c <= '9'; }) != 9)
                in.warnings.push_back(e.name +
                                      ": the Social Security number is not 9 digits. Enter it in "
                                      "User Info.");
        }
        in.employees.push_back(std::move(e));
    }
    return in;
}

W2Worksheet w2Worksheet(const YearEndInputs& in) {
    return w2Worksheet(in.year, in.figures, in.employer, in.employees, in.warnings);
}

Form941 form941Worksheet(const YearEndInputs& in, int quarter) {
    return form941Worksheet(in.year, quarter, in.figures, in.employer, in.employees, in.warnings);
}

}  // namespace corvella
