#include "tools/overtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/number.h"

namespace corvella {
namespace {

struct Worked {
    const char* name;
    const char* salary;
    const char* percent;
    std::vector<const char*> amounts;  // rows from the first
    const char* earned;
    const char* reached;
    const char* max;
    const char* available;
};

class OvertimeTotal : public ::testing::TestWithParam<Worked> {};

TEST_P(OvertimeTotal, ShowsTheFiguresOfTheWorkedCases) {
    const Worked& c = GetParam();
    OvertimeScreen w;
    OvertimeData d;
    w.txtAnnual.text = c.salary;
    w.txtApPercent.text = c.percent;
    for (size_t i = 0; i < c.amounts.size(); ++i) w.txtOT[i].text = c.amounts[i];
    ASSERT_FALSE(w.TOTAL(d, true));
    EXPECT_EQ(w.lbEarned.caption, c.earned);
    EXPECT_EQ(w.txtPercent.text, c.reached);
    EXPECT_EQ(w.lbMax.caption, c.max);
    EXPECT_EQ(w.lbAvail.caption, c.available);
    EXPECT_EQ(d.AnnualSalary, leadingNumber(c.salary));
    // Every empty amount of the rows has become "0".
    for (int i = static_cast<int>(c.amounts.size()); i < kOtRows; ++i)
        EXPECT_EQ(w.txtOT[i].text, "0") << "row " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OvertimeTotal,
    ::testing::Values(
        Worked{
            "TwoRows", "50000", "10", {"500", "250"}, "$750.00", "1.5%", "$5,000.00", "$4,250.00"},
        Worked{"OverTheLimit",
               "40000",
               "2",
               {"600", "", "400"},
               "$1,000.00",
               "2.5%",
               "$800.00",
               "-$200.00"},
        Worked{"NoOvertime", "25600", "5", {}, "$.00", ".%", "$1,280.00", "$1,280.00"},
        Worked{"CentsAndBlanks",
               "10000",
               "1.5",
               {" 12.5", ".25", " "},
               "$12.75",
               ".13%",
               "$150.00",
               "$137.25"},
        Worked{"NoPercentage", "50000", "0", {"100"}, "$100.00", ".2%", "$.00", "-$100.00"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    const char* salary;
    const char* percent;
    const char* amount;  // row 5
    OvertimeRefusal::Kind kind;
    const char* box;
};

class OvertimeRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(OvertimeRefused, ComputesNothingAndNamesTheBox) {
    const Refused& c = GetParam();
    OvertimeScreen w;
    OvertimeData d;
    d.OtEarned = 7;
    w.showResults(d);
    w.txtAnnual.text = c.salary;
    w.txtApPercent.text = c.percent;
    w.txtOT[4].text = c.amount;
    auto r = w.TOTAL(d, true);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->kind, c.kind);
    EXPECT_EQ(r->box, c.box);
    EXPECT_EQ(d.OtEarned, 7.0f);
    EXPECT_EQ(d.AnnualSalary, 0.0f);
    EXPECT_EQ(w.lbEarned.caption, "$7.00");
    EXPECT_EQ(w.txtOT[0].text, "");  // not yet set to "0"
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OvertimeRefused,
    ::testing::Values(
        Refused{"BothZero", "0", "0", "5", OvertimeRefusal::Attention, ""},
        Refused{"NoSalary", "", "5", "5", OvertimeRefusal::Attention, ""},
        Refused{"BlankPercent", "1000", "  ", "5", OvertimeRefusal::Attention, ""},
        Refused{"SalaryZeroPercentNot", "0", "5", "5", OvertimeRefusal::NoSalary, "Annual Salary"},
        Refused{"TwoPoints", "1.2.3", "5", "5", OvertimeRefusal::NotANumber, "Annual Salary"},
        Refused{"MinusInside", "1000", "4-5", "5", OvertimeRefusal::NotANumber,
                "Enter Your Approved Percentage"},
        Refused{"AmountNotANumber", "1000", "5", "1.2.3", OvertimeRefusal::NotANumber,
                "O.T. Only, week 5"},
        Refused{"OnlyAMinus", "1000", "5", "-", OvertimeRefusal::NotANumber, "O.T. Only, week 5"},
        Refused{"BeyondAFloat", "99999999999999999999999999999999999999999", "5", "5",
                OvertimeRefusal::NotANumber, "Annual Salary"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Overtime, BiWeeklyAddsTheRowsUpToTheOneBeyondTheStoredOnes) {
    OvertimeScreen w;
    OvertimeData d;
    w.txtAnnual.text = "10000";
    w.txtApPercent.text = "10";
    for (auto& b : w.txtOT) b.text = "1";
    ASSERT_FALSE(w.TOTAL(d, false));
    EXPECT_EQ(d.OtEarned, 28.0f);  // rows 0 to 27
    ASSERT_FALSE(w.TOTAL(d, true));
    EXPECT_EQ(d.OtEarned, 53.0f);
}

TEST(Overtime, NewWeekMovesTheRowsOfTheModeUpOne) {
    for (bool weekly : {true, false}) {
        SCOPED_TRACE(weekly ? "weekly" : "bi-weekly");
        OvertimeScreen w;
        for (int i = 0; i < kOtRows; ++i) {
            w.Text1[i].text = "d" + std::to_string(i + 1);
            w.txtOT[i].text = std::to_string(i + 1);
        }
        w.NewWeek(weekly);
        const int last = weekly ? 52 : 26;
        EXPECT_EQ(w.Text1[0].text, "d2");
        EXPECT_EQ(w.txtOT[0].text, "2");
        // Bi-weekly: week 26, the last shown, gets the hidden row's values.
        EXPECT_EQ(w.Text1[last - 1].text, "d" + std::to_string(last + 1));
        EXPECT_EQ(w.txtOT[last - 1].text, std::to_string(last + 1));
        EXPECT_EQ(w.Text1[last].text, "");
        EXPECT_EQ(w.txtOT[last].text, "0");
        if (!weekly) {
            EXPECT_EQ(w.txtOT[27].text, "28");  // beyond the mode: untouched
        }
    }
}

TEST(Overtime, SalaryBoxOfANewAndOfALoadedEmployee) {
    OvertimeScreen w;
    OvertimeData d;
    d.OtAmount[3] = "12";
    w.ClearAll(d, true);
    EXPECT_EQ(w.txtAnnual.text, "11440");
    EXPECT_EQ(w.txtApPercent.text, "0");
    EXPECT_EQ(d.OtAmount[3], "0");
    EXPECT_EQ(w.lbEarned.caption, "$.00");

    OvertimeData stored;  // a stored salary of 0
    stored.ApprovedPercent = 4;
    w.FillInOT(stored, true);
    EXPECT_EQ(w.txtAnnual.text, "25600");
    EXPECT_EQ(w.txtApPercent.text, "4");
    // Undo shows the stored figures as they are.
    w.Undo(stored, true);
    EXPECT_EQ(w.txtAnnual.text, "0");
}

struct Move {
    const char* name;
    OtCell from;
    OtKey key;
    bool weekly;
    std::optional<OtCell> to;
};

class OvertimeKeys : public ::testing::TestWithParam<Move> {};

TEST_P(OvertimeKeys, MoveTheFocusAsTheCalculatorDoes) {
    const Move& m = GetParam();
    EXPECT_EQ(overtimeKeyTarget(m.from, m.key, m.weekly), m.to);
}

constexpr auto D = OtColumn::Date;
constexpr auto A = OtColumn::Amount;

INSTANTIATE_TEST_SUITE_P(
    Cases, OvertimeKeys,
    ::testing::Values(Move{"EnterNext", {D, 3}, OtKey::Enter, true, OtCell{D, 4}},
                      Move{"EnterWrapsWeekly", {D, 52}, OtKey::Enter, true, OtCell{D, 0}},
                      Move{"EnterWrapsBiWeekly", {A, 25}, OtKey::Enter, false, OtCell{A, 0}},
                      Move{"DownStopsAtTheLastShown", {A, 25}, OtKey::Down, false, OtCell{A, 25}},
                      Move{"DownWeekly", {A, 25}, OtKey::Down, true, OtCell{A, 26}},
                      Move{"UpStopsAtTheFirst", {D, 0}, OtKey::Up, true, OtCell{D, 0}},
                      Move{"Up", {A, 9}, OtKey::Up, false, OtCell{A, 8}},
                      Move{"RightToTheAmount", {D, 7}, OtKey::Right, true, OtCell{A, 7}},
                      Move{"LeftToTheDate", {A, 7}, OtKey::Left, false, OtCell{D, 7}},
                      Move{"NotRightFromWeek53", {D, 52}, OtKey::Right, true, std::nullopt},
                      Move{"NotLeftFromWeek53", {A, 52}, OtKey::Left, true, std::nullopt},
                      Move{"RightInTheAmountIsTheBoxs", {A, 3}, OtKey::Right, true, std::nullopt},
                      Move{"LeftInTheDateIsTheBoxs", {D, 3}, OtKey::Left, true, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvella
