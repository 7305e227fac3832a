#include "ledger/ledger.h"

#include <bit>
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
namespace {

// A row's 0 puts a total through its text once more, a pure function of the total's bits:
// once that gave the very same total back, it always will, and the rows of zeros that
// follow are skipped (a payroll run totals a thousand ledgers several times each).
class FloatSum {
  public:
    explicit FloatSum(float& total) : total_(total) {}
    void add(float value) {
        // +0 alone: it leaves every float sum's bits as they were but -0's.
        const bool zero = std::bit_cast<uint32_t>(value) == 0;
        if (zero && settled_ && bits_ == std::bit_cast<uint32_t>(total_)) return;
        const uint32_t before = std::bit_cast<uint32_t>(total_);
        addFloat(total_, value);
        if (zero && std::bit_cast<uint32_t>(total_) == before) {
            settled_ = true;
            bits_ = before;
        }
    }

  private:
    float& total_;
    bool settled_ = false;
    uint32_t bits_ = 0;
};

class CurrencySum {
  public:
    explicit CurrencySum(Currency& total) : total_(total) {}
    void add(float value) {
        if (value == 0 && settled_ && units_ == total_.units()) return;
        const int64_t before = total_.units();
        addCurrency(total_, value);
        if (value == 0 && total_.units() == before) {
            settled_ = true;
            units_ = before;
        }
    }

  private:
    Currency& total_;
    bool settled_ = false;
    int64_t units_ = 0;
};

}  // namespace

void Ledger::RecomputeTotals(bool weekly) {
    LedgerTotals& t = totals;
    for (float* f : {&t.Fed, &t.SS, &t.Medi, &t.State, &t.City, &t.Muni, &t.Bond, &t.Dues,
                     &t.Pension, &t.Misc, &t.Kplan})
        *f = 0;
    t.OT = t.Tips = t.Gross = t.Net = Currency();

    FloatSum fed(t.Fed), ss(t.SS), medi(t.Medi), state(t.State), city(t.City), muni(t.Muni),
        bond(t.Bond), dues(t.Dues), pension(t.Pension), misc(t.Misc), kplan(t.Kplan);
    CurrencySum ot(t.OT), tips(t.Tips), gross(t.Gross), net(t.Net);
    for (int i = 0; i < rowCount(weekly); ++i) {
        const LedgerRow& row = rows[i];
        fed.add(row.Fed);
        ss.add(row.SS);
        medi.add(row.Medi);
        state.add(row.State);
        city.add(row.City);
        muni.add(row.Muni);
        bond.add(row.Bond);
        dues.add(row.Dues);
        pension.add(row.Pension);
        misc.add(row.Misc);
        kplan.add(row.Kplan);
        ot.add(row.OT);
        tips.add(row.Tips);
        gross.add(row.Gross);
        net.add(row.Net);
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
