// The year-end worksheets as pages and as CSV, from a small hand-made W-2 worksheet and
// Form 941.
#include "yearend/yearend_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "yearend/worksheet_lines.h"

namespace corvella {
namespace {

CompanyFacts employer(DepositSchedule deposit = DepositSchedule::Monthly) {
    CompanyFacts c;
    c.legalName = "Acme Tools";
    c.address = "1 Main St";
    c.cityStateZip = "Springfield, IL 62701";
    c.ein = "123456789";
    c.stateId = "IL-778";
    c.deposit = deposit;
    return c;
}

// Two employees: one with every kind of box filled and a name the CSV must quote, one
// with a local tax and nothing in boxes 12 and 14.
W2Worksheet worksheet() {
    W2Worksheet w;
    w.year = 2026;
    w.employer = employer();
    W2Form a;
    a.name = "Smith";
    a.employeeName = "Ann \"Red\" Smith, Jr.";
    a.address = "2 Oak St";
    a.cityStateZip = "Springfield, IL 62702";
    a.ssn = "123-45-6789";
    a.box1 = 1234567;
    a.box2 = 123400;
    a.box3 = 1284567;
    a.box4 = 79643;
    a.box5 = 1284567;
    a.box6 = 18626;
    a.box7 = 50000;
    a.box12 = {{"D", 50000}};
    a.box14 = {{"SDI", 1200}};
    a.retirementPlan = true;
    a.box15 = "IL";
    a.box16 = 1234567;
    a.box17 = 61728;
    W2Form b;
    b.name = "Lee";
    b.employeeName = "Bo Lee";
    b.address = "9 Elm St";
    b.cityStateZip = "Springfield, IL 62703";
    b.ssn = "987654321";
    b.box1 = b.box3 = b.box5 = b.box16 = b.box18 = 99999;
    b.box4 = 6200;
    b.box6 = 1450;
    b.box15 = "IL";
    b.box17 = 5000;
    b.box19 = 1000;
    b.box20 = "Springfield";
    w.forms = {a, b};
    w.w3 = {2, 1334566, 123400, 1384566, 85843, 1384566, 20076, 50000, 1334566, 66728, 99999, 1000};
    w.warnings = {"Lee: the Social Security number is not 9 digits. Enter it in User Info."};
    return w;
}

Form941 form941(DepositSchedule deposit) {
    Form941 f;
    f.year = 2026;
    f.quarter = 1;
    f.employer = employer(deposit);
    f.line1 = 2;
    f.line2 = 1334566;
    f.line3 = 123400;
    f.line5a = {1334566, 165486};
    f.line5b = {50000, 6200};
    f.line5c = {1384566, 40152};
    f.line5e = 211838;
    f.line6 = 335238;
    f.line7 = -3;
    f.line10 = f.line12 = 335235;
    f.months = {100000, 135235, 100000};
    f.monthsTotal = 335235;
    f.daily = {{{2026, 1, 9}, 100000}, {{2026, 2, 13}, 135235}, {{2026, 3, 13}, 100000}};
    f.warnings = {"The company's EIN is not set. Enter it in Options > Company."};
    return f;
}

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == at)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// The first line of `page` that starts with `start`; empty when there is none.
std::string lineStarting(const std::string& page, const std::string& start) {
    for (const std::string& line : split(page, '\n'))
        if (line.rfind(start, 0) == 0) return line;
    return {};
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(YearEndPages, MoneyIsGroupedByThousandsToTheCent) {
    const struct {
        int64_t cents;
        const char* text;
    } cases[] = {{0, "0.00"},
                 {5, "0.05"},
                 {-3, "-0.03"},
                 {99999, "999.99"},
                 {100000, "1,000.00"},
                 {123456, "1,234.56"},
                 {-123456, "-1,234.56"},
                 {100000000, "1,000,000.00"},
                 {-12345678901, "-123,456,789.01"}};
    for (const auto& c : cases) EXPECT_EQ(groupedCents(c.cents), c.text) << c.cents;
}

TEST(YearEndPages, W2CsvQuotesTextAndEndsWithTheW3) {
    const std::string header =
        "form,employee,name,ssn,address,city_state_zip,box1,box2,box3,box4,box5,box6,box7,"
        "box12 D,box13 statutory employee,box13 retirement plan,box13 third-party sick pay,"
        "box14 SDI,box15 state,box15 employer state id,box16,box17,box18,box19,box20\r\n";
    const std::string w3 =
        "W-3,,Total of 2 Forms W-2,,,,13345.66,1234.00,13845.66,858.43,13845.66,200.76,500.00,"
        ",,,,,,IL-778,13345.66,667.28,999.99,10.00,\r\n";
    auto rows = [](const char* smithSsn, const char* leeSsn) {
        return std::string("W-2,Smith,\"Ann \"\"Red\"\" Smith, Jr.\",") + smithSsn +
               ",2 Oak St,\"Springfield, IL 62702\",12345.67,1234.00,12845.67,796.43,12845.67,"
               "186.26,500.00,500.00,no,yes,no,12.00,IL,IL-778,12345.67,617.28,0.00,0.00,\r\n"
               "W-2,Lee,Bo Lee," +
               leeSsn +
               ",9 Elm St,\"Springfield, IL 62703\",999.99,0.00,999.99,62.00,999.99,14.50,0.00,"
               "0.00,no,no,no,0.00,IL,IL-778,999.99,50.00,999.99,10.00,Springfield\r\n";
    };
    EXPECT_EQ(w2Csv(worksheet(), false), header + rows("***-**-6789", "***-**-4321") + w3);
    EXPECT_EQ(w2Csv(worksheet(), true), header + rows("123-45-6789", "987-65-4321") + w3);

    // No W-2 at all: the header without code columns, and a W-3 of nothing.
    W2Worksheet none;
    none.year = 2026;
    const auto lines = split(w2Csv(none, false), '\n');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "");
    EXPECT_FALSE(has(lines[0], "box12"));
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ','),
              std::count(lines[1].begin(), lines[1].end(), ','));
    EXPECT_EQ(lines[1].substr(0, 27), "W-3,,Total of 0 Forms W-2,,");
}

