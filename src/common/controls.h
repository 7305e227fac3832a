#pragma once
// Control models of the working-copy screens. A screen's members are its controls,
// named as the screens name them; setting a value in code has the same consequences
// as the user changing it (a check box runs its change handler).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace corvella {

// The characters the numeric entry boxes accept (Backspace aside).
inline constexpr std::string_view kNumericKeys = "0123456789 -.";

// Keeps only the characters a numeric box accepts; a Backspace ('\b') deletes the
// character before it.
std::string filterNumericKeys(std::string_view keys);

struct TextBox {
    std::string text;
    bool enabled = true;
    bool visible = true;
    bool numericOnly = false;  // the key filter "0123456789 -." and Backspace

    static TextBox numeric() {
        TextBox b;
        b.numericOnly = true;
        return b;
    }

    // Focus selects the whole text, so typed keys replace it (through the key filter).
    void focusAndType(std::string_view keys) {
        text = numericOnly ? filterNumericKeys(keys) : std::string(keys);
    }
};

struct Label {
    std::string caption;
    bool visible = true;
    bool enabled = true;
};

struct CheckBox {
    int16_t value = 0;  // 0 or 1
    bool visible = true;
    bool enabled = true;
    std::function<void()> onChange;  // the screen's handler, run when the value changes

    void set(int v) {
        auto nv = static_cast<int16_t>(v);
        if (nv == value) return;
        value = nv;
        if (onChange) onChange();
    }
    bool checked() const { return value == 1; }
};

struct OptionButton {
    int16_t value = 0;  // -1 selected, 0 not
    bool visible = true;
    bool selected() const { return value == -1; }
};

}  // namespace corvella
