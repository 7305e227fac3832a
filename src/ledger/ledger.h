#pragma once
// The year-to-date ledger: rows, totals and the file <name>.yrw / .yrb.
#include <array>
#include <string>

#include "common/field_range.h"
#include "common/number.h"

namespace corvella {

struct LedgerRow {
    std::string Date;
    float Fed = 0, SS = 0, Medi = 0, State = 0, City = 0, Muni = 0, Bond = 0, Dues = 0, Pension = 0,
          Misc = 0, Kplan = 0, Tips = 0, OT = 0, Net = 0, Gross = 0;
    float SDI = 0, SUI = 0, Cafe = 0;

    bool operator==(const LedgerRow&) const = default;
};

// Whether a pay period was posted into the row (its date, or any amount).
bool holdsPosting(const LedgerRow& r);

struct LedgerTotals {
    float Fed = 0, SS = 0, Medi = 0, State = 0, City = 0, Muni = 0, Bond = 0, Dues = 0, Pension = 0,
          Misc = 0, Kplan = 0;
    Currency OT, Tips, Gross, Net;  // Gross is YtdWages, Net YtdNet
    float SDI = 0, SUI = 0, Cafe = 0;
};

// What the ledger file's numbers may hold, shared by its reader and both writers (the
// ledger's and its window's). A row is one pay period; a totals field is the sum of up to
// 53 rows, so a year of rows in range always totals within the totals' range.
namespace ledger_fields {
using ranges::kAmount;
using ranges::kYearAmount;
inline constexpr NumberField kFed{"federal tax", kAmount};
inline constexpr NumberField kSS{"social security", kAmount};
inline constexpr NumberField kMedi{"medicare", kAmount};
inline constexpr NumberField kState{"state tax", kAmount};
inline constexpr NumberField kCity{"city tax", kAmount};
inline constexpr NumberField kMuni{"credit union deduction", kAmount};
inline constexpr NumberField kBond{"bond deduction", kAmount};
inline constexpr NumberField kDues{"dues deduction", kAmount};
inline constexpr NumberField kPension{"pension deduction", kAmount};
inline constexpr NumberField kMisc{"misc. deduction", kAmount};
inline constexpr NumberField kKplan{"K plan deduction", kAmount};
inline constexpr NumberField kOT{"overtime pay", kAmount};
inline constexpr NumberField kGross{"gross pay", kAmount};
inline constexpr NumberField kNet{"net pay", kAmount};
inline constexpr NumberField kSDI{"SDI", kAmount};
inline constexpr NumberField kSUI{"SUI", kAmount};
inline constexpr NumberField kCafe{"cafeteria amount", kAmount};
inline constexpr NumberField kTips{"tips", kAmount};
// The float totals, in file order (Fed to Kplan).
inline constexpr NumberField kFloatTotals[] = {
    {"federal tax total", kYearAmount},       {"social security total", kYearAmount},
    {"medicare total", kYearAmount},          {"state tax total", kYearAmount},
    {"city tax total", kYearAmount},          {"credit union deduction total", kYearAmount},
    {"bond deduction total", kYearAmount},    {"dues deduction total", kYearAmount},
    {"pension deduction total", kYearAmount}, {"misc. deduction total", kYearAmount},
    {"K plan deduction total", kYearAmount}};
}  // namespace ledger_fields

class LineWriter;

// The three totals lines of the ledger file.
void writeLedgerTotals(LineWriter& w, const LedgerTotals& t);

struct Ledger {
    std::array<LedgerRow, 53> rows{};
    LedgerTotals totals;

    static int rowCount(bool weekly) { return weekly ? 53 : 27; }
    // Reads the used rows and the three totals lines in file order; throws ReadError
    // (rows already read keep their values).
    void read(const std::string& bytes, const std::string& fileName, bool weekly);
    std::string write(bool weekly) const;
    // AddAnnual: totals from the rows, at float text precision for the float totals and
    // exactly (through their text) for the currency ones. Throws Error on overflow.
    void RecomputeTotals(bool weekly);
    void ClearLedger();
    Currency YtdWages() const { return totals.Gross; }
};

}  // namespace corvella
