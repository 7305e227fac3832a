#include "tools/overtime.h"

#include <cfloat>
#include <cmath>

#include "common/format.h"
#include "common/number.h"

namespace corvella {

namespace {

// The value of a box that must be a number, or the refusal naming its caption.
std::optional<double> boxValue(const TextBox& b, const char* caption,
                               std::optional<OvertimeRefusal>& refusal) {
    auto v = strictNumber(b.text);
    if (!v || std::fabs(*v) > FLT_MAX) {
        refusal = OvertimeRefusal{OvertimeRefusal::NotANumber, caption, b.text};
        return std::nullopt;
    }
    return v;
}

bool blank(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

// Rows TOTAL adds up: weekly all 53; bi-weekly rows 0 to 27, one beyond the stored 27
// (normally "0").
int summedRows(bool weekly) {
    return weekly ? kOtRows : 28;
}

std::string amountCaption(int row) {
    return "O.T. Only, week " + std::to_string(row + 1);
}

}  // namespace

OvertimeScreen::OvertimeScreen() {
    for (auto& b : txtOT) b.numericOnly = true;
}

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
    showResults(d);
}

std::optional<OvertimeRefusal> OvertimeScreen::checkNumbers(bool weekly) const {
    std::optional<OvertimeRefusal> refusal;
    if (!blank(txtAnnual.text) && !boxValue(txtAnnual, "Annual Salary", refusal)) return refusal;
    if (!blank(txtApPercent.text) &&
        !boxValue(txtApPercent, "Enter Your Approved Percentage", refusal))
        return refusal;
    for (int i = 0; i < summedRows(weekly); ++i) {
        if (blank(txtOT[i].text)) continue;
        if (!boxValue(txtOT[i], amountCaption(i).c_str(), refusal)) return refusal;
    }
    return std::nullopt;
}

std::optional<OvertimeRefusal> OvertimeScreen::TOTAL(OvertimeData& d, bool weekly) {
    if (blank(txtAnnual.text) || blank(txtApPercent.text)) return OvertimeRefusal{};
    if (auto refusal = checkNumbers(weekly)) return refusal;
    const double salary = *strictNumber(txtAnnual.text);
    const double percent = *strictNumber(txtApPercent.text);
    if (salary == 0 && percent == 0) return OvertimeRefusal{};
    // The percent reached is the overtime over the salary: no salary, no percent.
    if (salary == 0)
        return OvertimeRefusal{OvertimeRefusal::NoSalary, "Annual Salary", txtAnnual.text};

    double sum = 0;
    for (int i = 0; i < summedRows(weekly); ++i) sum += leadingNumber(txtOT[i].text);
    const double max = percent * 0.01 * salary;
    auto fits = [](double v) { return std::fabs(v) <= FLT_MAX; };
    const bool fit = fits(sum) && fits(max) &&
                     fits(static_cast<double>(static_cast<float>(sum)) / salary) &&
                     fits(static_cast<double>(static_cast<float>(max)) -
                          static_cast<double>(static_cast<float>(sum)));
    if (!fit) return OvertimeRefusal{OvertimeRefusal::TooLarge, "", ""};

    for (int i = 0; i < overtimeRowCount(weekly); ++i)
        if (txtOT[i].text.empty()) txtOT[i].text = "0";
    d.OtEarned = static_cast<float>(sum);
    d.OtPercent = static_cast<float>(static_cast<double>(d.OtEarned) / salary);
    d.AnnualSalary = static_cast<float>(salary);
    d.ApprovedPercent = static_cast<float>(percent);
    d.OtMaxAllowed = static_cast<float>(max);
    d.OtAvailable = static_cast<float>(static_cast<double>(d.OtMaxAllowed) - d.OtEarned);
    showResults(d);
    return std::nullopt;
}

void OvertimeScreen::showResults(const OvertimeData& d) {
    lbEarned.caption = format(d.OtEarned, Pattern::Dollar2);
    txtPercent.text = format(d.OtPercent, Pattern::Percent);
    lbMax.caption = format(d.OtMaxAllowed, Pattern::Dollar2);
    lbAvail.caption = format(d.OtAvailable, Pattern::Dollar2);
}

std::vector<std::string> OvertimeScreen::boxTexts() const {
    std::vector<std::string> texts{txtAnnual.text, txtApPercent.text};
    for (const auto& b : Text1) texts.push_back(b.text);
    for (const auto& b : txtOT) texts.push_back(b.text);
    return texts;
}

void OvertimeScreen::NewWeek(bool weekly) {
    const int last = overtimeRowCount(weekly) - 1;
    for (int r = 0; r < last; ++r) {
        txtOT[r].text = txtOT[r + 1].text;
        Text1[r].text = Text1[r + 1].text;
    }
    txtOT[last].text = "0";
    Text1[last].text.clear();
}

void OvertimeScreen::Undo(const OvertimeData& d, bool weekly) {
    for (int i = 0; i < overtimeRowCount(weekly); ++i) {
        Text1[i].text = d.OtWeekEnding[i];
        txtOT[i].text = d.OtAmount[i];
    }
    txtAnnual.text = floatText(d.AnnualSalary);
    txtApPercent.text = floatText(d.ApprovedPercent);
}

std::optional<OtCell> overtimeKeyTarget(OtCell from, OtKey key, bool weekly) {
    const int last = overtimeVisibleRows(weekly) - 1;
    switch (key) {
        case OtKey::Enter:
            return OtCell{from.column, from.row < last ? from.row + 1 : 0};
        case OtKey::Down:
            return OtCell{from.column, from.row < last ? from.row + 1 : from.row};
        case OtKey::Up:
            return OtCell{from.column, from.row > 0 ? from.row - 1 : 0};
        case OtKey::Right:
            if (from.column != OtColumn::Date || (weekly && from.row == 52)) return std::nullopt;
            return OtCell{OtColumn::Amount, from.row};
        case OtKey::Left:
            if (from.column != OtColumn::Amount || (weekly && from.row == 52)) return std::nullopt;
            return OtCell{OtColumn::Date, from.row};
    }
    return std::nullopt;
}

}  // namespace corvella
