#pragma once
// The ledger frame "Year To Date" as a working copy: the ledger window (frmYear), one row
// of cells per pay period, and the totals window (frmYearTot). Every cell and box holds
// its text exactly as the window shows it; the Qt windows only mirror them.
#include <array>
#include <optional>
#include <string>

#include "common/controls.h"
#include "employee/tax_profile.h"
#include "engine/pay_result.h"
#include "ledger/ledger.h"

namespace corvella {

// The amount cells of a row, left to right.
enum class LedgerColumn {
    Fed,
    SS,
    Medi,
    State,
    City,
    Muni,
    Bond,
    Dues,
    Pension,
    Misc,
    Kplan,
    Tips,
    OT,
    Net,
    Gross
};
inline constexpr int kLedgerColumns = 15;
// Every column, left to right.
inline constexpr LedgerColumn kLedgerColumnOrder[kLedgerColumns] = {
    LedgerColumn::Fed,     LedgerColumn::SS,   LedgerColumn::Medi,  LedgerColumn::State,
    LedgerColumn::City,    LedgerColumn::Muni, LedgerColumn::Bond,  LedgerColumn::Dues,
    LedgerColumn::Pension, LedgerColumn::Misc, LedgerColumn::Kplan, LedgerColumn::Tips,
    LedgerColumn::OT,      LedgerColumn::Net,  LedgerColumn::Gross};

// A column's field of a row, and its name ("Fed", …, "Gross").
float& ledgerField(LedgerRow& row, LedgerColumn c);
const char* ledgerColumnName(LedgerColumn c);

struct LedgerWindowRow {
    TextBox Date;                               // display cell
    std::array<TextBox, kLedgerColumns> cells;  // Tips, Net, Gross editable
    TextBox& cell(LedgerColumn c) { return cells[static_cast<size_t>(c)]; }
    const TextBox& cell(LedgerColumn c) const { return cells[static_cast<size_t>(c)]; }
};

class LedgerWindow {
  public:
    LedgerWindow();

    std::array<LedgerWindowRow, 53> rows;
    // The five deduction headings of the upper block (and the totals window), and of the
    // lower block, which shows them only for a weekly employee.
    std::array<Label, 5> headings, lowerHeadings;
    // Totals window: a box per column, and the cafeteria, SDI and SUI boxes.
    std::array<TextBox, kLedgerColumns> totals;
    TextBox totCafe, totSDI, totSUI;
    TextBox& total(LedgerColumn c) { return totals[static_cast<size_t>(c)]; }
    const TextBox& total(LedgerColumn c) const { return totals[static_cast<size_t>(c)]; }
    // The ledger window's height in twips: all 53 rows weekly, the upper block otherwise.
    int heightTwips = 6165;

    // The five deduction headings from the profile's captions.
    void showHeadings(const TaxProfile& p);
    // The used rows into the cells: in their default text form, or with "#####.00".
    void fillCells(const Ledger& l, int used, bool formatted);
    // The totals into the boxes: in their default text form, or with "#####.00".
    void showTotals(const LedgerTotals& t, bool formatted);

    // ReadGrid: the used rows' cells and the totals boxes into the ledger, each read as
    // the number its text starts with.
    void ReadGrid(Ledger& l, int used) const;
    // PasteMe: the last pay run as the main window shows it into row `row` (0 to 52).
    void PostPayRun(int row, const std::string& weekText, const PayResult& r, Ledger& l);
    // Row `row` emptied: no date, every cell "0", its SDI, SUI and cafeteria 0.
    void DeleteRow(int row, Ledger& l);
    // Clear All: the used rows emptied, the tips total and every SDI, SUI and cafeteria
    // amount 0.
    void ClearLedger(Ledger& l, int used);

    // SaveAnnual's file: the used rows as their cells read, the stored SDI, SUI and
    // cafeteria, and the totals as last computed.
    std::string fileBytes(const Ledger& l, bool weekly) const;

    // The rows as a save would write them now become what changed() compares with (the
    // totals follow from the rows): the frame as it opened.
    void markUnchanged(const Ledger& l, bool weekly) { unchanged_ = rowBytes(l, weekly); }
    bool changed(const Ledger& l, bool weekly) const { return rowBytes(l, weekly) != unchanged_; }

  private:
    std::string rowBytes(const Ledger& l, bool weekly) const;
    void writeRows(LineWriter& w, const Ledger& l, bool weekly) const;
    std::string unchanged_;
};

}  // namespace corvella
