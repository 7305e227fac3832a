#include "state/dialog_state.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/errors.h"

namespace corvella {
namespace {

constexpr SpecialState kAll[] = {
    SpecialState::Ariz,   SpecialState::Louis,       SpecialState::Iowa, SpecialState::Missouri,
    SpecialState::Mass,   SpecialState::Oregon,      SpecialState::Utah, SpecialState::Kentucky,
    SpecialState::Wiscon, SpecialState::WisconApril, SpecialState::NC,   SpecialState::Alabama,
};

class DialogStateTest : public ::testing::Test {
  protected:
    DialogStateTest() {
        d.setLouisPriorVisible = [this](bool v) { louisPrior = v; };
        d.runPreset = [this](SpecialState s) { presets.push_back(s); };
    }

    // The record as a load leaves it after a "New York" and a save.
    void saveNewYork() {
        d.cmdDefault_Click();
        d.fillVari();
        presets.clear();
    }

    template <class F>
    void forEveryTableBox(F f) {
        for (auto* arr : {&d.txtStateMinBS, &d.txtStateAmtBS, &d.txtStatePerBS, &d.txtStateMinBM,
                          &d.txtStateAmtBM, &d.txtStatePerBM, &d.txtStateSgExp, &d.txtStateMarExp})
            for (TextBox& b : *arr) f(b);
    }

