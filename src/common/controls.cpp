#include "common/controls.h"

namespace corvella {

std::string filterNumericKeys(std::string_view keys) {
    std::string out;
    for (char c : keys) {
        if (c == '\b') {
            if (!out.empty()) out.pop_back();
        } else if (kNumericKeys.find(c) != std::string_view::npos) {
            out += c;
        }
    }
    return out;
}

}  // namespace corvella
