#include "ledger/ledger_page.h"

#include "common/format.h"

namespace corvella {

namespace {

// The column of each amount, Fed to Gross, as the headings stand.
constexpr int kColumns[15] = {17, 30, 43, 56, 69, 82, 95, 108, 121, 134, 145, 156, 172, 182, 197};

std::string total(double v) {
    return format(v, Pattern::Plain2);
}

}  // namespace

TextPage buildLedgerPage(const Ledger& l, const TaxProfile& p, bool weekly,
                         const LedgerPageInfo& info) {
    TextPage page;
    page.landscape = true;
    page.font("Arial", 10);
    page.text(info.header.Company).endLine();
    page.text(info.header.Address).endLine();
    page.text(info.header.ZipLine).tab(134).text(info.header.IdNumber).endLine();

    page.fontSize(9);
    page.text("Employee:").tab(17).text(info.user).tab(145).text(info.now).endLine();

    page.fontSize(8);
    const std::string headings[16] = {"Week",        "Federal",     "SS",          "MediCare",
                                      "State",       "City",        p.DedCaption5, p.DedCaption6,
                                      p.DedCaption7, p.DedCaption8, p.DedCaption9, "KPlan",
                                      "Tips",        "OT",          "Net",         "Gross"};
    page.tab(5).text(headings[0]);
    for (int i = 0; i < 15; ++i) page.tab(kColumns[i]).text(headings[i + 1]);
    page.endLine();

    for (int i = 0; i < Ledger::rowCount(weekly); ++i) {
        const LedgerRow& r = l.rows[static_cast<size_t>(i)];
        const float amounts[15] = {r.Fed,   r.SS,   r.Medi, r.State,   r.City,
                                   r.Muni,  r.Bond, r.Dues, r.Pension, r.Misc,
                                   r.Kplan, r.Tips, r.OT,   r.Net,     r.Gross};
        page.tab(5).text(r.Date);
        for (int c = 0; c < 15; ++c) page.tab(kColumns[c]).number(amounts[c]);
        page.endLine();
    }
    page.tab(5).text(std::string(291, '-')).endLine();

    const LedgerTotals& t = l.totals;
    const double totals[15] = {t.Fed,
                               t.SS,
                               t.Medi,
                               t.State,
                               t.City,
                               t.Muni,
                               t.Bond,
                               t.Dues,
                               t.Pension,
                               t.Misc,
                               t.Kplan,
                               t.Tips.toDouble(),
                               t.OT.toDouble(),
                               t.Net.toDouble(),
                               t.Gross.toDouble()};
    page.tab(5).text("TOTALS");
    for (int c = 0; c < 15; ++c) page.tab(kColumns[c]).text(total(totals[c]));
    page.endLine();
    page.tab(56).text("Total Tips: " + total(t.Tips.toDouble()));
    page.tab(95).text("Total SDI: " + total(t.SDI));
    page.tab(121).text("Total SUI: " + total(t.SUI));
    page.tab(145).text("Total Cafeteria: " + total(t.Cafe));
    page.endLines(2);
    page.fontSize(6);
    page.endDocument();
    return page;
}

}  // namespace corvella
