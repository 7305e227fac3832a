#include "ledger/ledger_window.h"

#include "common/format.h"
#include "common/linefile.h"
#include "common/number.h"

namespace corvella {

namespace {

constexpr auto& kColumns = kLedgerColumnOrder;

std::string plain2(double v) {
    return format(v, Pattern::Plain2);
}

// A result caption ("1,018.43") shown again with "#####.00" ("1018.43"); an empty
// caption stays empty.
std::string reformat(const std::string& caption) {
    std::string digits;
    for (char c : caption)
        if (c != ',' && c != '$') digits += c;
    auto v = strictNumber(digits);
    return v ? plain2(*v) : std::string();
}

float cellNumber(const TextBox& b) {
    return static_cast<float>(leadingNumber(b.text));
}

}  // namespace

float& ledgerField(LedgerRow& row, LedgerColumn c) {
    switch (c) {
        case LedgerColumn::Fed:
            return row.Fed;
        case LedgerColumn::SS:
            return row.SS;
        case LedgerColumn::Medi:
            return row.Medi;
        case LedgerColumn::State:
            return row.State;
        case LedgerColumn::City:
            return row.City;
        case LedgerColumn::Muni:
            return row.Muni;
        case LedgerColumn::Bond:
            return row.Bond;
        case LedgerColumn::Dues:
            return row.Dues;
        case LedgerColumn::Pension:
            return row.Pension;
        case LedgerColumn::Misc:
            return row.Misc;
        case LedgerColumn::Kplan:
            return row.Kplan;
        case LedgerColumn::Tips:
            return row.Tips;
        case LedgerColumn::OT:
            return row.OT;
        case LedgerColumn::Net:
            return row.Net;
        case LedgerColumn::Gross:
            return row.Gross;
    }
    return row.Fed;
}

const char* ledgerColumnName(LedgerColumn c) {
    static const char* names[] = {"Fed",   "SS",   "Medi", "State",   "City",
                                  "Muni",  "Bond", "Dues", "Pension", "Misc",
                                  "Kplan", "Tips", "OT",   "Net",     "Gross"};
    return names[static_cast<int>(c)];
}

LedgerWindow::LedgerWindow() {
    const char* design[] = {"MCU", "Bond", "Dues", "Pension", "H.I."};
    for (size_t i = 0; i < 5; ++i) headings[i].caption = lowerHeadings[i].caption = design[i];
    for (auto& row : rows) {
        row.Date.enabled = false;
        for (LedgerColumn c : kColumns) {
            TextBox& b = row.cell(c);
            const bool editable =
                c == LedgerColumn::Tips || c == LedgerColumn::Net || c == LedgerColumn::Gross;
            b.enabled = editable;
            b.numericOnly = c == LedgerColumn::Net || c == LedgerColumn::Gross;
        }
    }
    total(LedgerColumn::Net).numericOnly = true;
    total(LedgerColumn::Gross).numericOnly = true;
}

void LedgerWindow::showHeadings(const TaxProfile& p) {
    const std::string* captions[] = {&p.DedCaption5, &p.DedCaption6, &p.DedCaption7, &p.DedCaption8,
                                     &p.DedCaption9};
    for (size_t i = 0; i < 5; ++i) {
        headings[i].caption = *captions[i];
        if (p.weekly()) lowerHeadings[i].caption = *captions[i];
    }
}

void LedgerWindow::fillCells(const Ledger& l, int used, bool formatted) {
    for (int i = 0; i < used; ++i) {
        LedgerRow row = l.rows[static_cast<size_t>(i)];
        LedgerWindowRow& cells = rows[static_cast<size_t>(i)];
        cells.Date.text = row.Date;
        for (LedgerColumn c : kColumns) {
            const float v = ledgerField(row, c);
            cells.cell(c).text = formatted ? plain2(v) : floatText(v);
        }
    }
}

void LedgerWindow::showTotals(const LedgerTotals& t, bool formatted) {
    auto show = [&](TextBox& box, double v, bool isFloat) {
        box.text =
            formatted ? plain2(v) : (isFloat ? floatText(static_cast<float>(v)) : doubleText(v));
    };
    const float floats[] = {t.Fed,  t.SS,   t.Medi,    t.State, t.City, t.Muni,
                            t.Bond, t.Dues, t.Pension, t.Misc,  t.Kplan};
    for (int i = 0; i < 11; ++i) show(totals[static_cast<size_t>(i)], floats[i], true);
    show(total(LedgerColumn::Tips), t.Tips.toDouble(), false);
    show(total(LedgerColumn::OT), t.OT.toDouble(), false);
    show(total(LedgerColumn::Net), t.Net.toDouble(), false);
    show(total(LedgerColumn::Gross), t.Gross.toDouble(), false);
    show(totCafe, t.Cafe, true);
    show(totSDI, t.SDI, true);
    show(totSUI, t.SUI, true);
}

void LedgerWindow::ReadGrid(Ledger& l, int used) const {
    for (int i = 0; i < used; ++i) {
        LedgerRow& row = l.rows[static_cast<size_t>(i)];
        const LedgerWindowRow& cells = rows[static_cast<size_t>(i)];
        row.Date = cells.Date.text;
        for (LedgerColumn c : kColumns) ledgerField(row, c) = cellNumber(cells.cell(c));
    }
    LedgerTotals& t = l.totals;
    float* floats[] = {&t.Fed,  &t.SS,   &t.Medi,    &t.State, &t.City, &t.Muni,
                       &t.Bond, &t.Dues, &t.Pension, &t.Misc,  &t.Kplan};
    for (int i = 0; i < 11; ++i) *floats[i] = cellNumber(totals[static_cast<size_t>(i)]);
    auto currency = [](const TextBox& b) { return Currency::fromDouble(leadingNumber(b.text)); };
    t.Tips = currency(total(LedgerColumn::Tips));
    t.OT = currency(total(LedgerColumn::OT));
    t.Net = currency(total(LedgerColumn::Net));
    t.Gross = currency(total(LedgerColumn::Gross));
    t.Cafe = cellNumber(totCafe);
    t.SDI = cellNumber(totSDI);
    t.SUI = cellNumber(totSUI);
}

void LedgerWindow::PostPayRun(int row, const std::string& weekText, const PayResult& r, Ledger& l) {
    // The window's cells are the working copy; the posting goes through them.
    LedgerWindowRow& cells = rows[static_cast<size_t>(row)];
    cells.Date.text = weekText;
    for (int i = 0; i < 11; ++i)
        cells.cells[static_cast<size_t>(i)].text = reformat(r.lbTaxDed[static_cast<size_t>(i)]);
    cells.cell(LedgerColumn::OT).text = plain2(r.TotalOt);
    cells.cell(LedgerColumn::Tips).text = plain2(r.TotalTips);
    cells.cell(LedgerColumn::Gross).text = plain2(r.run.GrossPay);
    cells.cell(LedgerColumn::Net).text = plain2(r.run.NetPay);
    LedgerRow& stored = l.rows[static_cast<size_t>(row)];
    stored.SDI = static_cast<float>(leadingNumber(reformat(r.lbSDI)));
    stored.SUI = static_cast<float>(leadingNumber(reformat(r.lbSUI)));
    stored.Cafe = static_cast<float>(leadingNumber(reformat(r.lbCafe)));
}

void LedgerWindow::DeleteRow(int row, Ledger& l) {
    LedgerWindowRow& cells = rows[static_cast<size_t>(row)];
    cells.Date.text.clear();
    for (auto& c : cells.cells) c.text = "0";
    LedgerRow& stored = l.rows[static_cast<size_t>(row)];
    stored.SDI = stored.SUI = stored.Cafe = 0;
}

void LedgerWindow::ClearLedger(Ledger& l, int used) {
    for (int i = 0; i < used; ++i) {
        LedgerWindowRow& cells = rows[static_cast<size_t>(i)];
        cells.Date.text.clear();
        for (auto& c : cells.cells) c.text = "0";
    }
    l.totals.Tips = Currency();
    for (LedgerRow& row : l.rows) row.SDI = row.SUI = row.Cafe = 0;
    l.totals.SDI = l.totals.SUI = l.totals.Cafe = 0;
    for (TextBox* b : {&totSDI, &totSUI, &totCafe, &total(LedgerColumn::Tips)}) b->text = "0";
}

std::string LedgerWindow::fileBytes(const Ledger& l, bool weekly) const {
    LineWriter w;
    writeRows(w, l, weekly);
    writeLedgerTotals(w, l.totals);
    return w.bytes();
}

std::string LedgerWindow::rowBytes(const Ledger& l, bool weekly) const {
    LineWriter w;
    writeRows(w, l, weekly);
    return w.bytes();
}

void LedgerWindow::writeRows(LineWriter& w, const Ledger& l, bool weekly) const {
    auto cell = [](const LedgerWindowRow& r, LedgerColumn c) {
        return leadingNumber(r.cell(c).text);
    };
    using C = LedgerColumn;
    using namespace ledger_fields;
    for (int i = 0; i < Ledger::rowCount(weekly); ++i) {
        const LedgerWindowRow& r = rows[static_cast<size_t>(i)];
        const LedgerRow& stored = l.rows[static_cast<size_t>(i)];
        w.text(r.Date.text)
            .number(cell(r, C::Fed), kFed)
            .number(cell(r, C::SS), kSS)
            .number(cell(r, C::Medi), kMedi)
            .number(cell(r, C::State), kState)
            .endLine();
        w.number(cell(r, C::City), kCity)
            .number(cell(r, C::Muni), kMuni)
            .number(cell(r, C::Bond), kBond)
            .number(cell(r, C::Dues), kDues)
            .number(cell(r, C::Pension), kPension)
            .endLine();
        w.number(cell(r, C::Misc), kMisc)
            .number(cell(r, C::Kplan), kKplan)
            .number(cell(r, C::OT), kOT)
            .number(cell(r, C::Gross), kGross)
            .number(cell(r, C::Net), kNet)
            .endLine();
        w.number(stored.SDI, kSDI)
            .number(stored.SUI, kSUI)
            .number(stored.Cafe, kCafe)
            .number(cell(r, C::Tips), kTips);
        w.endLine();
    }
}

}  // namespace corvella
