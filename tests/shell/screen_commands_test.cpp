#include <gtest/gtest.h>

#include <functional>

#include "engine/pay_run_fixture.h"

namespace corvella {
namespace {

using test::newYorkSettings;
using test::PayRunFixture;

class ScreenCommands : public PayRunFixture {};

TEST_F(ScreenCommands, StateSaveRefusesANonNumberAndWritesNothing) {
    openEmployee(profileOf());
    std::filesystem::remove(dir / "Emp.sta");
    DialogState& st = s.mnuState_Click();
    st.txtStateMinBS[1].text = "3.2.3";
    ui.messages.clear();
    EXPECT_FALSE(s.stateSave());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("You have entered a NON numerial.", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Emp.sta"));
    EXPECT_TRUE(s.stateScreenLoaded());  // the screen stays open
}

TEST_F(ScreenCommands, StateSaveStoresTheScreenAndEmptyBoxesTakeTheirDefaults) {
    openEmployee(profileOf());
    DialogState& st = s.mnuState_Click();
    st.txtStateMinBS[1].text.clear();
    st.txtStateMarExp[3].text.clear();
    st.txtStateAdj.text.clear();
    EXPECT_TRUE(s.stateSave());
    EXPECT_EQ(s.state.StateMinBS[1], 319.0f);
    EXPECT_EQ(s.state.StateMarExp[3], 413.6f);
    EXPECT_EQ(s.state.StateAddl, 0.0f);
    EXPECT_FALSE(s.stateScreenLoaded());
}

TEST_F(ScreenCommands, MakeDefaultWritesTheEmptyNameFilesAndGetDefaultReadsThem) {
    TaxProfile p = profileOf();
    p.StateExemp = 3;
    p.StateStatus = "Married";
    auto ny = newYorkSettings();
    openEmployee(p, &ny, "First");
    EXPECT_TRUE(s.stateMakeDefault());
    for (const char* f : {".sta", ".use", ".and", ".cfe", ".ovw", ".hol", ".cti", ".nci"})
        EXPECT_TRUE(std::filesystem::exists(dir / f)) << f;
    EXPECT_EQ(s.CurrentUser, "First");

    openEmployee(profileOf(), nullptr, "Second");
    s.stateGetDefault();
    EXPECT_EQ(s.stateScreen().txtStateMinBS[1].text, "323");
    EXPECT_EQ(s.taxInfo().cboDepend2.text, "3");
    EXPECT_EQ(s.taxInfo().cboStatus2.text, "Married");
}

// A refused box is named as its window shows it, never by its internal name.
TEST_F(ScreenCommands, RefusedBoxesAreNamedByTheirCaptions) {
    struct Case {
        std::function<void(Session&)> type;
        std::function<bool(Session&)> save;
        const char* where;
    };
    const Case cases[] = {
        {[](Session& s) { s.stateScreen().txtSDIpercent.text = "1.2.3"; },
         [](Session& s) { return s.stateSave(); },
         "\"1.2.3\" in State Tax, State Disability Insurance, % Rate is not a number"},
        {[](Session& s) { s.stateScreen().txtStateMarExp[4].text = "7-"; },
         [](Session& s) { return s.stateSave(); },
         "\"7-\" in State Tax, Withholding Allowance, Married, # of Exemp 4 is not a number"},
        {[](Session& s) { s.cityScreen().txtCityMinBS[1].text = "4-5"; },
         [](Session& s) { return s.citySave(); },
         "\"4-5\" in City Tax, SINGLE, Minimum Range, line 2 is not a number"},
        {[](Session& s) { s.nonCityScreen().txtNonPer.text = "x"; },
         [](Session& s) { return s.nonCitySave(); },
         "\"x\" in NON Resident Table, Multiply by Percentage in Decimal is not a number"},
        {[](Session& s) { s.taxInfo().txtTipsRate.text = "1..2"; },
         [](Session& s) { return s.taxInfoSave(); },
         "\"1..2\" in User Info, Tips Rate is not a number"},
    };
    openEmployee(profileOf());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        c.type(s);
        ui.messages.clear();
        EXPECT_FALSE(c.save(s));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].find(c.where), std::string::npos) << ui.messages[0];
        EXPECT_EQ(ui.messages[0].find("txt"), std::string::npos);
        s.stateCancel();
        s.cityCancel();
        s.nonCityCancel();
        s.taxInfoClose();
    }
}

TEST_F(ScreenCommands, CitySaveWritesTheTableAndRefusesNonNumbers) {
    openEmployee(profileOf());
    DialogCity& c = s.cityScreen();
    c.cmdDefault_Click();
    c.txtCityPerBS[2].text = "0.03.1";
    ui.messages.clear();
    EXPECT_FALSE(s.citySave());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(
                  "in City Tax, SINGLE, Multiply by Percentage in Decimal, line 3 is not a number"),
              std::string::npos);
    c.txtCityPerBS[2].text = "0.031";
    EXPECT_TRUE(s.citySave());
    EXPECT_EQ(s.city.CityMinBS[6], 19231.0f);  // the New York line 7
    EXPECT_NE(dir.read("Emp.cti").find("19231,757.73,0.0425"), std::string::npos);
}

TEST_F(ScreenCommands, NonCitySaveWritesTheDefaults) {
    openEmployee(profileOf());
    std::filesystem::remove(dir / "Emp.nci");
    s.nonCityScreen().cmdDefault_Click();
    EXPECT_TRUE(s.nonCitySave());
    EXPECT_EQ(s.nonCity.NonRate, 0.0045f);
    EXPECT_TRUE(std::filesystem::exists(dir / "Emp.nci"));
}

}  // namespace
}  // namespace corvella
