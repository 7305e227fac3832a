#pragma once
// Draws a text page with Qt, on a printer or a PDF writer: one column is the average
// character width of the current font (letters weighted as in English text), one line the font's
// height; a line past the page's bottom starts a new page. This is how the desktop program prints
// and how the command line writes a PDF, so both look the same.
#include <QFont>
#include <QPagedPaintDevice>
#include <string>

#include "common/text_page.h"

namespace corvella::render {

// The font of a page: "Arial" is drawn in its metric twin Liberation Sans where that is
// installed.
QFont pageFont(const std::string& name, double points);

// The page layout a printout starts from: US Letter with quarter-inch margins.
QPageLayout defaultPageLayout();

// Draws `page` from the device's first page on, turned to landscape when the page asks
// for it. Text may run on into the right margin; past the paper's edge it is cut at a whole
// character. Throws Error when the device cannot be painted on.
void drawPage(const TextPage& page, QPagedPaintDevice& device);

}  // namespace corvella::render
