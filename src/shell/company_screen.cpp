#include "shell/company_screen.h"

#include "common/errors.h"
#include "common/stored_text.h"

namespace corvella {

void CompanyScreen::show(const CompanyFacts& c) {
    txtLegalName.text = c.legalName;
    txtTradeName.text = c.tradeName;
    txtCoAddress.text = c.address;
    txtCoCityStateZip.text = c.cityStateZip;
    txtEin.text = einText(c.ein);
    txtStateId.text = c.stateId;
    cboDepositSchedule.text = kDepositSchedules[static_cast<size_t>(c.deposit)];
}

namespace {

std::string stored(const TextBox& box, const char* control) {
    if (auto problem = storedTextProblem(box.text))
        throw ConversionError(control, box.text, *problem);
    return box.text;
}

}  // namespace

CompanyFacts CompanyScreen::take() const {
    CompanyFacts c;
    c.legalName = stored(txtLegalName, "txtLegalName");
    c.tradeName = stored(txtTradeName, "txtTradeName");
    c.address = stored(txtCoAddress, "txtCoAddress");
    c.cityStateZip = stored(txtCoCityStateZip, "txtCoCityStateZip");
    // An EIN not known yet may stay empty; anything typed must be one.
    const size_t from = txtEin.text.find_first_not_of(' ');
    if (from != std::string::npos) {
        const std::string ein =
            txtEin.text.substr(from, txtEin.text.find_last_not_of(' ') + 1 - from);
        auto digits = einDigits(ein);
        if (!digits)
            throw ConversionError("txtEin", ein,
                                  "is not 9 digits; enter it as NN-NNNNNNN or as 9 digits");
        c.ein = *digits;
    }
    c.stateId = stored(txtStateId, "txtStateId");
    c.deposit = cboDepositSchedule.text == kDepositSchedules[1] ? DepositSchedule::Semiweekly
                                                                : DepositSchedule::Monthly;
    return c;
}

}  // namespace corvella
