#include <gtest/gtest.h>

#include <array>
#include <string>

#include "city/city.h"
#include "common/errors.h"

namespace corvella {
namespace {

using Boxes10 = std::array<TextBox, 10> DialogCity::*;

struct CityColumn {
    const char* name;
    Boxes10 boxes;
};

const CityColumn kCityColumns[] = {
    {"txtCityMinBS", &DialogCity::txtCityMinBS}, {"txtCityAmtBS", &DialogCity::txtCityAmtBS},
    {"txtCityPerBS", &DialogCity::txtCityPerBS}, {"txtCityMinBM", &DialogCity::txtCityMinBM},
    {"txtCityAmtBM", &DialogCity::txtCityAmtBM}, {"txtCityPerBM", &DialogCity::txtCityPerBM},
    {"txtCitySgExp", &DialogCity::txtCitySgExp}, {"txtCityMarExp", &DialogCity::txtCityMarExp},
};

// The empty-box defaults, as the boxes show them.
const std::array<const char*, 10> kMinBS = {"0",    "308",    "334",    "557",    "962",
                                            "2308", "999999", "999999", "999999", "999999"};
const std::array<const char*, 10> kMinBM = {"0",    "308",    "334",    "577",    "962",
                                            "2308", "999999", "999999", "999999", "999999"};
const std::array<const char*, 10> kAmt = {"0",     "5.85", "6.58", "14.08", "28.31",
                                          "80.81", "0",    "0",    "0",     "0"};
const std::array<const char*, 10> kPer = {"0.019", "0.0265", "0.031", "0.037", "0.039",
                                          "0.04",  "0",      "0",     "0",     "0"};
const std::array<const char*, 10> kSgExp = {"192.3", "230.8", "269.3", "307.8", "346.3",
                                            "384.8", "423.3", "461.8", "500.3", "538.8"};
const std::array<const char*, 10> kMarExp = {"211.5", "250",   "288.5", "327",   "365.5",
                                             "404",   "442.5", "481",   "519.5", "558"};

class CityScreen : public ::testing::Test {
  protected:
    CityTable table;
    DialogCity dlg{table};

    // A new employee: no file, so the empty boxes get the defaults and are stored.
    void loadDefaults() {
        dlg.CheckFor();
        dlg.fillVar();
    }

    void expectCleared() {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(dlg.txtCityMinBS[i].text, "999999");
            EXPECT_EQ(dlg.txtCityMinBM[i].text, "999999");
            for (const auto& col : kCityColumns) {
                std::string n = col.name;
                if (n == "txtCityMinBS" || n == "txtCityMinBM") continue;
                EXPECT_EQ((dlg.*col.boxes)[i].text, "0") << n << "(" << i << ")";
            }
        }
    }

