// The parts of the pay run on hand-set values: Social Security, Medicare, SDI/SUI and
// the finishing step (additional withholding, rounding, totals, net pay, captions).
#include <gtest/gtest.h>

#include "engine/pay_calc.h"

namespace corvella {
namespace {

struct Parts : ::testing::Test {
    MainWindow main;
    PayRun run;
    TaxProfile profile = TaxProfile::resetValues();
    StateSettings state;
    DialogState screen{state};
    CityTable city;
    NonCityTable nonCity;
    FedTable fed;
    PayRunContext c{main, run, profile, state, screen, city, nonCity, fed};

    void ytd(double v) { c.YtdWages = Currency::fromDouble(v); }
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

TEST_F(Parts, SdiAndSuiByRateUpToTheBaseOrFlat) {
    state.SdiRate = 1.2f;
    state.SdiWageBase = 7000;
    screen.ckSDI.value = 1;
    state.SuiWageBase = 5;  // flat
    screen.ckSUI.value = 0;
    screen.txtStateAdj.text = "0";
    screen.txtCalAllow.text = "0";
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

TEST_F(Parts, UncheckingUseBaseZeroesThePercentAndMakesTheBaseAFlatAmount) {
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
        {12.346f, 0, 0, 0, 0, 0, "12.35", ".00"},
        {12.346f, 5, 0, 0, 0, 0, "17.35", ".00"},
        {0.4f, 0, 0, 0, 0, 0, ".40", ".00"},
        {50, 5, 1, 0, 0, 0, ".00", ".00"},
        {0, 0, 0, 10.004f, -20, 0, ".00", ".00"},
        {0, 0, 0, 12.5f, 0, 1, ".00", "12.00"},
        {0, 0, 0, 13.5f, 0, 1, ".00", "14.00"},
        {0, 0, 0, -5, 5, 0, ".00", ".00"},
    };
    for (const auto& k : cases) {
        run = PayRun{};
        run.FedTax = k.fedTax;
        profile.FedAddl = k.fedAddl;
        profile.FedExempFlag = k.fedExempt;
        run.StateTax = k.stateTax;
        state.StateAddl = k.stateAddl;
        screen.ckRoundOff.value = static_cast<int16_t>(k.roundOff);
        finishPayRun(c);
        EXPECT_EQ(main.lbTaxDed[0].caption, k.fedShown) << k.fedTax;
        EXPECT_EQ(main.lbTaxDed[3].caption, k.stateShown) << k.stateTax;
    }
}

TEST_F(Parts, NetPayAndTheResultCaptions) {
    run.GrossPay = 1234.5f;
    run.StateWages = 1234.5f;
    run.FedTax = 100;
    run.SocSecTax = 76.539f;
    run.MediTax = 17.90025f;
    profile.BondDeduct = 10;
    main.TipsPay = 10;
    main.TotalTips = 10;
    main.TotalOt = 0.5f;
    finishPayRun(c);
    EXPECT_EQ(main.Label13.caption, "$1,234.50");
    EXPECT_EQ(main.lbTaxes.caption, "$194.44");  // 100 + 76.54 + 17.90
    EXPECT_EQ(main.lbDeduct.caption, "$10.00");
    EXPECT_EQ(main.lbNet.caption, "$1,020.06");  // 1234.50 - 194.44 - 10 - 10 tips
    EXPECT_EQ(main.lbOverT.caption, "$.50");
    EXPECT_EQ(main.lbTips.caption, "$10.00");
}

TEST_F(Parts, GrossPayIsShownOnlyWhenThereAreStateWages) {
    run.GrossPay = 100;
    run.StateWages = 0;  // all of it went to health insurance
    finishPayRun(c);
    EXPECT_EQ(main.Label13.caption, "");
}

}  // namespace
}  // namespace corvella
