#pragma once
// The pay stub: the values only the stub computes, and its page. The check's two stub
// copies (check.h) read the same values.
#include <string>
#include <string_view>

#include "common/text_page.h"
#include "employee/company_header.h"
#include "employee/tax_profile.h"
#include "engine/main_window.h"
#include "engine/pay_result.h"
#include "ledger/ledger.h"

namespace corvella {

// A text that reads as a number ("$1,234.50", "-12", "40") formatted with "#####.00";
// an empty or non-numeric text unchanged.
std::string amountText(std::string_view text);
// A value with "#####.00" (the same as "###.00").
std::string amountText(double v);

struct StubValues {
    float OtRate12 = 0, OtPay12 = 0, OtRate15 = 0, OtPay15 = 0, HolidayPay = 0, VacationPay = 0,
          MyTips = 0, YtdTaxes = 0, YtdDeductions = 0;
};

// What a stub reads: the main window with the last run, the profile and the ledger.
struct StubSource {
    const MainWindow& main;
    const PayResult& run;
    const TaxProfile& profile;
    const LedgerTotals& totals;
    std::string ytdGross, ytdNet;  // the totals window's gross and net boxes
};

// Throws ConversionError naming "txtAmount(2)" when the "O.T." box is not a number.
StubValues computeStubValues(const StubSource& s);

// What the stub page shows beside the source.
struct StubPageInfo {
    CompanyHeader header;
    std::string user, ssn, today;
};

TextPage buildStubPage(const StubSource& s, const StubValues& v, const StubPageInfo& info);

}  // namespace corvella
