// The text page's column rule and its plain-text rendering.
#include "common/text_page.h"

#include <gtest/gtest.h>

namespace corvella {
namespace {

TEST(TextPage, TabsFollowTheColumnRule) {
    TextPage page;
    page.font("Arial", 10).text("abc").tab(4).text("d");  // at column 4 already: stays
    page.tab(3).text("e");                                // past column 3: next line
    page.tab(0).text("f").tab(-7).text("g");              // below 1 counts as 1
    page.endLine().tab(6).endLine();                      // a tab alone leaves no blanks
    page.text("x").endDocument().text("y");
    EXPECT_EQ(plainText(page), "abcd\n  e\nf\ng\n\nx\fy");
}

TEST(TextPage, NumbersPrintWithTheirBlanksAndCharactersCountOnce) {
    TextPage page;
    page.number(62.96f).number(-1.5f).number(0).tab(20).text("x").endLine();
    page.text("Jos\xc3\xa9").tab(6).text("|").endLine();
    EXPECT_EQ(plainText(page), " 62.96 -1.5  0     x\nJos\xc3\xa9 |\n");
}

}  // namespace
}  // namespace corvella
