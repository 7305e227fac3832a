#include "ledger/ledger.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <iterator>

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
    using namespace ledger_fields;
    FieldReader r(bytes, fileName);
    for (int i = 0; i < rowCount(weekly); ++i) {
        LedgerRow& row = rows[i];
        row.Date = r.text();
        row.Fed = r.number(kFed);
        row.SS = r.number(kSS);
        row.Medi = r.number(kMedi);
        row.State = r.number(kState);
        r.endLine();
        row.City = r.number(kCity);
        row.Muni = r.number(kMuni);
        row.Bond = r.number(kBond);
        row.Dues = r.number(kDues);
        row.Pension = r.number(kPension);
        r.endLine();
        row.Misc = r.number(kMisc);
        row.Kplan = r.number(kKplan);
        row.OT = r.number(kOT);
        row.Gross = r.number(kGross);
        row.Net = r.number(kNet);
        r.endLine();
        row.SDI = r.number(kSDI);
        row.SUI = r.number(kSUI);
        row.Cafe = r.number(kCafe);
        row.Tips = r.number(kTips);
        r.endLine();
    }
    LedgerTotals& t = totals;
    float* floats[] = {&t.Fed,  &t.SS,   &t.Medi,    &t.State, &t.City, &t.Muni,
                       &t.Bond, &t.Dues, &t.Pension, &t.Misc,  &t.Kplan};
    for (size_t k = 0; k < std::size(floats); ++k) {
        *floats[k] = r.number(kFloatTotals[k]);
        if (k == 4 || k == 9) r.endLine();
    }
    t.OT = readCurrency(r);
    t.Gross = readCurrency(r);
    t.Net = readCurrency(r);
    t.Tips = readCurrency(r);
    r.endLine();
    r.expectEnd();
}

void writeLedgerTotals(LineWriter& w, const LedgerTotals& t) {
    const auto& f = ledger_fields::kFloatTotals;
    w.number(t.Fed, f[0])
        .number(t.SS, f[1])
        .number(t.Medi, f[2])
        .number(t.State, f[3])
        .number(t.City, f[4])
        .endLine();
    w.number(t.Muni, f[5])
        .number(t.Bond, f[6])
        .number(t.Dues, f[7])
        .number(t.Pension, f[8])
        .number(t.Misc, f[9])
        .endLine();
    w.number(t.Kplan, f[10])
        .number(t.OT.toDouble(), kCurrencyTotal)
        .number(t.Gross.toDouble(), kCurrencyTotal)
        .number(t.Net.toDouble(), kCurrencyTotal)
        .number(t.Tips.toDouble(), kCurrencyTotal)
        .endLine();
}

std::string Ledger::write(bool weekly) const {
    using namespace ledger_fields;
    LineWriter w;
    for (int i = 0; i < rowCount(weekly); ++i) {
        const LedgerRow& row = rows[i];
        w.text(row.Date)
            .number(row.Fed, kFed)
            .number(row.SS, kSS)
            .number(row.Medi, kMedi)
            .number(row.State, kState)
            .endLine();
        w.number(row.City, kCity)
            .number(row.Muni, kMuni)
            .number(row.Bond, kBond)
            .number(row.Dues, kDues)
            .number(row.Pension, kPension)
            .endLine();
        w.number(row.Misc, kMisc)
            .number(row.Kplan, kKplan)
            .number(row.OT, kOT)
            .number(row.Gross, kGross)
            .number(row.Net, kNet)
            .endLine();
        w.number(row.SDI, kSDI)
            .number(row.SUI, kSUI)
            .number(row.Cafe, kCafe)
            .number(row.Tips, kTips);
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

bool holdsPosting(const LedgerRow& r) {
    if (!r.Date.empty()) return true;
    for (float v : {r.Fed, r.SS, r.Medi, r.State, r.City, r.Muni, r.Bond, r.Dues, r.Pension, r.Misc,
                    r.Kplan, r.Tips, r.OT, r.Net, r.Gross, r.SDI, r.SUI, r.Cafe})
        if (v != 0) return true;
    return false;
}

}  // namespace corvella
