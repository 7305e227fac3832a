#pragma once
// The year-to-date ledger: rows, totals and the file <name>.yrw / .yrb.
#include <array>
#include <string>

#include "common/number.h"

namespace corvella {

struct LedgerRow {
    std::string Date;
    float Fed = 0, SS = 0, Medi = 0, State = 0, City = 0, Muni = 0, Bond = 0, Dues = 0, Pension = 0,
          Misc = 0, Kplan = 0, Tips = 0, OT = 0, Net = 0, Gross = 0;
    float SDI = 0, SUI = 0, Cafe = 0;
};

struct LedgerTotals {
    float Fed = 0, SS = 0, Medi = 0, State = 0, City = 0, Muni = 0, Bond = 0, Dues = 0, Pension = 0,
          Misc = 0, Kplan = 0;
    Currency OT, Tips, Gross, Net;  // Gross is YtdWages, Net YtdNet
    float SDI = 0, SUI = 0, Cafe = 0;
};

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