    StateSettings rec;
    DialogState d{rec};
    std::optional<bool> louisPrior;
    std::vector<SpecialState> presets;
};

TEST_F(DialogStateTest, EveryBoxTakesOnlyNumericKeys) {
    int boxes = 0;
    forEveryTableBox([&](TextBox& b) {
        EXPECT_TRUE(b.numericOnly);
        ++boxes;
    });
    EXPECT_EQ(boxes, 80);
    for (TextBox* b : {&d.txtSDIpercent, &d.txtSDIwageBase, &d.txtStateAdj, &d.txtCalAllow,
                       &d.txtSUIpercent, &d.txtSUIwageBase})
        EXPECT_TRUE(b->numericOnly);
    d.txtStateAdj.focusAndType("-1x2.5");
    EXPECT_EQ(d.txtStateAdj.text, "-12.5");
}

TEST_F(DialogStateTest, CaptionsOfANewScreen) {
    EXPECT_EQ(d.Label19.caption, "BIWEEKLY ");
    EXPECT_EQ(d.Label20.caption, "BIWEEKLY ");
    EXPECT_EQ(d.Label21.caption, "BIWEEKLY ");
    EXPECT_EQ(d.Label13.caption, "# of Exemp");
    EXPECT_EQ(d.Label14.caption, "SINGLE");
    EXPECT_EQ(d.Label15.caption, "MARRIED");
    EXPECT_EQ(d.Label5.caption, "Table for MARRIED Persons");
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(d.Label27[i].caption, std::to_string(i));
}

TEST_F(DialogStateTest, CheckForFillsOnlyEmptyBoxes) {
    d.txtStateMinBS[4].text = "700";
    d.txtSDIpercent.text = "1.2";
    d.CheckFor();
    EXPECT_EQ(d.txtStateMinBS[1].text, "319");
    EXPECT_EQ(d.txtStateMinBM[1].text, "319");
    EXPECT_EQ(d.txtStateMinBS[4].text, "700");
    EXPECT_EQ(d.txtStateAmtBS[8].text, "415.08");
    EXPECT_EQ(d.txtStateAmtBM[8].text, "407.85");
    EXPECT_EQ(d.txtStatePerBS[6].text, "0.0758");
    EXPECT_EQ(d.txtStatePerBM[6].text, "0.0728");
    const char* single[] = {"278.8", "317.3", "355.8", "394.3", "432.8",
                            "471.3", "509.8", "548.3", "586.8", "625.3"};
    const char* married[] = {"298.1", "336.6", "375.1", "413.6", "452.1",
                             "490.6", "529.1", "567.6", "606.1", "644.6"};
    for (size_t n = 0; n < 10; ++n) {
        EXPECT_EQ(d.txtStateSgExp[n].text, single[n]);
        EXPECT_EQ(d.txtStateMarExp[n].text, married[n]);
    }
    EXPECT_EQ(d.txtSDIpercent.text, "1.2");
    for (TextBox* b :
         {&d.txtSDIwageBase, &d.txtStateAdj, &d.txtCalAllow, &d.txtSUIpercent, &d.txtSUIwageBase})
        EXPECT_EQ(b->text, "0");
}

TEST_F(DialogStateTest, EmptiedBoxesTakeTheirDefaultsWhenCopied) {
    saveNewYork();
    d.txtStateAdj.text = "5";
    d.fillVari();
    d.txtStateMinBS[1].text = "";
    d.txtStateMarExp[3].text = "";
    d.txtStateAdj.text = "";
    d.fillVari();
    EXPECT_EQ(d.txtStateMinBS[1].text, "319");
    EXPECT_EQ(d.txtStateMarExp[3].text, "413.6");
    EXPECT_EQ(d.txtStateAdj.text, "0");
    EXPECT_EQ(rec.StateMinBS[1], 319.0f);
    EXPECT_EQ(rec.StateMarExp[3], 413.6f);
    EXPECT_EQ(rec.StateAddl, 0.0f);
    EXPECT_EQ(rec.StateMinBS[3], 529.0f);  // New York figures elsewhere
}

TEST_F(DialogStateTest, FillVariCopiesBoxesAndFlags) {
    d.CheckFor();
    d.txtStatePerBM[9].text = " 0.07 ";
    d.txtCalAllow.text = "-3.5";
    d.txtSUIwageBase.text = "7000";
    d.ckUtah.set(1);
    d.ckRoundOff.set(1);
    d.ckSpouse.set(1);
    d.ckWisconApril.set(1);
    d.ckSUI.set(1);
    d.fillVari();
    EXPECT_EQ(rec.StatePerBM[9], 0.07f);
    EXPECT_EQ(rec.CalAllow, -3.5f);
    EXPECT_EQ(rec.SuiWageBase, 7000.0f);
    EXPECT_EQ(rec.StateSgExp[1], 317.3f);
    EXPECT_EQ(rec.UtahFlag, 1);
    EXPECT_EQ(rec.RoundStateFlag, 1);
    EXPECT_EQ(rec.SpouseFlag, 1);
    EXPECT_EQ(rec.WisconAprilFlag, 1);
    EXPECT_EQ(rec.SuiBaseFlag, 1);
    EXPECT_EQ(rec.SdiBaseFlag, 0);
    EXPECT_EQ(rec.ArizFlag, 0);
}

TEST_F(DialogStateTest, FillVariStopsAtANonNumberWithEarlierFieldsStored) {
    saveNewYork();
    d.txtStateMinBS[2].text = "450";
    d.txtStateMinBS[3].text = "1.2.3";
    d.txtStateAmtBS[3].text = "99";
    d.txtStateSgExp[0].text = "1";
    d.ckAriz.set(1);
    d.ckNoStateTax.value = 1;  // the flag is copied first; no handler wanted here
    try {
        d.fillVari();
        FAIL() << "no ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.control, "txtStateMinBS(3)");
        EXPECT_EQ(e.text, "1.2.3");
    }
    EXPECT_EQ(rec.NoStateTaxFlag, 1);
    EXPECT_EQ(rec.StateMinBS[2], 450.0f);
    EXPECT_EQ(rec.StateMinBS[3], 529.0f);
    EXPECT_EQ(rec.StateAmtBS[3], 22.81f);
    EXPECT_EQ(rec.StateSgExp[0], 282.7f);
    EXPECT_EQ(rec.ArizFlag, 0);
}

TEST_F(DialogStateTest, BadBoxesAreNamedByTheirControl) {
    struct Case {
        TextBox DialogState::*single;
        std::array<TextBox, 10> DialogState::*array;
        size_t index;
        const char* name;
    };
    const Case cases[] = {
        {nullptr, &DialogState::txtStatePerBM, 9, "txtStatePerBM(9)"},
        {nullptr, &DialogState::txtStateMarExp, 0, "txtStateMarExp(0)"},
        {&DialogState::txtSDIwageBase, nullptr, 0, "txtSDIwageBase"},
        {&DialogState::txtSUIwageBase, nullptr, 0, "txtSUIwageBase"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateSettings r;
        DialogState s(r);
        s.CheckFor();
        TextBox& b = c.single ? s.*c.single : (s.*c.array)[c.index];
        b.text = "- ";
        try {
            s.fillVari();
            ADD_FAILURE() << "no ConversionError";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.control, c.name);
        }
    }
}

TEST_F(DialogStateTest, NoStateTaxBlanksTheTableAndUncheckingBringsBackTheRecord) {
    saveNewYork();
    rec.RoundStateFlag = 1;
    rec.SdiRate = 1.5f;
    d.ckMissouri.set(1);
    d.ckSpouse.set(1);
    d.ckSpouse.visible = true;
    louisPrior = true;
    presets.clear();
    d.txtStateMinBS[3].text = "600";  // typed, not copied
    d.txtSDIpercent.text = "9";

    d.ckNoStateTax.set(1);
    EXPECT_EQ(rec.NoStateTaxFlag, 1);
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(d.txtStateMinBS[i].text, "999999");
        EXPECT_EQ(d.txtStateMinBM[i].text, "999999");
        EXPECT_EQ(d.txtStateAmtBM[i].text, "0");
        EXPECT_EQ(d.txtStatePerBS[i].text, "0");
        EXPECT_EQ(d.txtStateSgExp[i].text, "0");
        EXPECT_EQ(d.txtStateMarExp[i].text, "0");
    }
    for (SpecialState s : kAll) EXPECT_FALSE(d.box(s).checked()) << DialogState::boxName(s);
    EXPECT_FALSE(d.ckSpouse.checked());
    EXPECT_FALSE(d.ckSpouse.visible);
    EXPECT_EQ(louisPrior, false);
    EXPECT_TRUE(d.ckRoundOff.checked());
    EXPECT_EQ(d.txtSDIpercent.text, "1.5");
    EXPECT_TRUE(presets.empty());  // Missouri went before Spouse Works

