#include "yearend/worksheet_lines.h"

#include <array>

#include "store/pay_period.h"

namespace corvella {

std::string groupedCents(int64_t cents) {
    const std::string plain = plainCents(cents);
    const size_t first = cents < 0 ? 1 : 0;
    const size_t point = plain.find('.');
    std::string out = plain.substr(0, first);
    for (size_t i = first; i < point; ++i) {
        if (i > first && (point - i) % 3 == 0) out += ',';
        out += plain[i];
    }
    return out + plain.substr(point);
}

const char* w2BoxCaption(int box) {
    static constexpr std::array<const char*, 20> kCaptions = {
        "Wages, tips, other compensation",
        "Federal income tax withheld",
        "Social security wages",
        "Social security tax withheld",
        "Medicare wages and tips",
        "Medicare tax withheld",
        "Social security tips",
        "Allocated tips",
        "",
        "Dependent care benefits",
        "Nonqualified plans",
        "See instructions for box 12",
        "Statutory employee, Retirement plan, Third-party sick pay",
        "Other",
        "State, Employer's state ID number",
        "State wages, tips, etc.",
        "State income tax",
        "Local wages, tips, etc.",
        "Local income tax",
        "Locality name",
    };
    if (box < 1 || box > static_cast<int>(kCaptions.size())) return "";
    return kCaptions[static_cast<size_t>(box - 1)];
}

namespace {

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

const char* monthName(int month) {
    return month >= 1 && month <= 12 ? kMonths[static_cast<size_t>(month - 1)] : "";
}

int firstMonth(int quarter) {
    return 3 * (quarter - 1) + 1;
}

// The date line 1 counts the employees of: the 12th of the quarter's last month.
std::string twelfthOf(int quarter) {
    static constexpr std::array<const char*, 4> kDays = {"Mar. 12", "June 12", "Sept. 12",
                                                         "Dec. 12"};
    return quarter >= 1 && quarter <= 4 ? kDays[static_cast<size_t>(quarter - 1)] : "the 12th";
}

}  // namespace

std::string quarterMonths(int quarter) {
    if (quarter < 1 || quarter > 4) return {};
    const int m = firstMonth(quarter);
    return std::string(monthName(m)) + ", " + monthName(m + 1) + ", " + monthName(m + 2);
}

std::string Form941Line::amount(bool grouped) const {
    if (count) return std::to_string(value);
    return grouped ? groupedCents(value) : plainCents(value);
}

std::vector<Form941Line> form941Lines(const Form941& f) {
    std::vector<Form941Line> out;
    out.push_back({"1",
                   "Number of employees who received wages, tips, or other compensation for "
                   "the pay period including " +
                       twelfthOf(f.quarter),
                   f.line1, true});
    out.push_back({"2", "Wages, tips, and other compensation", f.line2});
    out.push_back(
        {"3", "Federal income tax withheld from wages, tips, and other compensation", f.line3});
    const struct {
        const char* line;
        const char* caption;
        const char* tax;
        const WagesAndTax& amounts;
    } fifth[] = {
        {"5a", "Taxable social security wages", "Social security tax on line 5a", f.line5a},
        {"5b", "Taxable social security tips", "Social security tax on line 5b", f.line5b},
        {"5c", "Taxable Medicare wages & tips", "Medicare tax on line 5c", f.line5c},
        {"5d", "Taxable wages & tips subject to Additional Medicare Tax withholding",
         "Additional Medicare Tax on line 5d", f.line5d},
    };
    for (const auto& l : fifth) {
        out.push_back({std::string(l.line) + " col 1", l.caption, l.amounts.wages});
        out.push_back({std::string(l.line) + " col 2", l.tax, l.amounts.tax});
    }
    out.push_back({"5e", "Total social security and Medicare taxes", f.line5e});
    out.push_back({"6", "Total taxes before adjustments", f.line6});
    out.push_back({"7", "Current quarter's adjustment for fractions of cents", f.line7});
    out.push_back({"10", "Total taxes after adjustments", f.line10});
    out.push_back({"12", "Total taxes after adjustments and nonrefundable credits", f.line12});
    return out;
}

std::string form941LiabilityHeading(const Form941& f) {
    return f.employer.deposit == DepositSchedule::Semiweekly
               ? "Semiweekly depositor: tax liability by pay date (Schedule B)"
               : "Monthly schedule depositor: tax liability for each month";
}

std::vector<Form941Line> form941Liability(const Form941& f) {
    std::vector<Form941Line> out;
    if (f.employer.deposit == DepositSchedule::Semiweekly) {
        for (const DailyLiability& d : f.daily)
            out.push_back({"Schedule B", "Tax liability on " + shortDate(d.date), d.cents});
        return out;
    }
    for (int i = 0; i < 3; ++i)
        out.push_back({"16 month " + std::to_string(i + 1),
                       "Tax liability: Month " + std::to_string(i + 1) + " (" +
                           monthName(firstMonth(f.quarter) + i) + ")",
                       f.months[static_cast<size_t>(i)]});
    out.push_back({"16 total", "Total liability for quarter", f.monthsTotal});
    return out;
}

}  // namespace corvella
