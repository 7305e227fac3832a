// The number readings: the strict and the leading number, the text forms, the cent
// rounding and the currency.
#include <cfloat>
#include <cmath>

#include "common/number.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::input(data, size);
    const double lead = leadingNumber(text);
    FUZZ_CHECK(!std::isnan(lead));
    if (auto v = strictNumber(text)) {
        FUZZ_CHECK(!std::isnan(*v));
        if (std::isfinite(*v)) {
            // The 15-digit text reads back to a value with the same text.
            const std::string t = doubleText(*v);
            auto back = strictNumber(t);
            FUZZ_CHECK(back.has_value());
            FUZZ_CHECK(doubleText(*back) == t);
            (void)roundCents(*v);
            const Currency c = Currency::fromDouble(*v);
            (void)(c + c);
            (void)(c - c);
            // Seven digits do not hold every float: below the normal range (the file readers
            // take such a value as 0), and just above 1e28, whose text reads back below it.
            // Every float field of the files lies within +-1e9, where the text holds.
            if (std::fabs(*v) <= 1e9 && std::fabs(*v) >= FLT_MIN) {
                const float f = static_cast<float>(*v);
                const std::string ft = floatText(f);
                auto fb = strictNumber(ft);
                FUZZ_CHECK(fb.has_value());
                FUZZ_CHECK(floatText(static_cast<float>(*fb)) == ft);
                (void)roundCents(f);
                (void)roundDollarsEven(f);
            }
        }
    }
    return 0;
}
