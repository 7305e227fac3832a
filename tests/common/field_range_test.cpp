#include "common/field_range.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "common/errors.h"
#include "common/linefile.h"

namespace corvella {
namespace {

constexpr NumberField kRate{"tips rate", {0, 1e6}};
constexpr NumberField kFlag{"weekly flag", ranges::kFlag};
constexpr std::string_view kStatuses[] = {"Single", "Married"};
constexpr ChoiceField kStatus{"federal status", kStatuses};

// The message of the ReadError that reading one field of `line` throws, or "" for none.
template <class Read>
std::string readError(const std::string& line, Read read) {
    FieldReader r(line + "\r\n", "Ann.use");
    try {
        read(r);
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, "Ann.use");
        EXPECT_EQ(e.line, 1);
        return e.problem;
    }
    return "";
}

TEST(FieldRanges, ANumberOutsideItsFieldsRangeIsADamagedFile) {
    struct Case {
        const char* field;
        const char* problem;  // "" when the field reads
    } cases[] = {
        {"0", ""},
        {"1000000", ""},
        {".5", ""},
        {"1000000.1", "the tips rate 1000000.1 is outside 0 to 1000000"},
        {"3.4e38", "the tips rate 3.4e38 is outside 0 to 1000000"},
        {"-0.01", "the tips rate -0.01 is outside 0 to 1000000"},
        {"1e999", "\"1e999\" is not a number"},
        {"#TRUE#", "the tips rate #TRUE# is outside 0 to 1000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(readError(c.field, [](FieldReader& r) { r.number(kRate); }), c.problem);
    }
}

TEST(FieldRanges, AFlagHoldsAWholeNumberInItsRange) {
    for (const char* good : {"0", "1", "-1", "#TRUE#", "#FALSE#"})
        EXPECT_EQ(readError(good, [](FieldReader& r) { r.integer(kFlag); }), "") << good;
    for (const char* bad : {"2", "-2", "0.5", "32767"})
        EXPECT_NE(readError(bad, [](FieldReader& r) { r.integer(kFlag); }), "") << bad;
}

TEST(FieldRanges, AListFieldHoldsOneOfItsTexts) {
    EXPECT_EQ(readError("\"Married\"", [](FieldReader& r) { r.text(kStatus); }), "");
    EXPECT_EQ(readError("\"Head\"", [](FieldReader& r) { r.text(kStatus); }),
              "the federal status \"Head\" is not one of \"Single\", \"Married\"");
    EXPECT_NE(readError("\"single\"", [](FieldReader& r) { r.text(kStatus); }), "");
}

// The format has no escape: a quote anywhere but around the whole text is damage, and
// read on it would change the text (and the file written from it) silently.
TEST(FieldRanges, AQuoteOutOfPlaceIsADamagedFileInEveryField) {
    for (const char* bad : {"Single\"", "\"Single\"x", "Sin\"gle", "\"Single\" \"", "5\""}) {
        SCOPED_TRACE(bad);
        const std::string want = std::string("a quote is out of place in ") + bad;
        EXPECT_EQ(readError(bad, [](FieldReader& r) { r.text(); }), want);
        EXPECT_EQ(readError(bad, [](FieldReader& r) { r.text(kStatus); }), want);
        EXPECT_EQ(readError(bad, [](FieldReader& r) { r.number(); }), want);
    }
    // Blanks around a field, and an empty text, are no damage.
    FieldReader r(" \"Single\" ,\"\",,x\r\n", "Ann.use");
    EXPECT_EQ(r.text(kStatus), "Single");
    EXPECT_EQ(r.text(), "");
    EXPECT_EQ(r.text(), "");
    EXPECT_EQ(r.text(), "x");
}

// Below the normal float range the 7-digit text reads back as another value each time it
// is written (1.00000008e-38 -> "0.00...01" -> 9.99999935e-39 -> ...): read it as 0.
TEST(FieldRanges, AFloatTooSmallToKeepItsTextIsReadAs0) {
    FieldReader r("0.1000000049E-37,-1e-39,1.2e-38\r\n", "Ann.use");
    EXPECT_EQ(r.number(), 0.0f);
    EXPECT_EQ(r.number(NumberField{"amount", ranges::kAmount}), 0.0f);
    EXPECT_EQ(r.number(), 1.2e-38f);  // the smallest normal floats keep their value
}

TEST(FieldRanges, TheWriterRefusesWhatTheReaderWouldRefuse) {
    struct Case {
        double value;
        bool written;
    } cases[] = {
        {0, true},          {1e6, true},     {1000000.000000001, true},  // written as 1000000
        {1000000.1, false}, {-0.001, false}, {3.4e38, false},
        {INFINITY, false},  {NAN, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        LineWriter w;
        if (!c.written) {
            EXPECT_THROW(w.number(c.value, kRate), RangeError);
            EXPECT_EQ(w.bytes(), "");
            continue;
        }
        w.number(c.value, kRate).endLine();
        FieldReader r(w.bytes(), "Ann.use");
        EXPECT_NO_THROW(r.number64(kRate));
    }
    LineWriter w;
    EXPECT_THROW(w.integer(2, kFlag), RangeError);
    EXPECT_THROW(w.text("Head", kStatus), RangeError);
    try {
        w.number(3.4e38f, kRate);
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(),
                     "the tips rate 340000000000000000000000000000000000000 is outside 0 "
                     "to 1000000");
    }
}

}  // namespace
}  // namespace corvella