    d.ckNoStateTax.set(0);
    EXPECT_EQ(d.txtStateMinBS[3].text, "529");
    EXPECT_EQ(d.txtStatePerBS[4].text, "0.0645");
    EXPECT_EQ(d.txtStateSgExp[1].text, "321.2");
    EXPECT_EQ(d.txtStateMarExp[9].text, "648.4");
    EXPECT_EQ(d.txtSDIpercent.text, "1.5");
}

TEST_F(DialogStateTest, UseBaseSetsCaptionAndUncheckedZeroesThePercent) {
    struct Case {
        CheckBox DialogState::*box;
        TextBox DialogState::*percent;
        Label DialogState::*caption;
    };
    for (const Case& c :
         {Case{&DialogState::ckSDI, &DialogState::txtSDIpercent, &DialogState::Label26},
          Case{&DialogState::ckSUI, &DialogState::txtSUIpercent, &DialogState::Label23}}) {
        StateSettings r;
        DialogState s(r);
        (s.*c.box).set(1);
        EXPECT_EQ((s.*c.caption).caption, "Wage Base");
        (s.*c.percent).text = "1.2";
        (s.*c.box).set(0);
        EXPECT_EQ((s.*c.caption).caption, "Flat Rate");
        EXPECT_EQ((s.*c.percent).text, "0");
    }
    EXPECT_EQ(d.txtSDIpercent.text, "");  // the other box is not touched
}

TEST_F(DialogStateTest, UpdateBaseCaptionsFollowsTheBoxes) {
    d.ckSDI.value = 1;
    d.updateBaseCaptions();
    EXPECT_EQ(d.Label26.caption, "Wage Base");
    EXPECT_EQ(d.Label23.caption, "Flat Rate");
}

TEST_F(DialogStateTest, RefreshFromRecordWritesTheFloatTextAndSetsTheBoxes) {
    rec.StatePerBS[4] = 0.0645f;
    rec.StateMinBM[9] = 999999;
    rec.StateMarExp[2] = 375.1f;
    rec.SuiWageBase = 7000;
    rec.CalAllow = 12.5f;
    rec.SdiBaseFlag = 1;
    d.refreshFromRecord();
    EXPECT_EQ(d.txtStatePerBS[4].text, "0.0645");
    EXPECT_EQ(d.txtStateMinBM[9].text, "999999");
    EXPECT_EQ(d.txtStateMarExp[2].text, "375.1");
    EXPECT_EQ(d.txtStateAmtBS[0].text, "0");
    EXPECT_EQ(d.txtSUIwageBase.text, "7000");
    EXPECT_EQ(d.txtCalAllow.text, "12.5");
    EXPECT_TRUE(d.ckSDI.checked());
    EXPECT_EQ(d.Label26.caption, "Wage Base");
}

// A zero shown in a box must read back as zero, not as an empty box that takes a default.
TEST_F(DialogStateTest, ZerosSurviveARefreshAndACopy) {
    saveNewYork();
    d.cmdClearAll_Click();
    d.fillVari();
    d.refreshFromRecord();
    d.fillVari();
    EXPECT_EQ(rec.StateSgExp[3], 0.0f);
    EXPECT_EQ(rec.StateMarExp[0], 0.0f);
    EXPECT_EQ(rec.StatePerBS[0], 0.0f);
    EXPECT_EQ(rec.StateMinBS[0], 999999.0f);
}

TEST_F(DialogStateTest, FlagBoxesFromRecordRunTheirHandlers) {
    rec.MissouriFlag = 1;
    rec.SpouseFlag = 1;
    rec.NCFlag = 1;
    rec.RoundStateFlag = 1;
    d.setFlagBoxesFromRecord();
    EXPECT_TRUE(d.ckMissouri.checked());
    EXPECT_TRUE(d.ckNC.checked());
    EXPECT_TRUE(d.ckSpouse.checked());
    EXPECT_TRUE(d.ckRoundOff.checked());
    EXPECT_FALSE(d.ckOregon.checked());
    EXPECT_EQ(presets, std::vector<SpecialState>{SpecialState::Missouri});
}

TEST_F(DialogStateTest, SpouseWorksReappliesMissouriOnlyWhenMissouriIsChecked) {
    d.ckSpouse.set(1);
    EXPECT_TRUE(presets.empty());
    d.ckMissouri.set(1);
    d.ckSpouse.set(0);
    d.ckSpouse.set(1);
    EXPECT_EQ(presets, (std::vector<SpecialState>{SpecialState::Missouri, SpecialState::Missouri}));
}

TEST_F(DialogStateTest, NewYorkRestoresTheGenericLayout) {
    d.ckNoStateTax.set(1);
    d.ckIowa.set(1);
    d.ckSpouse.set(1);
    d.ckSpouse.visible = true;
    d.ckRoundOff.set(1);
    louisPrior = true;
    d.Label19.visible = d.Label21.visible = false;
    d.Label19.enabled = false;
    d.Label14.caption = "Standard";
    d.Label27[5].caption = "";
    d.singleTableFrameEnabled = false;
    forEveryTableBox([](TextBox& b) { b.enabled = false; });
    rec.StateAddl = 5;  // unchecking NO STATE TAX refills the single boxes from here

    d.cmdDefault_Click();
    EXPECT_FALSE(d.ckNoStateTax.checked());
    for (SpecialState s : kAll) EXPECT_FALSE(d.box(s).checked()) << DialogState::boxName(s);
    EXPECT_EQ(louisPrior, false);
    EXPECT_FALSE(d.ckSpouse.checked());
    EXPECT_FALSE(d.ckSpouse.visible);
    EXPECT_FALSE(d.ckRoundOff.checked());

    EXPECT_EQ(d.txtStateMinBS[1].text, "323");
    EXPECT_EQ(d.txtStateMinBM[9].text, "8173");
    EXPECT_EQ(d.txtStateAmtBS[3].text, "22.81");
    EXPECT_EQ(d.txtStateAmtBM[7].text, "255.19");
    EXPECT_EQ(d.txtStatePerBS[9].text, "0.0815");
    EXPECT_EQ(d.txtStatePerBM[9].text, "0.0715");
    EXPECT_EQ(d.txtStateSgExp[0].text, "282.7");
    EXPECT_EQ(d.txtStateSgExp[1].text, "321.2");
    EXPECT_EQ(d.txtStateSgExp[9].text, "629.2");
    EXPECT_EQ(d.txtStateMarExp[0].text, "301.9");
    EXPECT_EQ(d.txtStateMarExp[9].text, "648.4");
    EXPECT_EQ(d.txtStateAdj.text, "5");

    EXPECT_TRUE(d.Label19.visible && d.Label20.visible && d.Label21.visible);
    EXPECT_TRUE(d.Label19.enabled);
    EXPECT_TRUE(d.singleTableFrameEnabled);
    EXPECT_EQ(d.Label14.caption, "Single");
    EXPECT_EQ(d.Label15.caption, "Married");
    EXPECT_EQ(d.Label21.caption, "BiWeekly");
    EXPECT_EQ(d.Label13.caption, "# of Exemp");
    EXPECT_EQ(d.Label27[5].caption, "5");
    forEveryTableBox([](TextBox& b) { EXPECT_TRUE(b.enabled); });
}

TEST_F(DialogStateTest, NewYorkTableFillsOnlyEmptySingleBoxes) {
    d.txtStateAdj.text = "5";
    d.txtCalAllow.text = "-2";
    d.NewYorkTable();
    EXPECT_EQ(d.txtStateAdj.text, "5");
    EXPECT_EQ(d.txtCalAllow.text, "-2");
    for (TextBox* b : {&d.txtSDIpercent, &d.txtSDIwageBase, &d.txtSUIpercent, &d.txtSUIwageBase})
        EXPECT_EQ(b->text, "0");
}

TEST_F(DialogStateTest, ClearAllEmptiesTheTablesOnly) {
    saveNewYork();
    d.ckKentucky.set(1);
    d.ckRoundOff.set(1);
    d.ckSpouse.set(1);
    d.txtStateAdj.text = "5";
    d.cmdClearAll_Click();
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(d.txtStateMinBS[i].text, "999999");
        EXPECT_EQ(d.txtStateMinBM[i].text, "999999");
        EXPECT_EQ(d.txtStateAmtBS[i].text, "0");
        EXPECT_EQ(d.txtStatePerBM[i].text, "0");
        EXPECT_EQ(d.txtStateSgExp[i].text, "0");
        EXPECT_EQ(d.txtStateMarExp[i].text, "0");
    }
    EXPECT_FALSE(d.ckRoundOff.checked());
    EXPECT_FALSE(d.ckSpouse.checked());
    EXPECT_FALSE(d.ckSpouse.visible);
    EXPECT_TRUE(d.ckKentucky.checked());
    EXPECT_EQ(d.txtStateAdj.text, "5");
    EXPECT_EQ(rec.StateMinBS[3], 529.0f);  // the record waits for a save
}

