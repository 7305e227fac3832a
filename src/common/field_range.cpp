#include "common/field_range.h"

#include "common/number.h"

namespace corvella {

std::string outsideRangeText(const NumberField& f, std::string_view valueText) {
    std::string out = "the ";
    out.append(f.name).append(" ").append(valueText).append(" is outside ");
    out.append(doubleText(f.range.lo)).append(" to ").append(doubleText(f.range.hi));
    return out;
}

std::string notAChoiceText(const ChoiceField& f, std::string_view text) {
    std::string out = "the ";
    out.append(f.name).append(" \"").append(text).append("\" is not one of ");
    for (size_t i = 0; i < f.choices.size(); ++i) {
        if (i) out.append(", ");
        out.append("\"").append(f.choices[i]).append("\"");
    }
    return out;
}

}  // namespace corvella
