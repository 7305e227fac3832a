// The parts of the pay run on hand-set values: Social Security, Medicare, SDI/SUI and
// the finishing step (additional withholding, rounding, totals, net pay, captions).
#include <gtest/gtest.h>

#include "common/fileio.h"
#include "engine/pay_calc.h"
#include "federal/federal.h"
#include "federal/tax_year.h"
#include "shell/pay_runner.h"
#include "state/dialog_state.h"
#include "test_support.h"

namespace corvella {
namespace {

struct Parts : ::testing::Test {
    PayRunInputs in;
    TaxProfile profile = TaxProfile::resetValues();
    CityTable city;
    NonCityTable nonCity;
    FedTable fed;
    PayRunContext c{in, profile, StateSettings{}, city, nonCity, fed};
    PayRun& run = c.run;
    StateSettings& state = c.state;
    PayResult& result = c.result;

    void ytd(double v) { in.YtdWages = Currency::fromDouble(v); }
};

TEST_F(Parts, SocialSecurityAndMedicare) {
    struct Case {
        const char* what;
        double ytd;
        float gross, health;
        int selfEmployed;
        float socSec, medi;
    } cases[] = {
        {"no ytd", 0, 1000, 0, 0, 62.0f, 14.5f},
        {"self-employed, health ins. not taken off", 0, 1000, 100, 1, 124.0f, 26.1f},
        {"crossing the base", 116500, 1000, 0, 0, 31.0f, 14.5f},
        {"reaching the base exactly", 116000, 1000, 0, 0, 62.0f, 14.5f},
        {"past the base", 117000, 1000, 0, 0, 0.0f, 14.5f},
        {"well past the base", 200000, 1000, 0, 0, 0.0f, 14.5f},
        {"self-employed crossing", 116500, 1000, 0, 1, 62.0f, 29.0f},
    };
    for (const auto& k : cases) {
        ytd(k.ytd);
        run.GrossPay = k.gross;
        run.CafeDeduct = 0;
        profile.MiscDeduct = k.health;
        profile.SelfEmpFlag = static_cast<int16_t>(k.selfEmployed);
        GetSocSec(c);
        GetMedicare(c);
        EXPECT_FLOAT_EQ(roundCents(run.SocSecTax), k.socSec) << k.what;
        EXPECT_FLOAT_EQ(roundCents(run.MediTax), k.medi) << k.what;
    }
}

// 2026: the same steps on the year's figures, and the Additional Medicare Tax on top.
TEST_F(Parts, SocialSecurityAndMedicareOfAYearAfter2019) {
    static const TaxYear year =
        readTaxYearFile(*readFileBytes(test::dataDir() / "Federal2026.txt"), "Federal2026.txt");
    in.year = &year;
    struct Case {
        const char* what;
        double ytd;
        float gross;
        int selfEmployed;
        float socSec, medi, addl;
    } cases[] = {
        {"below both", 0, 1000, 0, 62.0f, 14.5f, 0},
        {"crossing 184,500", 184000, 1000, 0, 31.0f, 14.5f, 0},
        {"past 184,500, below 200,000", 190000, 1000, 0, 0, 14.5f, 0},
        {"crossing 200,000", 199500, 1000, 0, 0, 19.0f, 4.5f},
        {"past 200,000", 250000, 1000, 0, 0, 23.5f, 9.0f},
        {"reaching 200,000 exactly", 199000, 1000, 0, 0, 14.5f, 0},
        {"self-employed past 200,000: settled on the return", 250000, 1000, 1, 0, 29.0f, 0},
    };
    for (const auto& k : cases) {
        ytd(k.ytd);
        run.GrossPay = k.gross;
        run.CafeDeduct = 0;
        profile.MiscDeduct = 0;
        profile.SelfEmpFlag = static_cast<int16_t>(k.selfEmployed);
        GetSocSec(c);
        GetMedicare(c);
        EXPECT_FLOAT_EQ(roundCents(run.SocSecTax), k.socSec) << k.what;
        EXPECT_FLOAT_EQ(roundCents(run.MediTax), k.medi) << k.what;
        EXPECT_FLOAT_EQ(run.AddlMediTax, k.addl) << k.what;
    }
}

TEST_F(Parts, SdiAndSuiByRateUpToTheBaseOrFlat) {
    state.SdiRate = 1.2f;
    state.SdiWageBase = 7000;
    in.useSdiBase = true;
    state.SuiWageBase = 5;  // flat
    in.useSuiBase = false;
    in.txtStateAdj = "0";
    in.txtCalAllow = "0";
    struct Case {
        double ytd;
        float gross, sdi;
    } cases[] = {{6900, 500, 1.2f}, {0, 500, 6.0f}, {7000, 500, 0.0f}, {6500, 500, 6.0f}};
    for (const auto& k : cases) {
        ytd(k.ytd);
        run.GrossPay = k.gross;
        GetSDI_SUI(c);
        EXPECT_FLOAT_EQ(roundCents(run.SdiTax), k.sdi) << k.ytd;
        EXPECT_FLOAT_EQ(run.SuiTax, 5.0f);
        EXPECT_FLOAT_EQ(run.SdiYtdWages, static_cast<float>(k.ytd + k.gross));
    }
}

TEST(StateScreen, UncheckingUseBaseZeroesThePercentAndMakesTheBaseAFlatAmount) {
    StateSettings state;
    DialogState screen{state};
    screen.ckSDI.set(1);
    screen.txtSDIpercent.text = "1.2";
    screen.ckSDI.set(0);
    EXPECT_EQ(screen.txtSDIpercent.text, "0");
    EXPECT_EQ(screen.Label26.caption, "Flat Rate");
}

TEST_F(Parts, FinishingRoundsOnceAndClamps) {
    struct Case {
        float fedTax, fedAddl;
        int16_t fedExempt;
        float stateTax, stateAddl;
        int roundOff;
        const char* fedShown;
        const char* stateShown;
    } cases[] = {
        {12.346f, 0, 0, 0, 0, 0, "12.35", ".00"}, {12.346f, 5, 0, 0, 0, 0, "17.35", ".00"},
        {0.4f, 0, 0, 0, 0, 0, ".40", ".00"},      {50, 5, 1, 0, 0, 0, ".00", ".00"},
        {0, 0, 0, 10.004f, -20, 0, ".00", ".00"}, {0, 0, 0, 12.5f, 0, 1, ".00", "12.00"},
        {0, 0, 0, 13.5f, 0, 1, ".00", "14.00"},   {0, 0, 0, -5, 5, 0, ".00", ".00"},
    };
    for (const auto& k : cases) {
        run = PayRun{};
        run.FedTax = k.fedTax;
        profile.FedAddl = k.fedAddl;
        profile.FedExempFlag = k.fedExempt;
        run.StateTax = k.stateTax;
        state.StateAddl = k.stateAddl;
        result.roundState = k.roundOff == 1;
        finishPayRun(c);
        EXPECT_EQ(result.lbTaxDed[0], k.fedShown) << k.fedTax;
        EXPECT_EQ(result.lbTaxDed[3], k.stateShown) << k.stateTax;
    }
}

TEST_F(Parts, NetPayAndTheResultCaptions) {
    run.GrossPay = 1234.5f;
    run.StateWages = 1234.5f;
    run.FedTax = 100;
    run.SocSecTax = 76.539f;
    run.MediTax = 17.90025f;
    profile.BondDeduct = 10;
    result.TipsPay = 10;
    result.TotalTips = 10;
    result.TotalOt = 0.5f;
    finishPayRun(c);
    EXPECT_EQ(result.Label13, "$1,234.50");
    EXPECT_EQ(result.lbTaxes, "$194.44");  // 100 + 76.54 + 17.90
    EXPECT_EQ(result.lbDeduct, "$10.00");
    EXPECT_EQ(result.lbNet, "$1,020.06");  // 1234.50 - 194.44 - 10 - 10 tips
    EXPECT_EQ(result.lbOverT, "$.50");
    EXPECT_EQ(result.lbTips, "$10.00");
}

TEST_F(Parts, GrossPayIsShownOnlyWhenThereAreStateWages) {
    run.GrossPay = 100;
    run.StateWages = 0;  // all of it went to health insurance
    finishPayRun(c);
    EXPECT_EQ(result.Label13, "");
}

// The whole run on plain values, with no screen and no file: what the session, the
// command line and the benchmarks share.
TEST(WholeRun, FromPlainValuesToOneResult) {
    TaxProfile p = TaxProfile::resetValues();
    p.HourRate = 15;
    p.FedExemp = "1";
    StateSettings st = test::newYorkSettings();
    st.NoStateTaxFlag = 1;
    st.StateMinBS.fill(999999);
    st.StateMinBM.fill(999999);
    CityTable noCity;
    noCity.CityMinBS.fill(999999);
    noCity.CityMinBM.fill(999999);
    const auto fedBytes = readFileBytes(test::dataDir() / "Federal15.dtt");
    ASSERT_TRUE(fedBytes);
    const FedTable fed = readFedTable(*fedBytes, "Federal15.dtt");
    PayRunInputs in;
    in.txtAmount[0] = "40";
    in.txtAmount[1] = "0";
    in.optWeek = true;

    const PayResult r = computePayRun(in, p, st, noCity, NonCityTable{}, fed);
    EXPECT_EQ(r.Label13, "$600.00");
    EXPECT_EQ(r.lbTaxDed[0], "62.96");
    EXPECT_EQ(r.lbTaxDed[1], "37.20");
    EXPECT_EQ(r.lbTaxDed[2], "8.70");
    EXPECT_EQ(r.lbTaxDed[3], ".00");
    EXPECT_EQ(r.txtAmount[0], "40");
    EXPECT_EQ(r.txtAmount[1], "");  // a box that held 0 is emptied
    EXPECT_EQ(r.lbNet, "$491.14");  // 600 - 62.96 - 37.20 - 8.70
    EXPECT_FLOAT_EQ(r.run.GrossPay, 600.0f);
    EXPECT_FALSE(r.roundState);
}

}  // namespace
}  // namespace corvella
