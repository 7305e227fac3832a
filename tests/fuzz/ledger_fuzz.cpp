// The ledger, <name>.yrw (53 rows) and <name>.yrb (27 rows).
#include <utility>

#include "fuzz_support.h"
#include "ledger/ledger.h"

using namespace corvella;

namespace {

// What a ledger reads is within its fields' ranges, so a year of it totals and saves.
void checkRanges(const Ledger& l, bool weekly) {
    using namespace ledger_fields;
    for (int i = 0; i < Ledger::rowCount(weekly); ++i) {
        const LedgerRow& r = l.rows[static_cast<size_t>(i)];
        const std::pair<float, NumberField> fields[] = {
            {r.Fed, kFed},         {r.SS, kSS},     {r.Medi, kMedi},   {r.State, kState},
            {r.City, kCity},       {r.Muni, kMuni}, {r.Bond, kBond},   {r.Dues, kDues},
            {r.Pension, kPension}, {r.Misc, kMisc}, {r.Kplan, kKplan}, {r.OT, kOT},
            {r.Gross, kGross},     {r.Net, kNet},   {r.SDI, kSDI},     {r.SUI, kSUI},
            {r.Cafe, kCafe},       {r.Tips, kTips}};
        for (const auto& [v, f] : fields) FUZZ_CHECK(f.range.contains(v));
    }
    const LedgerTotals& t = l.totals;
    const float totals[] = {t.Fed,  t.SS,   t.Medi,    t.State, t.City, t.Muni,
                            t.Bond, t.Dues, t.Pension, t.Misc,  t.Kplan};
    for (size_t k = 0; k < std::size(totals); ++k)
        FUZZ_CHECK(kFloatTotals[k].range.contains(totals[k]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::input(data, size);
    for (bool weekly : {true, false}) {
        fuzz::roundTrip(bytes, [weekly](const std::string& b) {
            Ledger l;
            l.read(b, weekly ? "Ann.yrw" : "Ann.yrb", weekly);
            checkRanges(l, weekly);
            return l.write(weekly);
        });
        // The totals of what reads never overflow, and save (an Error here aborts).
        Ledger l;
        try {
            l.read(bytes, "Ann.yrw", weekly);
        } catch (const ReadError&) {
            continue;
        }
        l.RecomputeTotals(weekly);
        l.write(weekly);
    }
    return 0;
}
