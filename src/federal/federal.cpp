#include "federal/federal.h"

#include "common/linefile.h"

namespace corvella {

void FedTable::clearNumbers() {
    std::string ver = FedTableVer;
    *this = FedTable{};
    FedTableVer = ver;
}

std::string fedFileFailureMessage() {
    return "   Operation Failed ! ! !\r\n"
           "Save and Open, Only in Folder\r\n"
           "where Corvella 2015 was installed\r\n"
           "Corvella Payroll Support\r\n"
           "support@corvella.example";
}

namespace {

using namespace ranges;
constexpr NumberField kBound{"bracket bound", kAmount};
constexpr NumberField kSubtract{"amount subtracted", kAmount};
constexpr NumberField kBracketRate{"bracket rate", kFraction};
constexpr NumberField kAdd{"amount added", kAmount};
constexpr NumberField kAllowance{"allowance amount", kPositiveAmount};

}  // namespace

// The table comes from outside the program, laid out more than one way (the allowances
// three to a line or all on one, a table on one line): its fields are read whatever the
// line breaks, and only what follows the version is checked.
FedTable readFedTable(const std::string& bytes, const std::string& fileName) {
    FieldReader r(bytes, fileName);
    auto number = [&r](const NumberField& f) {
        const float v = r.number(f);
        if (r.atLineEnd()) r.endLine();
        return v;
    };
    FedTable t;
    for (auto& section : t.sections) {
        for (int i = 0; i < 8; ++i) {
            FedRow& row = section[i];
            row.Over = number(kBound);
            if (i < 7) row.NotOver = number(kBound);
            row.Subtract = number(kSubtract);
            row.Rate = number(kBracketRate);
            if (i > 0) row.Add = number(kAdd);
        }
        r.raw();  // separator heading of any kind
        if (r.atLineEnd()) r.endLine();
    }
    for (float& v : t.FedAllowSingle) v = number(kAllowance);
    for (float& v : t.FedAllowMarried) v = number(kAllowance);
    t.FedTableVer = r.text();
    r.endLine();
    r.expectEnd();
    return t;
}

namespace {

void compute(const std::array<FedRow, 8>& rows, float W, bool firstOnly, float& fedTax) {
    for (int i = 0; i < 8; ++i) {
        const FedRow& row = rows[i];
        bool applies = i < 7 ? (row.Over < W && W <= row.NotOver) : (W > row.Over);
        if (!applies) continue;
        double tax = (static_cast<double>(W) - row.Subtract) * row.Rate;
        if (i > 0) tax += row.Add;
        fedTax = static_cast<float>(tax);
        if (firstOnly) return;
    }
}

void fedTax(const FedTable& t, int biSection, int wkSection, float W, int biWeeklyFlag,
            int weeklyFlag, float& fedTax) {
    // The bi-weekly section is scanned whole, the weekly one stops at its first match.
    if (biWeeklyFlag == -1) compute(t.sections[biSection], W, false, fedTax);
    if (weeklyFlag == -1) compute(t.sections[wkSection], W, true, fedTax);
}

}  // namespace

void GetFedSingle(const FedTable& t, float W, int biWeeklyFlag, int weeklyFlag, float& out) {
    fedTax(t, 0, 1, W, biWeeklyFlag, weeklyFlag, out);
}

void GetFedMarried(const FedTable& t, float W, int biWeeklyFlag, int weeklyFlag, float& out) {
    fedTax(t, 2, 3, W, biWeeklyFlag, weeklyFlag, out);
}

}  // namespace corvella