TEST(YearEndPages, Form941CsvListsTheLinesThenTheDepositorsLiabilities) {
    const std::string head =
        "line,description,amount\r\n"
        "1,\"Number of employees who received wages, tips, or other compensation for the pay "
        "period including Mar. 12\",2\r\n"
        "2,\"Wages, tips, and other compensation\",13345.66\r\n"
        "3,\"Federal income tax withheld from wages, tips, and other compensation\",1234.00\r\n"
        "5a col 1,Taxable social security wages,13345.66\r\n"
        "5a col 2,Social security tax on line 5a,1654.86\r\n"
        "5b col 1,Taxable social security tips,500.00\r\n"
        "5b col 2,Social security tax on line 5b,62.00\r\n"
        "5c col 1,Taxable Medicare wages & tips,13845.66\r\n"
        "5c col 2,Medicare tax on line 5c,401.52\r\n"
        "5d col 1,Taxable wages & tips subject to Additional Medicare Tax withholding,0.00\r\n"
        "5d col 2,Additional Medicare Tax on line 5d,0.00\r\n"
        "5e,Total social security and Medicare taxes,2118.38\r\n"
        "6,Total taxes before adjustments,3352.38\r\n"
        "7,Current quarter's adjustment for fractions of cents,-0.03\r\n"
        "10,Total taxes after adjustments,3352.35\r\n"
        "12,Total taxes after adjustments and nonrefundable credits,3352.35\r\n";
    const struct {
        DepositSchedule deposit;
        const char* tail;
    } cases[] = {
        {DepositSchedule::Monthly,
         "16 month 1,Tax liability: Month 1 (January),1000.00\r\n"
         "16 month 2,Tax liability: Month 2 (February),1352.35\r\n"
         "16 month 3,Tax liability: Month 3 (March),1000.00\r\n"
         "16 total,Total liability for quarter,3352.35\r\n"},
        {DepositSchedule::Semiweekly,
         "Schedule B,Tax liability on 1/9/2026,1000.00\r\n"
         "Schedule B,Tax liability on 2/13/2026,1352.35\r\n"
         "Schedule B,Tax liability on 3/13/2026,1000.00\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(form941Csv(form941(c.deposit)), head + c.tail);

    // The months are those of the quarter.
    Form941 fourth = form941(DepositSchedule::Monthly);
    fourth.quarter = 4;
    const std::string csv = form941Csv(fourth);
    EXPECT_TRUE(has(csv, "for the pay period including Dec. 12\",2\r\n"));
    EXPECT_TRUE(has(csv, "16 month 3,Tax liability: Month 3 (December),1000.00\r\n"));
}

TEST(YearEndPages, W2PagesHoldEveryBoxWithTheSocialSecurityNumberMasked) {
    const std::string text = plainText(w2Pages(worksheet(), false));
    const auto pages = split(text, '\f');
    ASSERT_EQ(pages.size(), 4u);  // two W-2s, the W-3, and nothing after the last page end
    EXPECT_EQ(pages[3], "");
    EXPECT_FALSE(has(text, "123-45-6789"));
    EXPECT_FALSE(has(text, "987-65-4321"));
    EXPECT_FALSE(has(text, "987654321"));

    const struct {
        size_t page;
        const char* start;  // the box's number and caption
        const char* end;    // its code and amount
    } boxes[] = {
        {0, "a    Employee's social security number", "***-**-6789"},
        {0, "b    Employer identification number (EIN)", "12-3456789"},
        {0, "e    Employee's name", "Ann \"Red\" Smith, Jr."},
        {0, "1    Wages, tips, other compensation", " 12,345.67"},
        {0, "2    Federal income tax withheld", " 1,234.00"},
        {0, "3    Social security wages", " 12,845.67"},
        {0, "4    Social security tax withheld", " 796.43"},
        {0, "5    Medicare wages and tips", " 12,845.67"},
        {0, "6    Medicare tax withheld", " 186.26"},
        {0, "7    Social security tips", " 500.00"},
        {0, "12a  See instructions for box 12", "Code D      500.00"},
        {0, "13   Statutory employee", " No"},
        {0, "     Retirement plan", " Yes"},
        {0, "14   Other", "SDI         12.00"},
        {0, "15   State", " IL"},
        {0, "     Employer's state ID number", " IL-778"},
        {0, "16   State wages, tips, etc.", " 12,345.67"},
        {0, "17   State income tax", " 617.28"},
        {0, "18   Local wages, tips, etc.", " 0.00"},
        {1, "a    Employee's social security number", "***-**-4321"},
        {1, "12   See instructions for box 12", "box 12"},
        {1, "18   Local wages, tips, etc.", " 999.99"},
        {1, "19   Local income tax", " 10.00"},
        {1, "20   Locality name", " Springfield"},
        {2, "c    Total number of Forms W-2", " 2"},
        {2, "1    Wages, tips, other compensation", " 13,345.66"},
        {2, "6    Medicare tax withheld", " 200.76"},
        {2, "7    Social security tips", " 500.00"},
        {2, "15   Employer's state ID number", " IL-778"},
        {2, "17   State income tax", " 667.28"},
        {2, "19   Local income tax", " 10.00"},
    };
    for (const auto& b : boxes) {
        const std::string line = lineStarting(pages[b.page], b.start);
        EXPECT_TRUE(line.ends_with(b.end))
            << "page " << b.page << ": \"" << line << "\" should end with \"" << b.end << "\"";
    }
    // Amounts start at one column, so they line up.
    EXPECT_EQ(lineStarting(pages[0], "1 ").find("12,345.67"),
              lineStarting(pages[0], "7 ").find("500.00"));
    EXPECT_TRUE(has(pages[0], "Form W-2  Wage and Tax Statement  2026"));
    EXPECT_TRUE(has(pages[0], "Acme Tools\n"));
    EXPECT_TRUE(has(pages[0], "2 Oak St\n"));
    EXPECT_TRUE(has(pages[2], "Form W-3  Transmittal of Wage and Tax Statements  2026"));
    EXPECT_TRUE(has(pages[2], "Lee: the Social Security number is not 9 digits."));

    // Shown whole only when asked.
    const std::string shown = plainText(w2Pages(worksheet(), true));
    EXPECT_TRUE(
        lineStarting(shown, "a    Employee's social security number").ends_with(" 123-45-6789"));
    EXPECT_TRUE(has(shown, " 987-65-4321\n"));
    EXPECT_FALSE(has(shown, "***-**"));
}

TEST(YearEndPages, Form941PageHoldsEachLineAndTheDepositorsLiabilities) {
    const std::string monthly = plainText(form941Page(form941(DepositSchedule::Monthly)));
    const std::string semiweekly = plainText(form941Page(form941(DepositSchedule::Semiweekly)));
    EXPECT_EQ(std::count(monthly.begin(), monthly.end(), '\f'), 1);
    EXPECT_TRUE(has(monthly, "Form 941  Employer's Quarterly Federal Tax Return  2026\n"));
    const struct {
        const std::string& page;
        const char* start;
        const char* end;
    } lines[] = {
        {monthly, "     Report for this quarter", " 1: January, February, March"},
        {monthly, "     Employer identification number (EIN)", " 12-3456789"},
        {monthly, "     Name (not your trade name)", " Acme Tools"},
        // A long caption goes on over lines; its amount is on the last.
        {monthly, "1    Number of employees who received wages, tips, or other", "other"},
        {monthly, "     compensation for the pay period including Mar. 12", " 2"},
        {monthly, "2    Wages, tips, and other compensation", " 13,345.66"},
        {monthly, "     compensation  ", " 1,234.00"},
        // Column 2 beside column 1, as on the form.
        {monthly, "5a   Taxable social security wages", " 13,345.66         1,654.86"},
        {monthly, "5b   Taxable social security tips", " 500.00            62.00"},
        {monthly, "5c   Taxable Medicare wages & tips", " 13,845.66         401.52"},
        {monthly, "5e   Total social security and Medicare taxes", " 2,118.38"},
        {monthly, "6    Total taxes before adjustments", " 3,352.38"},
        {monthly, "7    Current quarter's adjustment for fractions of cents", " -0.03"},
        {monthly, "10   Total taxes after adjustments", " 3,352.35"},
        {monthly, "12   Total taxes after adjustments and nonrefundable credits", " 3,352.35"},
        {monthly, "16   Monthly schedule depositor", "for each month"},
        {monthly, "     Tax liability: Month 1 (January)", " 1,000.00"},
        {monthly, "     Tax liability: Month 2 (February)", " 1,352.35"},
        {monthly, "     Tax liability: Month 3 (March)", " 1,000.00"},
        {monthly, "     Total liability for quarter", " 3,352.35"},
        {semiweekly, "16   Semiweekly depositor", "by pay date (Schedule B)"},
        {semiweekly, "     Tax liability on 1/9/2026", " 1,000.00"},
        {semiweekly, "     Tax liability on 2/13/2026", " 1,352.35"},
        {semiweekly, "     Tax liability on 3/13/2026", " 1,000.00"},
        {semiweekly, "     Total liability for the quarter", " 3,352.35"},
    };
    for (const auto& l : lines) {
        const std::string line = lineStarting(l.page, l.start);
        EXPECT_TRUE(line.ends_with(l.end))
            << "\"" << line << "\" should end with \"" << l.end << "\"";
    }
    EXPECT_FALSE(has(monthly, "Schedule B"));
    EXPECT_FALSE(has(semiweekly, "Month 1"));
    for (const std::string& page : {monthly, semiweekly})
        EXPECT_TRUE(has(page,
                        "Check before filing:\n  - The company's EIN is not set. Enter it in "
                        "Options > Company.\n"));
}

}  // namespace
}  // namespace corvella
