#pragma once
// The window "Company" (Options menu): the employer's facts for year-end forms, as a
// working copy of Company.sav.
#include <string_view>

#include "common/controls.h"
#include "store/company_file.h"

namespace corvella {

// The deposit schedule list's texts, in the order of DepositSchedule.
inline constexpr std::string_view kDepositSchedules[] = {"Monthly", "Semiweekly"};

struct CompanyScreen {
    TextBox txtLegalName, txtTradeName, txtCoAddress, txtCoCityStateZip;
    TextBox txtEin;  // shown NN-NNNNNNN; typed with or without the hyphen
    TextBox txtStateId;
    TextBox cboDepositSchedule;  // kDepositSchedules

    void show(const CompanyFacts& c);
    // The boxes as facts. Throws ConversionError naming the box of an EIN that is not
    // nine digits, or of a text with a line break or a double quote.
    CompanyFacts take() const;
};

}  // namespace corvella