TEST_F(DialogStateTest, PressingABoxUnchecksTheOthersAndNoStateTax) {
    for (SpecialState pressed : kAll) {
        SCOPED_TRACE(DialogState::boxName(pressed));
        StateSettings r;
        DialogState s(r);
        s.ckNoStateTax.set(1);
        for (SpecialState o : kAll) s.box(o).value = 1;
        s.box(pressed).value = 0;
        s.selectSpecialState(pressed);
        EXPECT_FALSE(s.ckNoStateTax.checked());
        for (SpecialState o : kAll)
            if (o != pressed) {
                EXPECT_FALSE(s.box(o).checked()) << DialogState::boxName(o);
            }
        // Oregon's own end state depends on its preset (below).
        if (pressed != SpecialState::Oregon) {
            EXPECT_TRUE(s.box(pressed).checked());
        }
    }
}

TEST_F(DialogStateTest, SelectionStepByBox) {
    struct Case {
        SpecialState s;
        bool spouseVisible;
        std::optional<bool> spouseChecked;  // nullopt: kept as it was (checked)
        std::optional<bool> roundChecked;   // nullopt: kept as it was (checked)
        bool weekLabels;
        bool louisPrior;
        bool preset;
    };
    const Case cases[] = {
        {SpecialState::Ariz, false, false, false, true, false, false},
        {SpecialState::Louis, false, false, false, true, true, true},
        {SpecialState::Iowa, false, false, std::nullopt, false, false, true},
        {SpecialState::Missouri, true, std::nullopt, std::nullopt, true, false, true},
        {SpecialState::Utah, true, std::nullopt, false, true, false, true},
        {SpecialState::Alabama, false, false, false, true, false, true},
        {SpecialState::Mass, false, false, false, true, false, true},
        {SpecialState::Oregon, false, false, false, true, false, true},
        {SpecialState::Kentucky, false, false, false, true, false, true},
        {SpecialState::Wiscon, false, false, false, true, false, true},
        {SpecialState::WisconApril, false, false, false, true, false, true},
        {SpecialState::NC, false, false, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DialogState::boxName(c.s));
        StateSettings r;
        DialogState s(r);
        std::optional<bool> prior;
        std::vector<SpecialState> ran;
        s.setLouisPriorVisible = [&](bool v) { prior = v; };
        s.runPreset = [&](SpecialState p) { ran.push_back(p); };
        s.ckSpouse.set(1);
        s.ckSpouse.visible = !c.spouseVisible;
        s.ckRoundOff.set(c.s == SpecialState::NC ? 0 : 1);
        s.Label19.visible = s.Label20.visible = s.Label21.visible = !c.weekLabels;

        s.selectSpecialState(c.s);
        EXPECT_EQ(s.ckSpouse.visible, c.spouseVisible);
        EXPECT_EQ(s.ckSpouse.checked(), c.spouseChecked.value_or(true));
        EXPECT_EQ(s.ckRoundOff.checked(), c.roundChecked.value_or(true));
        EXPECT_EQ(s.Label19.visible, c.weekLabels);
        EXPECT_EQ(s.Label20.visible, c.weekLabels);
        EXPECT_EQ(s.Label21.visible, c.weekLabels);
        EXPECT_EQ(prior, c.louisPrior);
        EXPECT_EQ(ran, c.preset ? std::vector<SpecialState>{c.s} : std::vector<SpecialState>{});
    }
}