    void expectDefaultsShown(int exceptLine = -1) {
        for (int i = 0; i < 10; ++i) {
            SCOPED_TRACE("line index " + std::to_string(i));
            if (i != exceptLine) {
                EXPECT_EQ(dlg.txtCityMinBS[i].text, kMinBS[i]);
                EXPECT_EQ(dlg.txtCityMinBM[i].text, kMinBM[i]);
                EXPECT_EQ(dlg.txtCityAmtBS[i].text, kAmt[i]);
                EXPECT_EQ(dlg.txtCityAmtBM[i].text, kAmt[i]);
                EXPECT_EQ(dlg.txtCityPerBS[i].text, kPer[i]);
                EXPECT_EQ(dlg.txtCityPerBM[i].text, kPer[i]);
            }
            EXPECT_EQ(dlg.txtCitySgExp[i].text, kSgExp[i]);
            EXPECT_EQ(dlg.txtCityMarExp[i].text, kMarExp[i]);
        }
    }
};

TEST_F(CityScreen, NewEmployeeGetsDefaultsOnScreenAndInTable) {
    loadDefaults();
    expectDefaultsShown();
    EXPECT_EQ(dlg.ckNoLocalTax.value, 0);
    EXPECT_EQ(table.NoLocalTaxFlag, 0);
    EXPECT_EQ(table.CityMinBS[3], 557.0f);
    EXPECT_EQ(table.CityMinBM[3], 577.0f);
    EXPECT_EQ(table.CityAmtBM[5], 80.81f);
    EXPECT_EQ(table.CityPerBS[1], 0.0265f);
    EXPECT_EQ(table.CityMinBM[6], 999999.0f);
    EXPECT_EQ(table.CitySgExp[0], 192.3f);
    EXPECT_EQ(table.CityMarExp[9], 558.0f);
}

TEST_F(CityScreen, CheckForFillsOnlyEmptyBoxes) {
    dlg.txtCityMinBS[2].text = "350";
    dlg.txtCityMarExp[0].text = "0";
    dlg.CheckFor();
    EXPECT_EQ(dlg.txtCityMinBS[2].text, "350");
    EXPECT_EQ(dlg.txtCityMarExp[0].text, "0");
    EXPECT_EQ(dlg.txtCityMinBS[3].text, "557");
    EXPECT_EQ(dlg.txtCitySgExp[0].text, "192.3");
}

TEST_F(CityScreen, NewYorkClearsNoLocalTaxAndDiffersInLineSeven) {
    loadDefaults();
    dlg.ckNoLocalTax.set(1);
    dlg.cmdDefault_Click();
    EXPECT_EQ(dlg.ckNoLocalTax.value, 0);
    expectDefaultsShown(6);
    for (auto* min : {&dlg.txtCityMinBS, &dlg.txtCityMinBM}) EXPECT_EQ((*min)[6].text, "19231");
    for (auto* amt : {&dlg.txtCityAmtBS, &dlg.txtCityAmtBM}) EXPECT_EQ((*amt)[6].text, "757.73");
    for (auto* per : {&dlg.txtCityPerBS, &dlg.txtCityPerBM}) EXPECT_EQ((*per)[6].text, "0.0425");
    // Not stored until saved.
    EXPECT_EQ(table.CityMinBS[6], 999999.0f);
    dlg.fillVar();
    EXPECT_EQ(table.CityAmtBM[6], 757.73f);
    EXPECT_EQ(table.NoLocalTaxFlag, 0);
}

TEST_F(CityScreen, ClearAllSetsMinimumsAndZeroesTheRest) {
    loadDefaults();
    dlg.cmdClearMe_Click();
    expectCleared();
    EXPECT_EQ(dlg.ckNoLocalTax.value, 0);
}

TEST_F(CityScreen, NoLocalTaxClearsAndUncheckingRefillsFromStoredTable) {
    loadDefaults();
    dlg.txtCityAmtBS[0].text = "12.5";  // typed, never stored
    dlg.ckNoLocalTax.set(1);
    expectCleared();
    dlg.ckNoLocalTax.set(0);
    expectDefaultsShown();
}

TEST_F(CityScreen, RefreshShowsTableFiguresInShortestForm) {
    table.CityMinBS[0] = 12.5f;
    table.CityPerBM[9] = 0.0425f;
    table.CitySgExp[4] = 1000000;
    table.CityMarExp[2] = -3.25f;
    dlg.refreshFromTable();
    EXPECT_EQ(dlg.txtCityMinBS[0].text, "12.5");
    EXPECT_EQ(dlg.txtCityPerBM[9].text, "0.0425");
    EXPECT_EQ(dlg.txtCitySgExp[4].text, "1000000");
    EXPECT_EQ(dlg.txtCityMarExp[2].text, "-3.25");
    EXPECT_EQ(dlg.txtCityAmtBS[1].text, "0");
    EXPECT_EQ(dlg.ckNoLocalTax.value, 0);
}

TEST_F(CityScreen, RefreshWithFlagEndsClearedWhateverTheBoxHeld) {
    for (int before : {0, 1}) {
        SCOPED_TRACE(before ? "box already checked" : "box unchecked");
        CityTable t;
        DialogCity d(t);
        d.ckNoLocalTax.set(before);
        t.CityMinBS.fill(100);
        t.CityAmtBM.fill(7);
        t.CitySgExp.fill(50);
        t.NoLocalTaxFlag = 1;
        d.refreshFromTable();
        EXPECT_EQ(d.ckNoLocalTax.value, 1);
        EXPECT_EQ(d.txtCityMinBS[0].text, "999999");
        EXPECT_EQ(d.txtCityAmtBM[9].text, "0");
        EXPECT_EQ(d.txtCitySgExp[5].text, "0");
    }
}

TEST_F(CityScreen, RefreshWithoutFlagUnchecksAndShowsFigures) {
    loadDefaults();
    dlg.ckNoLocalTax.set(1);
    dlg.refreshFromTable();
    EXPECT_EQ(dlg.ckNoLocalTax.value, 0);
    expectDefaultsShown();
}

TEST_F(CityScreen, ScreenSavedWithNoLocalTaxReadsBackTheSame) {
    loadDefaults();
    dlg.ckNoLocalTax.set(1);
    dlg.CheckFor();
    dlg.fillVar();
    const std::string file = writeCityFile(table);

    CityTable reloaded;
    DialogCity again(reloaded);
    readCityFile(file, "Sample.cti", reloaded);
    again.refreshFromTable();
    again.CheckFor();
    again.fillVar();
    EXPECT_EQ(again.ckNoLocalTax.value, 1);
    EXPECT_EQ(reloaded.NoLocalTaxFlag, 1);
    EXPECT_EQ(writeCityFile(reloaded), file);
    for (const auto& col : kCityColumns)
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ((again.*col.boxes)[i].text, (dlg.*col.boxes)[i].text);
}

TEST_F(CityScreen, FillVarStoresStrictValuesAndTheCheckBox) {
    loadDefaults();
    dlg.txtCityMinBS[1].text = " 310 ";
    dlg.txtCityPerBS[1].text = ".5";
    dlg.txtCityAmtBM[2].text = "-1.25";
    dlg.ckNoLocalTax.value = 1;  // stored as it stands, without clearing
    dlg.fillVar();
    EXPECT_EQ(table.CityMinBS[1], 310.0f);
    EXPECT_EQ(table.CityPerBS[1], 0.5f);
    EXPECT_EQ(table.CityAmtBM[2], -1.25f);
    EXPECT_EQ(table.NoLocalTaxFlag, 1);
}

TEST_F(CityScreen, FillVarRefusesNonNumberNamingTheBoxAndStoresNothing) {
    struct Case {
        Boxes10 boxes;
        int index;
        const char* text;
        const char* control;
    };
    const Case cases[] = {
        {&DialogCity::txtCityPerBM, 4, "1.2.3", "txtCityPerBM(4)"},
        {&DialogCity::txtCityMinBS, 3, "5-", "txtCityMinBS(3)"},
        {&DialogCity::txtCitySgExp, 9, "", "txtCitySgExp(9)"},
        {&DialogCity::txtCityMarExp, 0, " . ", "txtCityMarExp(0)"},
    };
    loadDefaults();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        CityTable t = table;
        DialogCity d(t);
        d.refreshFromTable();
        d.txtCityMinBS[0].text = "5";  // a good box before the bad one
        d.ckNoLocalTax.value = 1;
        (d.*c.boxes)[c.index].text = c.text;
        try {
            d.fillVar();
            ADD_FAILURE() << "no ConversionError";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.control, c.control);
            EXPECT_EQ(e.text, c.text);
        }
        EXPECT_EQ(t.CityMinBS[0], 0.0f);
        EXPECT_EQ(t.NoLocalTaxFlag, 0);
    }
}

