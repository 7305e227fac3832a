// The line format: every field as its source text, as a text and as a number.
#include <cmath>

#include "common/linefile.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::input(data, size);
    // Fields as their source text, on one line: the same fields read back.
    fuzz::roundTrip(bytes, [](const std::string& b) {
        FieldReader r(b, "x.dat");
        LineWriter w;
        for (int i = 0; i < 4096 && !r.atEnd(); ++i) {
            w.raw(r.raw());
            if (r.atLineEnd()) r.endLine();
        }
        return w.endLine().bytes();
    });
    // Texts: what is read writes back as the same text.
    fuzz::roundTrip(bytes, [](const std::string& b) {
        FieldReader r(b, "x.dat");
        LineWriter w;
        for (int i = 0; i < 4096 && !r.atEnd(); ++i) {
            w.text(r.text()).endLine();
            if (r.atLineEnd()) r.endLine();
        }
        return w.bytes();
    });
    // Numbers: a float read is finite and writes a text that reads back.
    fuzz::roundTrip(bytes, [](const std::string& b) {
        FieldReader r(b, "x.dat");
        LineWriter w;
        for (int i = 0; i < 4096 && !r.atEnd(); ++i) {
            const float v = r.number();
            FUZZ_CHECK(std::isfinite(v));
            w.number(v).endLine();
            if (r.atLineEnd()) r.endLine();
        }
        return w.bytes();
    });
    return 0;
}
