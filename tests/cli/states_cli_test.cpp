// corvella-cli on employees of the built-in states: each employee's files check one
// state's box, and the state tax caption is that state's tax.
#include <gtest/gtest.h>

#include <string>

#include "engine/special_states_fixture.h"
#include "test_support.h"

namespace corvella {
namespace {

using test::Pay;
using test::StateEmployee;
using St = SpecialState;

using test::jsonField;
using test::runCli;

void sameFigure(StateSettings& st, float v) {
    st.StateSgExp.fill(v);
    st.StateMarExp.fill(v);
}

TEST(StatesCli, EachStatesEmployeeGetsThatStatesTax) {
    struct Case {
        const char* name;
        StateEmployee employee;
        const char* gross;
        const char* stateTax;
        const char* extra = "";
    } cases[] = {
        {"Louisiana", {.state = St::Louis}, "1000", "25.67"},
        {"LouisianaPrior", {.state = St::Louis}, "1000", "24.89", " --louisiana-prior"},
        {"Arizona", {.state = St::Ariz}, "1000", "31.65"},
        {"Iowa", {.state = St::Iowa, .pay = Pay::Weekly, .fedTax = 50}, "500", "18.00"},
        {"Missouri",
         {.state = St::Missouri,
          .pay = Pay::Weekly,
          .fedTax = 50,
          .saved = [](StateSettings& st) { st.StateSgExp.fill(121.15f); }},
         "500",
         "13.00"},
        {"Mass", {.state = St::Mass}, "1000", "38.86"},
        {"Oregon", {.state = St::Oregon, .fedTax = 80}, "1000", "66.45"},
        {"Utah",
         {.state = St::Utah,
          .exemp = 2,
          .saved =
              [](StateSettings& st) {
                  for (int n = 0; n < 10; ++n) st.StateSgExp[n] = st.StateMarExp[n] = 5.0f * n;
              }},
         "1000",
         "40.00"},
        {"Kentucky", {.state = St::Kentucky, .pay = Pay::Weekly}, "500", "22.55"},
        {"NC", {.state = St::NC, .roundState = 1}, "1000", "50.00"},
        {"Wisconsin", {.state = St::WisconApril, .exemp = 2}, "1000", "39.02"},
        {"WisconsinPrior", {.state = St::Wiscon, .exemp = 2}, "1000", "51.09"},
        {"Alabama", {.state = St::Alabama, .fedTax = 100}, "1000", "35.34"},
        {"NoState",
         {.state = St::Ariz,
          .saved =
              [](StateSettings& st) {
                  st.ArizFlag = 0;
                  st.StateMinBS.fill(999999);
                  st.StateMinBM.fill(999999);
                  sameFigure(st, 0);
              }},
         "1000",
         ".00"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        c.employee.write(dir.path(), c.name);
        const test::CliResult r = runCli("-C '" + dir.path().string() + "' calc " + c.name +
                                         " --box 6=" + c.gross + c.extra + " --json");
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(jsonField(r.out, "lbTaxDed(3)"), c.stateTax) << c.name;
        EXPECT_NE(r.out.find("\"messages\": []"), std::string::npos) << c.name;
    }
}

// Bi-weekly Iowa, Kentucky and Missouri figures and Missouri's figure by status come from
// the profile screen, which the session must hand to the state screen's presets.
TEST(StatesCli, PresetsFollowTheProfileScreen) {
    struct Case {
        const char* name;
        StateEmployee employee;
        const char* stateTax;
    } cases[] = {
        {"IowaBi", {.state = St::Iowa, .exemp = 2, .fedTax = 100}, "29.00"},
        {"KentuckyBi", {.state = St::Kentucky}, "45.10"},
        {"MissouriBi", {.state = St::Missouri, .exemp = 2, .fedTax = 100}, "23.00"},
        {"MissouriMarried",
         {.state = St::Missouri, .stateStatus = "Married", .exemp = 2, .fedTax = 100},
         "9.00"},
        {"UtahWeekly", {.state = St::Utah, .pay = Pay::Weekly, .exemp = 2}, "21.00"},
        {"OregonWeekly", {.state = St::Oregon, .pay = Pay::Weekly, .fedTax = 40}, "33.17"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        c.employee.write(dir.path(), c.name);
        const char* gross = c.employee.pay == Pay::Weekly ? "500" : "1000";
        const test::CliResult r = runCli("-C '" + dir.path().string() + "' calc " + c.name +
                                         " --box 6=" + gross + " --json");
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(jsonField(r.out, "lbTaxDed(3)"), c.stateTax) << c.name;
    }
}

}  // namespace
}  // namespace corvella
