#include "tools/overtime.h"

#include "common/number.h"

namespace corvella {

void OvertimeScreen::FillInOT(const OvertimeData& d, bool weekly) {
    txtAnnual.text = floatText(d.AnnualSalary);
    txtApPercent.text = floatText(d.ApprovedPercent);
    if (leadingNumber(txtAnnual.text) == 0) txtAnnual.text = "25600";
    for (int i = 0; i < overtimeRowCount(weekly); ++i) {
        Text1[i].text = d.OtWeekEnding[i];
        txtOT[i].text = d.OtAmount[i];
    }
}

void OvertimeScreen::ClearAll(OvertimeData& d, bool weekly) {
    for (int i = 0; i < overtimeRowCount(weekly); ++i) {
        Text1[i].text.clear();
        txtOT[i].text = "0";
        d.OtWeekEnding[i].clear();
        d.OtAmount[i] = "0";
    }
    if (leadingNumber(txtAnnual.text) == 0) txtAnnual.text = "11440";
    txtApPercent.text = "0";
    d.AnnualSalary = 11440;
    d.ApprovedPercent = 0;
    d.OtEarned = d.OtPercent = d.OtMaxAllowed = d.OtAvailable = 0;
}

}  // namespace corvella