TEST_F(CityScreen, EveryBoxDropsLettersAsTyped) {
    for (const auto& col : kCityColumns)
        for (TextBox& b : dlg.*col.boxes) {
            b.focusAndType("1a2.5x-");
            EXPECT_EQ(b.text, "12.5-") << col.name;
        }
    dlg.txtCityMinBS[0].focusAndType("99\b8 ");
    EXPECT_EQ(dlg.txtCityMinBS[0].text, "98 ");
}

// ---- non-resident screen ----

using Boxes8 = std::array<TextBox, 8> DialogNonCity::*;

class NonCityScreen : public ::testing::Test {
  protected:
    NonCityTable table;
    DialogNonCity dlg{table};

    void expectDefaultsShown() {
        const std::array<const char*, 8> minBi = {"0",    "145",    "385",    "769",
                                                  "1154", "999999", "999999", "999999"};
        const std::array<const char*, 8> expBi = {"0", "115", "77", "38", "0", "0", "0", "0"};
        const std::array<const char*, 8> minWk = {"0",   "78",     "192",    "385",
                                                  "577", "999999", "999999", "999999"};
        const std::array<const char*, 8> expWk = {"0", "58", "38", "19", "0", "0", "0", "0"};
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE("line index " + std::to_string(i));
            EXPECT_EQ(dlg.txtNonMinBi[i].text, minBi[i]);
            EXPECT_EQ(dlg.txtNonExpBi[i].text, expBi[i]);
            EXPECT_EQ(dlg.txtNonMinWk[i].text, minWk[i]);
            EXPECT_EQ(dlg.txtNonExpWk[i].text, expWk[i]);
        }
        EXPECT_EQ(dlg.txtNonPer.text, "0.0045");
    }
};

