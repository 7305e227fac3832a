// The presets of the built-in states on the state screen's working copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/dialog_state.h"
#include "state/state_file.h"
#include "state/state_presets.h"

namespace corvella {
namespace {

using St = SpecialState;
enum class Freq { BiWeekly, Weekly, Neither };

class SpecialPresets : public ::testing::Test {
  protected:
    StateSettings rec;
    DialogState d{rec};
    Freq freq = Freq::BiWeekly;
    std::string status = "Single";
    bool louisPrior = false;

    SpecialPresets() {
        d.runPreset = [this](SpecialState s) { runStatePreset(d, s); };
        d.setLouisPriorVisible = [this](bool v) { louisPrior = v; };
        d.profileScreen = [this] {
            return DialogState::ProfileScreenView{freq == Freq::BiWeekly, freq == Freq::Weekly,
                                                  status};
        };
        // A saved "New York" table underneath.
        d.cmdDefault_Click();
        d.fillVari();
    }

    static std::vector<std::string> texts(const std::array<TextBox, 10>& boxes) {
        std::vector<std::string> v;
        for (const TextBox& b : boxes) v.push_back(b.text);
        return v;
    }
    static std::vector<std::string> list(std::initializer_list<const char*> l) {
        return {l.begin(), l.end()};
    }
    // Rows from `first` (0-based) on: minimum 999999, amount and rate 0, both tables.
    void expectUnusedFrom(size_t first) {
        for (size_t i = first; i < 10; ++i) {
            EXPECT_EQ(d.txtStateMinBS[i].text, "999999") << i;
            EXPECT_EQ(d.txtStateMinBM[i].text, "999999") << i;
            for (auto* b : {&d.txtStateAmtBS[i], &d.txtStatePerBS[i], &d.txtStateAmtBM[i],
                            &d.txtStatePerBM[i]})
                EXPECT_EQ(b->text, "0") << i;
        }
    }
    std::vector<std::string> row(size_t i) const {
        return {d.txtStateMinBS[i].text, d.txtStateAmtBS[i].text, d.txtStatePerBS[i].text,
                d.txtStateMinBM[i].text, d.txtStateAmtBM[i].text, d.txtStatePerBM[i].text};
    }
};

// Every built-in state's figures, for each pay frequency and status, are what the state
// file may hold: they save and read back as they are.
TEST_F(SpecialPresets, EveryPresetSavesAndReadsBack) {
    const St states[] = {St::Ariz,   St::Louis,       St::Iowa, St::Missouri,
                         St::Mass,   St::Oregon,      St::Utah, St::Kentucky,
                         St::Wiscon, St::WisconApril, St::NC,   St::Alabama};
    for (St which : states)
        for (Freq f : {Freq::BiWeekly, Freq::Weekly})
            for (const char* st : {"Single", "Married"}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(which)) + " " + st +
                             (f == Freq::Weekly ? " weekly" : " bi-weekly"));
                freq = f;
                status = st;
                runStatePreset(d, which);
                ASSERT_NO_THROW(d.fillVari());
                std::string bytes;
                ASSERT_NO_THROW(bytes = writeStateFile(rec, StateProfileFields{}));
                StateSettings back;
                StateProfileFields p;
                ASSERT_NO_THROW(readStateFile(bytes, "Sample.sta", back, p));
                EXPECT_EQ(back.StatePerBS, rec.StatePerBS);
                EXPECT_EQ(back.StatePerBM, rec.StatePerBM);
            }
}

TEST_F(SpecialPresets, LouisianaIsATwoFieldForm) {
    rec.StateSgExp[0] = 1;
    rec.StateMarExp[0] = 3;
    const std::string min0 = d.txtStateMinBS[0].text, amt0 = d.txtStateAmtBM[0].text;
    d.selectSpecialState(St::Louis);
    EXPECT_TRUE(d.ckLouis.checked());
    EXPECT_TRUE(louisPrior);
    EXPECT_EQ(d.Label14.caption, "Personal");
    EXPECT_EQ(d.Label15.caption, "Dependent");
    EXPECT_EQ(d.Label21.caption, "Enter Number Of");
    EXPECT_EQ(d.Label13.caption, "");
    for (const Label& l : d.Label27) EXPECT_EQ(l.caption, "");
    EXPECT_EQ(d.txtStateSgExp[0].text, "1");
    EXPECT_EQ(d.txtStateMarExp[0].text, "3");
    EXPECT_TRUE(d.txtStateSgExp[0].enabled && d.txtStateMarExp[0].enabled);
    for (size_t i = 1; i < 10; ++i) {
        EXPECT_EQ(d.txtStateSgExp[i].text, "0");
        EXPECT_FALSE(d.txtStateSgExp[i].enabled || d.txtStateMarExp[i].enabled);
    }
    EXPECT_EQ(d.txtStatePerBS[0].text, "0");
    EXPECT_EQ(d.txtStatePerBM[0].text, "0");
    EXPECT_EQ(d.txtStateMinBS[0].text, min0);  // row 1 keeps its minimum and amount
    EXPECT_EQ(d.txtStateAmtBM[0].text, amt0);
    EXPECT_FALSE(d.txtStateMinBS[0].enabled);
    expectUnusedFrom(1);
}

