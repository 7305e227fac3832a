#pragma once
// A printout as a text page: lines of items placed at tab columns, in a font of a size.
// The core builds it; a renderer draws it. One column is the average character width of
// the current font (one character in the plain-text rendering).
#include <string>
#include <vector>

namespace corvella {

struct PageItem {
    enum class Kind { Font, Tab, Text, LineEnd, DocumentEnd };
    Kind kind = Kind::Text;
    std::string text;  // Font: the font's name; Text: what is printed
    double size = 0;   // Font: points
    int column = 1;    // Tab: 1 is the left edge of the printable area
};

class TextPage {
  public:
    TextPage& font(std::string name, double points);
    // A new size in the current font.
    TextPage& fontSize(double points);
    // To column n of this line; to column n of the next line when the print position is
    // already to the right of it. A column below 1 counts as 1.
    TextPage& tab(int column);
    TextPage& text(std::string s);
    // A number printed as a number: a blank (or the minus sign) before it, a blank after.
    TextPage& number(float v);
    TextPage& endLine();
    // `n` line ends.
    TextPage& endLines(int n);
    TextPage& endDocument();
    // `next` after this page, on a page of its own that starts as a printout starts (the
    // renderers' first font): several printouts as one print job.
    TextPage& append(const TextPage& next);

    bool landscape = false;
    const std::vector<PageItem>& items() const { return items_; }

  private:
    std::vector<PageItem> items_;
    std::string fontName_ = "Arial";
};

// The text of a number printed as a number.
std::string numberText(float v);

// One column per character (UTF-8 characters counted once), fonts ignored, a newline at
// each line end and a form feed at each document end.
std::string plainText(const TextPage& page);

}  // namespace corvella
