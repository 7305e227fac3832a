#pragma once
// The ledger printout: one landscape page with a line per pay period and the totals.
#include <string>

#include "common/text_page.h"
#include "employee/company_header.h"
#include "employee/tax_profile.h"
#include "ledger/ledger.h"

namespace corvella {

struct LedgerPageInfo {
    CompanyHeader header;
    std::string user;
    std::string now;  // the date and time in the general date form
};

// The used rows (53 weekly, else 27) of `l` as last read from the window, and its totals.
TextPage buildLedgerPage(const Ledger& l, const TaxProfile& p, bool weekly,
                         const LedgerPageInfo& info);

}  // namespace corvella