TEST_F(SpecialPresets, LouisianaShowsAtMostTwoExemptionsAndSixDependents) {
    rec.StateSgExp[0] = 3;
    rec.StateMarExp[0] = 7;
    LouisianaSet(d);
    EXPECT_EQ(d.txtStateSgExp[0].text, "2");
    EXPECT_EQ(d.txtStateMarExp[0].text, "6");
    EXPECT_EQ(rec.StateSgExp[0], 3.0f);  // until the boxes are copied
    d.fillVari();
    EXPECT_EQ(rec.StateSgExp[0], 2.0f);
}

TEST_F(SpecialPresets, IowaByFrequency) {
    struct Case {
        Freq freq;
        std::vector<std::string> standard, credit;
    } cases[] = {
        {Freq::BiWeekly,
         list({"63.46", "63.46", "156.15", "156.15", "156.15", "156.15", "156.15", "156.15",
               "156.15", "156.15"}),
         list({"0", "1.54", "3.08", "4.62", "6.16", "7.7", "9.24", "10.78", "12.32", "13.86"})},
        {Freq::Weekly,
         list({"31.73", "31.73", "78.08", "78.08", "78.08", "78.08", "78.08", "78.08", "78.08",
               "78.08"}),
         list({"0", "0.77", "1.54", "2.31", "3.08", "3.85", "4.62", "5.39", "6.16", "6.93"})},
    };
    for (const Case& c : cases) {
        freq = c.freq;
        d.ckRoundOff.set(0);
        d.selectSpecialState(St::Iowa);
        EXPECT_EQ(texts(d.txtStateSgExp), c.standard);
        EXPECT_EQ(texts(d.txtStateMarExp), c.credit);
        EXPECT_TRUE(d.ckRoundOff.checked());
        d.selectSpecialState(St::Iowa);  // unchecks it again
    }
    EXPECT_EQ(d.Label14.caption, "Standard");
    EXPECT_EQ(d.Label15.caption, "Credit");
    EXPECT_EQ(d.Label21.caption, "BiWeekly");
    EXPECT_FALSE(d.Label19.visible || d.Label20.visible || d.Label21.visible);
    EXPECT_FALSE(d.singleTableFrameEnabled);
    for (Label* l : d.tableCaptions()) EXPECT_FALSE(l->enabled);
    EXPECT_FALSE(d.Label19.enabled);
    EXPECT_FALSE(d.txtStatePerBM[0].enabled);
    expectUnusedFrom(0);
    EXPECT_EQ(d.Label27[9].caption, "9");

    // "New York" brings the table back.
    d.cmdDefault_Click();
    EXPECT_TRUE(d.singleTableFrameEnabled);
    for (Label* l : d.tableCaptions()) EXPECT_TRUE(l->enabled);
}

TEST_F(SpecialPresets, IowaFiguresReachTheRecordThroughFillVari) {
    d.selectSpecialState(St::Iowa);
    EXPECT_EQ(rec.StateSgExp[2], 282.7f + 2 * 38.5f);  // not yet
    d.fillVari();
    EXPECT_EQ(rec.StateSgExp[2], 156.15f);
    EXPECT_EQ(rec.StateMarExp[9], 13.86f);
    EXPECT_EQ(rec.StateMinBS[0], 999999.0f);
    EXPECT_EQ(rec.IowaFlag, 1);
}

TEST_F(SpecialPresets, MissouriStandardByStatusSpouseAndFrequency) {
    struct Case {
        const char* status;
        int spouse;
        Freq freq;
        const char* standard;
    } cases[] = {
        {"Single", 0, Freq::BiWeekly, "242.31"},  {"Single", 1, Freq::Weekly, "121.15"},
        {"Married", 0, Freq::BiWeekly, "484.62"}, {"Married", 0, Freq::Weekly, "242.31"},
        {"Married", 1, Freq::BiWeekly, "242.31"}, {"Married", 1, Freq::Weekly, "121.15"},
        {"Single", 0, Freq::Neither, "121.15"},
    };
    for (const Case& c : cases) {
        status = c.status;
        freq = c.freq;
        d.ckSpouse.set(c.spouse);
        MissouriSet(d);
        for (const TextBox& b : d.txtStateSgExp)
            EXPECT_EQ(b.text, c.standard) << c.status << " " << c.spouse;
    }
    status = "Head";
    d.txtStateSgExp[4].text = "12";
    MissouriSet(d);
    EXPECT_EQ(d.txtStateSgExp[4].text, "12");
}