TEST_F(DialogStateTest, PressingNCChecksRoundState) {
    d.selectSpecialState(SpecialState::NC);
    EXPECT_TRUE(d.ckRoundOff.checked());
    EXPECT_TRUE(d.ckNC.checked());
}

TEST_F(DialogStateTest, PressingACheckedBoxUnchecksIt) {
    d.selectSpecialState(SpecialState::Mass);
    EXPECT_TRUE(d.ckMass.checked());
    d.selectSpecialState(SpecialState::Mass);
    EXPECT_FALSE(d.ckMass.checked());
}

TEST_F(DialogStateTest, KentuckyShowsTheExemptionColumnAfterItsPreset) {
    d.runPreset = [this](SpecialState) {
        d.exemptionFrameVisible = false;
        d.Label13.visible = false;
    };
    d.selectSpecialState(SpecialState::Kentucky);
    EXPECT_TRUE(d.exemptionFrameVisible);
    EXPECT_TRUE(d.Label13.visible);
}

// The Oregon preset puts every box back from the saved flags, as its first step does.
TEST_F(DialogStateTest, OregonEndsSelectedUnlessItWasSaved) {
    d.runPreset = [this](SpecialState s) {
        presets.push_back(s);
        d.setFlagBoxesFromRecord();
        d.ckUtah.set(0);
    };
    rec.MassFlag = 1;
    d.selectSpecialState(SpecialState::Oregon);
    EXPECT_TRUE(d.ckOregon.checked());
    EXPECT_TRUE(d.ckMass.checked());  // the saved state comes back beside Oregon

    rec.OregonFlag = 1;
    d.selectSpecialState(SpecialState::Oregon);
    EXPECT_FALSE(d.ckOregon.checked());
    EXPECT_EQ(presets, (std::vector<SpecialState>{SpecialState::Oregon, SpecialState::Oregon}));
}

