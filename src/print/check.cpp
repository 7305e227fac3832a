#include "print/check.h"

#include <cmath>

#include "common/format.h"
#include "common/number.h"
#include "print/amount_words.h"

namespace corvella {

std::string CheckScreen::FillCheckForm(const TaxProfile& p, float netPay) {
    txtPayTo.text = p.EmpName + "********";
    txtUserName.text = p.EmpName;
    txtUserAddress.text = p.EmpAddress;
    txtUserState.text = p.EmpCityStateZip;
    txtUserSSnum.text = maskedSecret(p.EmpSSN);
    std::string words = SpellAmount(netPay);
    txtDollars.text = words;
    return words;
}

const char* const PrinterOffsetDialog::kChoices[11] = {"+5", "+4", "+3", "+2", "+1", "0",
                                                       "-1", "-2", "-3", "-4", "-5"};

namespace {

constexpr double kLargestOffset = 100;

int whole(double v) {
    return static_cast<int>(std::nearbyint(v));  // the default rounding: halves to even
}

}  // namespace

std::string offsetText(float v) {
    if (!std::isfinite(v) || std::fabs(v) > 1e9) return floatText(v);
    return std::to_string(whole(v));
}

void PrinterOffsetDialog::show(float horz, float vert, const std::string& week) {
    cboHorz.text = offsetText(horz);
    cboVert.text = offsetText(vert);
    lbWeek.caption = week;
}

std::optional<float> offsetValue(const std::string& text) {
    auto v = strictNumber(text);
    if (!v || std::fabs(*v) > kLargestOffset) return std::nullopt;
    return static_cast<float>(*v);
}

CheckOffsets checkOffsets(float horz, float vert) {
    return {whole(horz), whole(static_cast<double>(vert) + 3)};
}

TextPage buildCheckPage(const StubSource& s, const StubValues& v, const CheckScreen& c,
                        const std::string& amountWords, CheckOffsets o) {
    const MainWindow& m = s.main;
    const PayResult& r = s.run;
    const TaxProfile& p = s.profile;
    const LedgerTotals& t = s.totals;
    TextPage page;
    auto tab = [&](int n) -> TextPage& { return page.tab(o.a + n); };
    auto box = [&](int i) { return amountText(m.txtAmount[static_cast<size_t>(i)].text); };
    auto caption = [](const Label& l) { return amountText(l.caption); };

    page.font("Arial", 11);
    page.endLines(o.T + 1);
    tab(107).text(c.txtCheckDate.text).endLine();
    page.endLines(2);
    tab(15).text(c.txtPayTo.text);
    tab(102).text(c.txtCheckAmt.text).endLine();
    page.endLine();
    tab(5).text("*****" + amountWords + "*****").endLine();
    page.endLine();
    tab(15).text(c.txtUserName.text);
    tab(75).text(c.txtUserSSnum.text).endLine();
    tab(15).text(c.txtUserAddress.text).endLine();
    tab(15).text(c.txtUserState.text).endLine();
    page.endLine();
    tab(10).text(c.txtMemo.text).endLine();

    page.fontSize(8);
    page.endLines(10);
    struct Detail {
        const char* label;
        std::string rate, hours, amount;
    };
    const Detail earnings[8] = {
        {"Regular1 Earning", amountText(p.HourRate), box(0), amountText(r.RegPay1)},
        {"Regular2 Earning", amountText(p.HourRate2), box(1), amountText(r.RegPay2)},
        {"O.T. 1x / 2x Earned", amountText(v.OtRate12), box(2), amountText(v.OtPay12)},
        {"O.T. 1.5x Earned", amountText(v.OtRate15), box(3), amountText(v.OtPay15)},
        {"Holiday", amountText(p.HourRate), box(4), amountText(v.HolidayPay)},
        {"Vacation/Sick", amountText(p.HourRate), box(5), amountText(v.VacationPay)},
        {"Adjustment", box(6), "", amountText(r.Addit.toDouble())},
        {"Tips", amountText(p.TipsRate), amountText(r.TipsHrs), amountText(v.MyTips)}};
    const std::string labels[14] = {"Federal Tax",
                                    "Social Security Tax",
                                    "Medicare Tax",
                                    "State Tax",
                                    "City Tax",
                                    "State Disability Ins",
                                    "State Unemployment Ins",
                                    p.DedCaption5,
                                    p.DedCaption6,
                                    p.DedCaption7,
                                    p.DedCaption8,
                                    p.DedCaption9,
                                    "K-Plan",
                                    "Cafeteria Plan"};
    const Label* current[14] = {&m.lbTaxDed[0],  &m.lbTaxDed[1], &m.lbTaxDed[2], &m.lbTaxDed[3],
                                &m.lbTaxDed[4],  &m.lbSDI,       &m.lbSUI,       &m.lbTaxDed[5],
                                &m.lbTaxDed[6],  &m.lbTaxDed[7], &m.lbTaxDed[8], &m.lbTaxDed[9],
                                &m.lbTaxDed[10], &m.lbCafe};
    const float ytd[14] = {t.Fed,  t.SS,   t.Medi, t.State,   t.City, t.SDI,   t.SUI,
                           t.Muni, t.Bond, t.Dues, t.Pension, t.Misc, t.Kplan, t.Cafe};

    for (int copy = 0; copy < 2; ++copy) {
        if (copy == 1) page.endLines(7);
        tab(5).text(c.txtPayTo.text);
        tab(45).text(c.txtUserSSnum.text);
        tab(65).text("For Week Ending: " + m.txtWeek.text);
        tab(125).text(c.txtCheckDate.text).endLine();
        tab(5).text("Description");
        tab(30).text("Rate");
        tab(45).text("Hours");
        tab(55).text("Earnings");
        tab(65).text("Taxes/Deduct");
        tab(102).text("Current");
        tab(125).text("YTD");
        tab(5).text(std::string(198, '-')).endLine();
        for (int i = 0; i < 14; ++i) {
            if (i < 8) {
                const Detail& e = earnings[i];
                tab(5).text(e.label);
                tab(30).text(e.rate);
                tab(45).text(e.hours);
                tab(55).text(e.amount);
            }
            tab(65).text(labels[i]);
            tab(102).text(caption(*current[i]));
            tab(125).text(amountText(ytd[i])).endLine();
        }
        page.endLines(copy == 0 ? 2 : 1);
        tab(30).text("Earnings");
        tab(50).text("Taxes");
        tab(65).text("Deductions");
        tab(85).text("Net Pay").endLine();
        tab(5).text("Current");
        tab(30).text(caption(m.Label13));
        tab(50).text(caption(m.lbTaxes));
        tab(65).text(caption(m.lbDeduct));
        tab(85).text(caption(m.lbNet));
        tab(5).text("YTD");
        tab(30).text(amountText(s.ytdGross));
        tab(50).text(amountText(v.YtdTaxes));
        tab(65).text(amountText(v.YtdDeductions));
        tab(85).text(amountText(s.ytdNet)).endLine();
    }
    page.endDocument();
    return page;
}

}  // namespace corvella