TEST_F(NonCityScreen, NewEmployeeGetsDefaultsOnScreenAndInTable) {
    dlg.fillEmptyWithDefaults();
    expectDefaultsShown();
    dlg.fillVar();
    EXPECT_EQ(table.NonMinBi[4], 1154.0f);
    EXPECT_EQ(table.NonExpBi[2], 77.0f);
    EXPECT_EQ(table.NonMinWk[2], 192.0f);
    EXPECT_EQ(table.NonExpWk[3], 19.0f);
    EXPECT_EQ(table.NonMinWk[7], 999999.0f);
    EXPECT_EQ(table.NonRate, 0.0045f);
}

TEST_F(NonCityScreen, EmptyBoxesOnlyGetDefaults) {
    dlg.txtNonPer.text = "0.01";
    dlg.txtNonExpBi[1].text = "100";
    dlg.fillEmptyWithDefaults();
    EXPECT_EQ(dlg.txtNonPer.text, "0.01");
    EXPECT_EQ(dlg.txtNonExpBi[1].text, "100");
    EXPECT_EQ(dlg.txtNonMinBi[1].text, "145");
}

TEST_F(NonCityScreen, DefaultButtonReplacesEveryBox) {
    table.NonMinBi.fill(5);
    table.NonExpWk.fill(6);
    table.NonRate = 0.02f;
    dlg.refreshFromTable();
    EXPECT_EQ(dlg.txtNonMinBi[3].text, "5");
    EXPECT_EQ(dlg.txtNonPer.text, "0.02");
    dlg.cmdDefault_Click();
    expectDefaultsShown();
    EXPECT_EQ(table.NonRate, 0.02f);  // stored only by saving
}

TEST_F(NonCityScreen, FillVarRefusesNonNumberNamingTheBoxAndStoresNothing) {
    struct Case {
        Boxes8 boxes;  // null for the rate box
        int index;
        const char* control;
    };
    const Case cases[] = {
        {&DialogNonCity::txtNonMinBi, 2, "txtNonMinBi(2)"},
        {&DialogNonCity::txtNonExpWk, 7, "txtNonExpWk(7)"},
        {nullptr, 0, "txtNonPer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        NonCityTable t;
        DialogNonCity d(t);
        d.fillEmptyWithDefaults();
        TextBox& bad = c.boxes ? (d.*c.boxes)[c.index] : d.txtNonPer;
        bad.text = "1.2.3";
        try {
            d.fillVar();
            ADD_FAILURE() << "no ConversionError";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.control, c.control);
            EXPECT_EQ(e.text, "1.2.3");
        }
        EXPECT_EQ(t.NonMinBi[1], 0.0f);
        EXPECT_EQ(t.NonRate, 0.0f);
    }
}

TEST_F(NonCityScreen, EveryBoxDropsLettersAsTyped) {
    for (Boxes8 col : {&DialogNonCity::txtNonMinBi, &DialogNonCity::txtNonExpBi,
                       &DialogNonCity::txtNonMinWk, &DialogNonCity::txtNonExpWk})
        for (TextBox& b : dlg.*col) {
            b.focusAndType("$1e2");
            EXPECT_EQ(b.text, "12");
        }
    dlg.txtNonPer.focusAndType("0.0045%");
    EXPECT_EQ(dlg.txtNonPer.text, "0.0045");
}

}  // namespace
}  // namespace corvella