TEST_F(DialogStateTest, PresetsOfCheckedBoxesRunInLoadOrder) {
    for (SpecialState s : {SpecialState::NC, SpecialState::Ariz, SpecialState::Wiscon,
                           SpecialState::Iowa, SpecialState::Louis, SpecialState::Alabama})
        d.box(s).value = 1;
    d.runPresetsOfCheckedBoxes();
    EXPECT_EQ(presets, (std::vector<SpecialState>{SpecialState::Louis, SpecialState::Iowa,
                                                  SpecialState::Alabama, SpecialState::Wiscon,
                                                  SpecialState::NC}));
    EXPECT_EQ(louisPrior, true);
}

TEST_F(DialogStateTest, PresetsOfCheckedBoxesLeaveLouisPriorAloneWithoutLouisiana) {
    d.ckUtah.value = 1;
    d.runPresetsOfCheckedBoxes();
    EXPECT_EQ(presets, std::vector<SpecialState>{SpecialState::Utah});
    EXPECT_FALSE(louisPrior.has_value());
}

TEST_F(DialogStateTest, WithoutPresetsTheStepsStillWork) {
    d.runPreset = nullptr;
    d.setLouisPriorVisible = nullptr;
    d.ckLouis.value = 1;
    d.runPresetsOfCheckedBoxes();
    d.selectSpecialState(SpecialState::Iowa);
    d.ckMissouri.set(1);
    d.ckSpouse.set(1);
    d.ckNoStateTax.set(1);
    d.cmdDefault_Click();
    EXPECT_TRUE(d.ckNoStateTax.value == 0);
}

}  // namespace
}  // namespace corvella
