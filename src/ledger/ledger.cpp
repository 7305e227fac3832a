#include "ledger/ledger.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "common/errors.h"
#include "common/linefile.h"

namespace corvella {

namespace {

const char* const kOverflowMessage = "CHECK YOUR ENTRY FOR NON NUMBER TYPE";

[[noreturn]] void overflow() {
    throw Error(kOverflowMessage);
}

// The currency totals' one range, for the reader, the writer and the sums: well inside
// what Currency holds, and written in 15 digits without rounding past its ends.
constexpr NumberField kCurrencyTotal{"currency total", {-9e14, 9e14}};

bool fitsCurrency(double v) {
    return kCurrencyTotal.range.contains(v);
}

// Through the text the file holds, so recomputed totals equal the saved ones.
Currency throughText(Currency c) {
    auto v = strictNumber(doubleText(c.toDouble()));
    if (!v || !fitsCurrency(*v)) overflow();
    return Currency::fromDouble(*v);
}

// A float total after one more row: the float sum, rounded to its 7-digit text.
void addFloat(float& total, float value) {
    float sum = total + value;
    if (!std::isfinite(sum)) overflow();
    auto back = strictNumber(floatText(sum));
    if (!back || std::fabs(*back) > FLT_MAX) overflow();
    total = static_cast<float>(*back);
}

void addCurrency(Currency& total, float value) {
    if (!fitsCurrency(value)) overflow();
    int64_t units = 0;
    if (__builtin_add_overflow(total.units(), Currency::fromDouble(value).units(), &units))
        overflow();
    total = throughText(Currency::fromUnits(units));
}

void addPlain(float& total, float value) {
    float sum = total + value;
    if (!std::isfinite(sum)) overflow();
    total = sum;
}

Currency readCurrency(FieldReader& r) {
    return Currency::fromDouble(r.number64(kCurrencyTotal));
}

}  // namespace

// Each field goes straight into the record, so a file that ends early or turns bad
// leaves everything before that point in place.
void Ledger::read(const std::string& bytes, const std::string& fileName, bool weekly) {
    FieldReader r(bytes, fileName);
    for (int i = 0; i < rowCount(weekly); ++i) {
        LedgerRow& row = rows[i];
        row.Date = r.text();
        row.Fed = r.number();
        row.SS = r.number();
        row.Medi = r.number();
        row.State = r.number();
        row.City = r.number();
        row.Muni = r.number();
        row.Bond = r.number();
        row.Dues = r.number();
        row.Pension = r.number();
        row.Misc = r.number();
        row.Kplan = r.number();
        row.OT = r.number();
        row.Gross = r.number();
        row.Net = r.number();
        row.SDI = r.number();
        row.SUI = r.number();
        row.Cafe = r.number();
        row.Tips = r.number();
    }
    LedgerTotals& t = totals;
    t.Fed = r.number();
    t.SS = r.number();
    t.Medi = r.number();
    t.State = r.number();
    t.City = r.number();
    t.Muni = r.number();
    t.Bond = r.number();
    t.Dues = r.number();
    t.Pension = r.number();
    t.Misc = r.number();
    t.Kplan = r.number();
    t.OT = readCurrency(r);
    t.Gross = readCurrency(r);
    t.Net = readCurrency(r);
    t.Tips = readCurrency(r);
}

void writeLedgerTotals(LineWriter& w, const LedgerTotals& t) {
    w.number(t.Fed).number(t.SS).number(t.Medi).number(t.State).number(t.City).endLine();
    w.number(t.Muni).number(t.Bond).number(t.Dues).number(t.Pension).number(t.Misc).endLine();
    w.number(t.Kplan)
        .number(t.OT.toDouble(), kCurrencyTotal)
        .number(t.Gross.toDouble(), kCurrencyTotal)
        .number(t.Net.toDouble(), kCurrencyTotal)
        .number(t.Tips.toDouble(), kCurrencyTotal)
        .endLine();
}

std::string Ledger::write(bool weekly) const {
    LineWriter w;
    for (int i = 0; i < rowCount(weekly); ++i) {
        const LedgerRow& row = rows[i];
        w.text(row.Date).number(row.Fed).number(row.SS).number(row.Medi).number(row.State);
        w.endLine();
        w.number(row.City).number(row.Muni).number(row.Bond).number(row.Dues).number(row.Pension);
        w.endLine();
        w.number(row.Misc).number(row.Kplan).number(row.OT).number(row.Gross).number(row.Net);
        w.endLine();
        w.number(row.SDI).number(row.SUI).number(row.Cafe).number(row.Tips);
        w.endLine();
    }
    writeLedgerTotals(w, totals);
    return w.bytes();
}

// The totals are updated in place, one by one, so an overflow leaves them as they
// stood at that moment.
void Ledger::RecomputeTotals(bool weekly) {
    LedgerTotals& t = totals;
    for (float* f : {&t.Fed, &t.SS, &t.Medi, &t.State, &t.City, &t.Muni, &t.Bond, &t.Dues,
                     &t.Pension, &t.Misc, &t.Kplan})
        *f = 0;
    t.OT = t.Tips = t.Gross = t.Net = Currency();

    for (int i = 0; i < rowCount(weekly); ++i) {
        const LedgerRow& row = rows[i];
        addFloat(t.Fed, row.Fed);
        addFloat(t.SS, row.SS);
        addFloat(t.Medi, row.Medi);
        addFloat(t.State, row.State);
        addFloat(t.City, row.City);
        addFloat(t.Muni, row.Muni);
        addFloat(t.Bond, row.Bond);
        addFloat(t.Dues, row.Dues);
        addFloat(t.Pension, row.Pension);
        addFloat(t.Misc, row.Misc);
        addFloat(t.Kplan, row.Kplan);
        addCurrency(t.OT, row.OT);
        addCurrency(t.Tips, row.Tips);
        addCurrency(t.Gross, row.Gross);
        addCurrency(t.Net, row.Net);
    }

    // These have no cells, so all 53 rows count whatever the pay frequency.
    t.SDI = t.SUI = t.Cafe = 0;
    for (const LedgerRow& row : rows) {
        addPlain(t.SDI, row.SDI);
        addPlain(t.SUI, row.SUI);
        addPlain(t.Cafe, row.Cafe);
    }
}

void Ledger::ClearLedger() {
    rows.fill(LedgerRow{});
    totals = LedgerTotals{};
}

}  // namespace corvella
