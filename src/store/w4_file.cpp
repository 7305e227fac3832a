#include "store/w4_file.h"

#include <string_view>

#include "common/errors.h"
#include "common/exact_decimal.h"
#include "common/field_range.h"
#include "common/linefile.h"

namespace corvella {

namespace {

constexpr std::string_view kVersions[] = {"2019", "2020"};
constexpr std::string_view kStatuses[] = {"single", "married", "hoh"};
constexpr ChoiceField kVersionField{"Form W-4 version", kVersions};
constexpr ChoiceField kStatusField{"filing status", kStatuses};
constexpr NumberField kStep2Field{"Step 2 box", {0, 1}};

int64_t readAmount(FieldReader& r, const NumberField& f) {
    const int line = r.line();
    const std::string text = r.raw();
    const ScaledDecimal v = parseScaled(text, kCentDecimals);
    if (v.problem != ScaledDecimal::Problem::None)
        throw ReadError(r.fileName(), line,
                        "the " + std::string(f.name) + " \"" + text +
                            "\" is not an amount in dollars and cents");
    if (!scaledWithin(v.value, kCentDecimals, f.range))
        throw ReadError(r.fileName(), line, outsideRangeText(f, text));
    return v.value;
}

void writeAmount(LineWriter& w, int64_t cents, const NumberField& f) {
    if (!scaledWithin(cents, kCentDecimals, f.range))
        throw RangeError(outsideRangeText(f, centsText(cents)));
    w.raw(centsText(cents));
}

}  // namespace

const char* w4StatusWord(W4Form::Status s) {
    return kStatuses[static_cast<size_t>(s)].data();
}

W4Form readW4File(const std::string& bytes, const std::string& fileName) {
    FieldReader r(bytes, fileName);
    W4Form w;
    w.version = r.text(kVersionField) == kVersions[0] ? W4Form::Version::Before2020
                                                      : W4Form::Version::From2020;
    const std::string status = r.text(kStatusField);
    for (size_t i = 0; i < std::size(kStatuses); ++i)
        if (status == kStatuses[i]) w.status = static_cast<W4Form::Status>(i);
    w.step2 = r.integer(kStep2Field) != 0;
    w.step3Cents = readAmount(r, w4_fields::kStep3);
    w.step4aCents = readAmount(r, w4_fields::kStep4a);
    w.step4bCents = readAmount(r, w4_fields::kStep4b);
    r.endLine();
    r.expectEnd();
    return w;
}

std::string writeW4File(const W4Form& w4) {
    LineWriter w;
    w.text(kVersions[w4.version == W4Form::Version::Before2020 ? 0 : 1], kVersionField)
        .text(w4StatusWord(w4.status), kStatusField)
        .integer(w4.step2 ? 1 : 0, kStep2Field);
    writeAmount(w, w4.step3Cents, w4_fields::kStep3);
    writeAmount(w, w4.step4aCents, w4_fields::kStep4a);
    writeAmount(w, w4.step4bCents, w4_fields::kStep4b);
    w.endLine();
    return w.bytes();
}

}  // namespace corvella
