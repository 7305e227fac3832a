#include "store/tax_year_mode.h"

#include <string_view>

#include "common/field_range.h"
#include "common/linefile.h"

namespace corvella {

namespace {

constexpr std::string_view kWords[] = {"2015", "by-date"};
constexpr ChoiceField kModeField{"tax year", kWords};

}  // namespace

const char* taxYearModeWord(TaxYearMode mode) {
    return mode == TaxYearMode::Year2015 ? "2015" : "by-date";
}

TaxYearMode readTaxYearModeFile(const std::string& bytes, const std::string& fileName) {
    FieldReader r(bytes, fileName);
    const std::string word = r.text(kModeField);
    r.endLine();
    r.expectEnd();
    return word == kWords[0] ? TaxYearMode::Year2015 : TaxYearMode::ByWeekEnding;
}

std::string writeTaxYearModeFile(TaxYearMode mode) {
    LineWriter w;
    w.text(taxYearModeWord(mode)).endLine();
    return w.bytes();
}

}  // namespace corvella
