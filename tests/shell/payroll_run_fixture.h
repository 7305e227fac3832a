#pragma once
// A folder of employees of every kind of computation, and a week of their hours, for the
// payroll run's tests.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "city/city.h"
#include "common/fileio.h"
#include "employee/employee_files.h"
#include "ledger/ledger.h"
#include "shell/session.h"
#include "state/state_file.h"
#include "test_support.h"

namespace corvella::test {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

// Every regular file of the folder and its backups, by path below the folder.
inline Files everyFile(const fs::path& folder) {
    Files out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            out[fs::relative(e.path(), folder).string()] = *readFileBytes(e.path());
    return out;
}

struct Employee {
    std::string name;
    std::function<void(TaxProfile&, StateSettings&)> setUp;
    bool stateTable = false;  // a generic state table of its own (.sta)
    bool cityTax = false;     // the default city table rather than none
    float ytdGross = 0;       // weeks 1 to 20 hold this much pay in all
    bool noStateTax = false;  // its state table checked "no state tax"
};

// A folder with the federal table, the shipped sample and one employee of each kind of
// computation: weekly and bi-weekly, a state table, built-in states, no state tax, a city
// and a non-resident city, and pay near the year's Social Security wage base.
inline const std::vector<Employee>& kinds() {
    static const std::vector<Employee> all = {
        {"Table", [](TaxProfile& p, StateSettings&) { p.HourRate = 18.25f; }, true, true},
        {"Arizona",
         [](TaxProfile& p, StateSettings& s) {
             p.WeeklyFlag = 0;
             p.BiWeeklyFlag = -1;
             p.HourRate = 22;
             s.ArizFlag = 1;
         }},
        {"Oregon",
         [](TaxProfile& p, StateSettings& s) {
             p.HourRate = 31.5f;
             p.NonCityFlag = 1;
             s.OregonFlag = 1;
         }},
        {"NearBase", [](TaxProfile& p, StateSettings&) { p.HourRate = 60; }, true, false, 118000,
         true},
    };
    return all;
}

inline void writeEmployee(const fs::path& dir, const Employee& e) {
    TaxProfile p = TaxProfile::resetValues();
    StateSettings flags;
    e.setUp(p, flags);
    CityTable city;
    if (!e.cityTax) {
        city.CityMinBS.fill(999999);
        city.CityMinBM.fill(999999);
        city.NoLocalTaxFlag = 1;
        writeFileAtomic(dir / (e.name + ".cti"), writeCityFile(city));
    }
    OvertimeData ot;
    EmployeeExtras x = EmployeeExtras::newEmployee();
    writeFileAtomic(dir / (e.name + ".use"), writeUseFile(p, ot, flags, x, "11440", "0"));
    writeFileAtomic(dir / (e.name + ".and"), writeAndFile(p, flags, x));
    writeFileAtomic(dir / (e.name + ".cfe"), writeCfeFile(p));
    if (e.stateTable) {
        StateProfileFields pf{p.StateExemp, p.StateStatus, p.FedAddl, p.FedExempFlag,
                              p.SSMediExempFlag};
        StateSettings table = newYorkSettings();
        table.NoStateTaxFlag = e.noStateTax ? 1 : 0;
        writeFileAtomic(dir / (e.name + ".sta"), writeStateFile(table, pf));
    }
    if (e.ytdGross > 0) {
        Ledger l;
        for (int i = 0; i < 20; ++i) {
            LedgerRow& r = l.rows[static_cast<size_t>(i)];
            r.Date = "1/" + std::to_string(i + 1) + "/2015";
            r.Gross = e.ytdGross / 20;
            r.SS = r.Gross * 0.062f;
            r.Medi = r.Gross * 0.0145f;
            r.Net = r.Gross * 0.7f;
        }
        l.RecomputeTotals(p.weekly());
        writeFileAtomic(dir / (e.name + (p.weekly() ? ".yrw" : ".yrb")), l.write(p.weekly()));
    }
}

inline void makeFolder(const fs::path& dir) {
    copyDataFolder(dir);
    for (const Employee& e : kinds()) writeEmployee(dir, e);
}

// The hours of the week: the sample, then each kind, with overtime, tips and a bonus.
inline std::vector<RunEntry> hours() {
    std::vector<RunEntry> out;
    out.push_back({"Sample", {"40", "", "", "5", "", "", "", ""}, false, std::nullopt});
    out.push_back({"Table", {"40", "6.5", "", "", "", "", "", ""}, true, std::nullopt});
    out.push_back({"Arizona", {"80", "3", "", "", "", "", "", ""}, false, 4});
    out.push_back({"Oregon", {"38.25", "", "", "12", "", "", "", ""}, false, std::nullopt});
    out.push_back({"NearBase", {"40", "10", "", "", "", "", "", ""}, false, std::nullopt});
    return out;
}

inline constexpr const char* kWeek = "02/13/2015";
inline constexpr int kRow = 25;  // after the weeks NearBase was paid

inline std::vector<std::string> captions(const PayResult& r) {
    std::vector<std::string> out(r.lbTaxDed.begin(), r.lbTaxDed.end());
    for (const std::string* c : {&r.lbSDI, &r.lbSUI, &r.lbCafe, &r.Label13, &r.lbTaxes, &r.lbDeduct,
                                 &r.lbNet, &r.lbOverT, &r.lbTips})
        out.push_back(*c);
    return out;
}

}  // namespace corvella::test