TEST_F(SpecialPresets, MissouriW4AllowancesAndCaptions) {
    d.ckRoundOff.set(0);
    MissouriSet(d);
    EXPECT_EQ(texts(d.txtStateMarExp), list({"0", "80.77", "126.92", "173.07", "219.22", "265.37",
                                             "311.52", "357.67", "403.82", "449.97"}));
    EXPECT_TRUE(d.ckRoundOff.checked());
    EXPECT_EQ(d.Label15.caption, "W4 Allowance");
    EXPECT_EQ(d.Label13.caption, "# of Exemp");
    EXPECT_FALSE(d.singleTableFrameEnabled);
    expectUnusedFrom(0);
    freq = Freq::Weekly;
    MissouriSet(d);
    EXPECT_EQ(texts(d.txtStateMarExp), list({"0", "40.38", "63.46", "86.54", "109.62", "132.7",
                                             "155.78", "178.86", "184.64", "201.94"}));
}

TEST_F(SpecialPresets, SpouseWorksRefillsTheStandardColumnWhileMissouriIsChecked) {
    status = "Married";
    d.selectSpecialState(St::Missouri);
    EXPECT_TRUE(d.ckSpouse.visible);
    EXPECT_EQ(d.txtStateSgExp[0].text, "484.62");
    d.ckSpouse.set(1);
    EXPECT_EQ(d.txtStateSgExp[0].text, "242.31");
    d.ckSpouse.set(0);
    EXPECT_EQ(d.txtStateSgExp[0].text, "484.62");
}

TEST_F(SpecialPresets, OregonByFrequency) {
    d.selectSpecialState(St::Oregon);
    EXPECT_TRUE(d.ckOregon.checked());
    EXPECT_EQ(d.Label19.caption, "BIWEEKLY");
    EXPECT_EQ(row(1), list({"128.85", "13.92", "0.07", "257.69", "20.35", "0.07"}));
    EXPECT_EQ(row(2), list({"323.08", "27.5", "0.09", "646.15", "47.56", "0.09"}));
    EXPECT_EQ(d.txtStateSgExp[9].text, "66.15");
    EXPECT_EQ(d.txtStateMarExp[9].text, "67.14");
    EXPECT_TRUE(d.txtStatePerBM[2].enabled);
    EXPECT_FALSE(d.txtStatePerBM[3].enabled);
    expectUnusedFrom(3);

    freq = Freq::Weekly;
    OregonSet(d);
    EXPECT_EQ(d.Label21.caption, "WEEKLY");
    EXPECT_EQ(row(0), list({"0", "3.73", "0.05", "0", "3.73", "0.05"}));
    EXPECT_EQ(row(1), list({"64.42", "6.96", "0.07", "128.85", "10.17", "0.07"}));
    EXPECT_EQ(row(2), list({"161.54", "13.75", "0.09", "323.08", "23.77", "0.09"}));
    EXPECT_EQ(d.txtStateSgExp[9].text, "33.57");
    EXPECT_EQ(d.txtStateMarExp[2].text, "7.46");
}

TEST_F(SpecialPresets, OregonSetsTheBoxesBackFromTheRecord) {
    rec.UtahFlag = 1;
    rec.MassFlag = 1;
    bool profileRefreshed = false;
    d.refreshProfileStateFields = [&] { profileRefreshed = true; };
    d.txtStateAdj.text = "9";
    d.selectSpecialState(St::Oregon);
    EXPECT_TRUE(profileRefreshed);
    EXPECT_TRUE(d.ckMass.checked());  // the saved state stays checked beside Oregon
    EXPECT_FALSE(d.ckUtah.checked());
    EXPECT_EQ(d.txtStateAdj.text, "0");
}

TEST_F(SpecialPresets, UtahCreditsByFrequency) {
    struct Case {
        Freq freq;
        const char* nine;
    } cases[] = {{Freq::BiWeekly, "45"}, {Freq::Weekly, "18"}, {Freq::Neither, "18"}};
    for (const Case& c : cases) {
        freq = c.freq;
        d.ckSpouse.set(1);
        UtahSet(d);
        EXPECT_EQ(d.txtStateSgExp[9].text, c.nine);
        EXPECT_EQ(d.txtStateMarExp[9].text, c.nine);
        EXPECT_FALSE(d.ckSpouse.checked() || d.ckSpouse.visible);
    }
    EXPECT_EQ(row(6), list({"1531", "0", "0.05", "3062", "0", "0.05"}));
    EXPECT_EQ(row(1), list({"254", "0", "0.01", "508", "0", "0.01"}));
    EXPECT_TRUE(d.txtStateMinBS[9].enabled);
    expectUnusedFrom(7);
}

