#include "print/stub.h"

#include "common/format.h"
#include "common/number.h"

namespace corvella {

std::string amountText(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    std::string plain;
    bool digit = false, point = false;
    for (size_t i = b; i < e; ++i) {
        const char c = text[i];
        if (c == '-' && plain.empty()) {
            plain += c;
        } else if (c == '$' && i <= b + 1 && !digit) {
            continue;
        } else if (c == ',' && digit && !point) {
            continue;
        } else if (c == '.' && !point) {
            point = true;
            plain += c;
        } else if (c >= '0' && c <= '9') {
            digit = true;
            plain += c;
        } else {
            return std::string(text);
        }
    }
    auto v = digit ? strictNumber(plain) : std::nullopt;
    return v ? format(*v, Pattern::Plain2) : std::string(text);
}

std::string amountText(double v) {
    return format(v, Pattern::Plain2);
}

StubValues computeStubValues(const StubSource& s) {
    const PayResult& r = s.run;
    const TaxProfile& p = s.profile;
    const LedgerTotals& t = s.totals;
    const double rate = r.PayRate;
    StubValues v;
    v.OtRate12 = static_cast<float>((s.main.opt1x.selected() ? 1.0 : 2.0) * rate);
    const float otBox = strictFloat(s.main.txtAmount[2].text, "txtAmount(2)");
    v.OtPay12 = static_cast<float>(static_cast<double>(otBox) * v.OtRate12);
    v.OtRate15 = static_cast<float>(rate * 1.5);
    v.OtPay15 = static_cast<float>(static_cast<double>(r.OtHrs) * 1.5 * rate);
    v.HolidayPay = static_cast<float>(static_cast<double>(p.HourRate) * r.Avas);
    v.VacationPay = static_cast<float>(static_cast<double>(r.VacDys) * rate);
    v.MyTips = static_cast<float>(static_cast<double>(p.TipsRate) * r.TipsHrs);
    float taxes = 0;
    for (float x : {t.SS, t.Fed, t.Medi, t.State, t.City, t.SDI, t.SUI, t.Cafe}) taxes += x;
    v.YtdTaxes = taxes;
    float deductions = 0;
    for (float x : {t.Muni, t.Pension, t.Bond, t.Dues, t.Misc, t.Kplan}) deductions += x;
    v.YtdDeductions = deductions;
    return v;
}

namespace {

std::string hyphens(int n) {
    return std::string(static_cast<size_t>(n), '-');
}

}  // namespace

TextPage buildStubPage(const StubSource& s, const StubValues& v, const StubPageInfo& info) {
    const MainWindow& m = s.main;
    const PayResult& r = s.run;
    const TaxProfile& p = s.profile;
    const LedgerTotals& t = s.totals;
    auto box = [&](int i) { return amountText(m.txtAmount[static_cast<size_t>(i)].text); };
    auto caption = [](const Label& l) { return amountText(l.caption); };
    TextPage page;
    page.font("Arial", 11).endLines(2);
    page.text(info.header.Company).endLine();
    page.text(info.header.Address).endLine();
    page.text(info.header.ZipLine).tab(85).text(info.header.IdNumber).endLine();

    page.fontSize(10);
    page.text(hyphens(203)).endLine();
    page.text("Employee:").tab(20).text(info.user).tab(50).text(info.ssn).endLine();
    page.endLine();
    page.tab(5).text("Date:").tab(15).text(info.today);
    page.tab(85).text("For Week Ending: " + m.txtWeek.text).endLine();
    page.endLine();
    page.tab(45).text(std::string(12, ' ')).tab(65).text(std::string(13, ' ') + ".  .  ").endLine();
    page.endLines(5);
    page.tab(5)
        .text("Description")
        .tab(30)
        .text("Rate")
        .tab(50)
        .text("Hours")
        .tab(65)
        .text("Earnings");
    page.tab(5).text(hyphens(198)).endLine();

    struct Earning {
        const char* label;
        std::string rate, hours, amount, ytd;
    };
    const Earning earnings[] = {
        {"Regular1 Earning", amountText(p.HourRate), box(0), amountText(r.RegPay1), ""},
        {"Regular2 Earning", amountText(p.HourRate2), box(1), amountText(r.RegPay2), ""},
        {"O.T. 1x / 2x Earned", amountText(v.OtRate12), box(2), amountText(v.OtPay12), ""},
        {"O.T. 1.5x Earned", amountText(v.OtRate15), box(3), amountText(v.OtPay15), "YTD"},
        {"Tips", amountText(p.TipsRate), amountText(r.TipsHrs), amountText(v.MyTips),
         amountText(t.Tips.toDouble())},
        {"Holiday", amountText(p.HourRate), box(4), amountText(v.HolidayPay), ""},
        {"Vacation/Sick", amountText(p.HourRate), box(5), amountText(v.VacationPay), ""},
        {"Adjustment", box(6), "", amountText(r.Addit.toDouble()), ""}};
    for (const Earning& e : earnings) {
        page.tab(5).text(e.label).tab(30).text(e.rate).tab(50).text(e.hours);
        page.tab(65).text(e.amount);
        if (!e.ytd.empty()) page.tab(85).text(e.ytd);
        page.endLine();
    }
    page.endLines(7);

    page.tab(65).text("Taxes / Deductions").tab(100).text("Current").tab(115).text("YTD");
    page.tab(5).text(hyphens(198)).endLine();
    const std::pair<std::string, float> deductions[] = {{"Federal Tax", t.Fed},
                                                        {"Social Security Tax", t.SS},
                                                        {"Medicare Tax", t.Medi},
                                                        {"State Tax", t.State},
                                                        {"City Tax", t.City},
                                                        {"State Disability Ins", t.SDI},
                                                        {"State Unemployment Ins", t.SUI},
                                                        {p.DedCaption5, t.Muni},
                                                        {p.DedCaption6, t.Bond},
                                                        {p.DedCaption7, t.Dues},
                                                        {p.DedCaption8, t.Pension},
                                                        {p.DedCaption9, t.Misc},
                                                        {"K-Plan", t.Kplan},
                                                        {"Cafeteria Plan", t.Cafe}};
    const Label* current[] = {&m.lbTaxDed[0],  &m.lbTaxDed[1], &m.lbTaxDed[2], &m.lbTaxDed[3],
                              &m.lbTaxDed[4],  &m.lbSDI,       &m.lbSUI,       &m.lbTaxDed[5],
                              &m.lbTaxDed[6],  &m.lbTaxDed[7], &m.lbTaxDed[8], &m.lbTaxDed[9],
                              &m.lbTaxDed[10], &m.lbCafe};
    for (size_t i = 0; i < 14; ++i) {
        page.tab(65).text(deductions[i].first).tab(100).text(caption(*current[i]));
        page.tab(115).text(amountText(deductions[i].second)).endLine();
    }
    page.endLines(5);

    page.tab(30).text("Earnings").tab(50).text("Taxes").tab(65).text("Deductions");
    page.tab(85).text("Net Pay").tab(100).text("Period Ending");
    page.tab(5).text(hyphens(198)).endLine();
    page.endLine();
    page.tab(5).text("Current").tab(30).text(caption(m.Label13)).tab(50).text(caption(m.lbTaxes));
    page.tab(65).text(caption(m.lbDeduct)).tab(85).text(caption(m.lbNet));
    page.tab(5)
        .text("YTD")
        .tab(30)
        .text(amountText(s.ytdGross))
        .tab(50)
        .text(amountText(v.YtdTaxes));
    page.tab(65).text(amountText(v.YtdDeductions)).tab(85).text(amountText(s.ytdNet));
    page.tab(100).text(m.txtWeek.text);
    page.tab(5).text(hyphens(198)).endLine();
    page.endDocument();
    return page;
}

}  // namespace corvella
