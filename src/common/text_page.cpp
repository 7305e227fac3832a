#include "common/text_page.h"

#include <algorithm>

#include "common/number.h"

namespace corvella {

TextPage& TextPage::font(std::string name, double points) {
    fontName_ = name;
    items_.push_back({PageItem::Kind::Font, std::move(name), points, 1});
    return *this;
}

TextPage& TextPage::fontSize(double points) {
    return font(fontName_, points);
}

TextPage& TextPage::tab(int column) {
    items_.push_back({PageItem::Kind::Tab, {}, 0, std::max(column, 1)});
    return *this;
}

TextPage& TextPage::text(std::string s) {
    items_.push_back({PageItem::Kind::Text, std::move(s), 0, 1});
    return *this;
}

TextPage& TextPage::number(float v) {
    return text(numberText(v));
}

TextPage& TextPage::endLine() {
    items_.push_back({PageItem::Kind::LineEnd, {}, 0, 1});
    return *this;
}

TextPage& TextPage::endLines(int n) {
    for (int i = 0; i < n; ++i) endLine();
    return *this;
}

TextPage& TextPage::endDocument() {
    items_.push_back({PageItem::Kind::DocumentEnd, {}, 0, 1});
    return *this;
}

TextPage& TextPage::append(const TextPage& next) {
    if (!items_.empty() && items_.back().kind != PageItem::Kind::DocumentEnd) endDocument();
    if (!items_.empty()) font("Arial", 10);
    items_.insert(items_.end(), next.items().begin(), next.items().end());
    fontName_ = next.fontName_;
    return *this;
}

std::string numberText(float v) {
    std::string t = floatText(v);
    if (t.empty() || t[0] != '-') t.insert(t.begin(), ' ');
    t += ' ';
    return t;
}

namespace {

// Characters, not bytes: continuation bytes of UTF-8 are not counted.
int width(const std::string& s) {
    return static_cast<int>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string plainText(const TextPage& page) {
    std::string out, line;
    int position = 1;  // the column the next character goes to
    int filled = 1;    // the column after the line's last character
    auto newLine = [&] {
        out += line;
        out += '\n';
        line.clear();
        position = filled = 1;
    };
    for (const PageItem& item : page.items()) {
        switch (item.kind) {
            case PageItem::Kind::Font:
                break;
            case PageItem::Kind::Tab:
                if (position > item.column) newLine();
                position = item.column;
                break;
            case PageItem::Kind::Text:
                if (item.text.empty()) break;
                // Blanks up to the print position only under something printed, so a
                // line holds no blanks that nothing follows.
                line.append(static_cast<size_t>(position - filled), ' ');
                line += item.text;
                position += width(item.text);
                filled = position;
                break;
            case PageItem::Kind::LineEnd:
                newLine();
                break;
            case PageItem::Kind::DocumentEnd:
                out += line;
                out += '\f';
                line.clear();
                position = filled = 1;
                break;
        }
    }
    return out + line;
}

}  // namespace corvella