TEST_F(SpecialPresets, MassachusettsOneRate) {
    MassSet(d);
    EXPECT_EQ(row(0), list({"0", "0", "0.0515", "0", "0", "0.0515"}));
    EXPECT_EQ(texts(d.txtStateMarExp),
              list({"0", "169", "207", "245", "283", "321", "359", "397", "435", "473"}));
    EXPECT_EQ(texts(d.txtStateSgExp), texts(d.txtStateMarExp));
    EXPECT_FALSE(d.txtStateMinBS[1].enabled);
    expectUnusedFrom(1);
}

TEST_F(SpecialPresets, KentuckyByFrequency) {
    d.selectSpecialState(St::Kentucky);
    EXPECT_TRUE(d.exemptionFrameVisible && d.Label13.visible);
    EXPECT_TRUE(d.Label19.enabled);
    EXPECT_EQ(row(0), list({"115.38", "93.85", "0.02", "115.38", "93.85", "0.02"}));
    EXPECT_EQ(row(5), list({"5769.22", "93.85", "0.06", "5769.22", "93.85", "0.06"}));
    EXPECT_EQ(d.txtStateSgExp[9].text, "3.465");
    expectUnusedFrom(6);
    freq = Freq::Weekly;
    KentuckySet(d);
    EXPECT_FALSE(d.Label19.enabled || d.Label20.enabled || d.Label21.enabled);
    EXPECT_EQ(row(4), list({"1442.3", "46.92", "0.058", "1442.3", "46.92", "0.058"}));
    EXPECT_EQ(d.txtStateMarExp[9].text, "1.728");
}

TEST_F(SpecialPresets, NorthCarolinaChecksRoundState) {
    d.selectSpecialState(St::NC);
    EXPECT_TRUE(d.ckRoundOff.checked());
    EXPECT_EQ(row(2), list({"605.77", "12.98", "0.07", "524.04", "12.16", "0.07"}));
    EXPECT_EQ(row(3), list({"2423.08", "31.15", "0.0775", "2038.46", "27.45", "0.0775"}));
    EXPECT_EQ(d.txtStateSgExp[9].text, "865.35");
    EXPECT_EQ(d.txtStateMarExp[2].text, "192.3");
    expectUnusedFrom(4);
}

TEST_F(SpecialPresets, WisconsinBothPresets) {
    WisconsinSet(d);
    EXPECT_EQ(row(2), list({"408.46", "11.73", "0.05154", "518.08", "14.12", "0.0615"}));
    EXPECT_EQ(row(6), list({"4428.46", "281.04", "0.0675", "4428.46", "281.04", "0.0675"}));
    expectUnusedFrom(7);
    WisconsinAprilSet(d);
    EXPECT_EQ(row(3), list({"634.08", "16.79", "0.065408", "823.08", "22.67", "0.07008"}));
    EXPECT_EQ(row(4), list({"1008.73", "41.29", "0.070224", "1088.77", "41.29", "0.07524"}));
    EXPECT_EQ(texts(d.txtStateSgExp),
              list({"0", "0.85", "1.7", "2.55", "3.4", "4.25", "5.1", "5.95", "6.8", "7.65"}));
    EXPECT_EQ(texts(d.txtStateMarExp), texts(d.txtStateSgExp));
    expectUnusedFrom(7);
    EXPECT_TRUE(d.txtStateMinBM[9].enabled);
}

TEST_F(SpecialPresets, AlabamaLocksEveryBoxAtZero) {
    d.selectSpecialState(St::Alabama);
    for (auto* arr : {&d.txtStateMinBS, &d.txtStateAmtBS, &d.txtStatePerBS, &d.txtStateMinBM,
                      &d.txtStateAmtBM, &d.txtStatePerBM, &d.txtStateSgExp, &d.txtStateMarExp})
        for (const TextBox& b : *arr) {
            EXPECT_EQ(b.text, "0");
            EXPECT_FALSE(b.enabled);
        }
    EXPECT_EQ(d.Label27[3].caption, "3");
}

TEST_F(SpecialPresets, ArizonaHasNoPreset) {
    const std::vector<std::string> before = texts(d.txtStateMinBS);
    d.selectSpecialState(St::Ariz);
    EXPECT_TRUE(d.ckAriz.checked());
    EXPECT_EQ(texts(d.txtStateMinBS), before);
}

TEST_F(SpecialPresets, LoadRunsEachCheckedPresetInOrder) {
    // Iowa's figures, then Wisconsin's over them: the later preset wins where both write.
    d.ckIowa.set(1);
    d.ckWisconApril.set(1);
    d.runPresetsOfCheckedBoxes();
    EXPECT_EQ(d.txtStateSgExp[1].text, "0.85");
    EXPECT_TRUE(d.ckRoundOff.checked());  // from Iowa
}

}  // namespace
}  // namespace corvella
