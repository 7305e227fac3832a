#pragma once
// Pay period dates and saved pay periods: the short date form of the week-ending field,
// the date pickers' calendar, and the ".prv" file of one period's inputs and results.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ports.h"

namespace corvella {

// The dates the date pickers accept: from December 1 before the first tax year whose
// figures a folder uses to January 31 after the last.
struct CalendarRange {
    Date first, last;
};
// The range of tax years `years` (ascending; none counts as 2015 alone).
CalendarRange calendarOf(const std::vector<int>& years);

// The short date form of the week-ending field: "1/9/2015".
std::string shortDate(Date d);
// A text in that form read as a date ("01/09/2015", "1/9/2015", blanks around it; a
// two-digit year is of this century); nothing when it is not a real date.
std::optional<Date> readShortDate(std::string_view text);
bool inCalendarRange(Date d, const CalendarRange& range);

// A picker opening on `field`: the calendar's first date. A field that is not a date the
// calendar accepts is set to today's date (the calendar then opens on today when it can,
// else on January 1 of the range's last year); an empty field opens the calendar on today
// when it can.
Date pickerStart(std::string& field, Date today, const CalendarRange& range);

// The 26 values of a saved pay period: the eight entry boxes, the eleven tax and
// deduction captions, SDI, SUI, cafeteria plan, gross pay, taxes, deductions, net pay.
inline constexpr int kPayPeriodValues = 26;
using PayPeriodValues = std::array<float, kPayPeriodValues>;

std::string writePayPeriodFile(const PayPeriodValues& v);
// The file's 26 values, all or none; throws ReadError naming the file and line.
PayPeriodValues readPayPeriodFile(const std::string& bytes, const std::string& fileName);

// The file of week `week` of employee `name`: the week with each "/" as "_", two blanks,
// the name, ".prv". Throws NameError when the week holds what cannot stand in a file name.
std::string payPeriodFileName(const std::string& week, const std::string& name);
// The week-ending text a file name gives back: "_" as "/" among its first eight
// characters, the first ten characters kept.
std::string weekOfPayPeriodFile(const std::string& fileName);
// Whether a file name is a saved pay period's: a week, two blanks, a name, ".prv".
bool isPayPeriodFile(const std::string& fileName);
// Whether a pay period's file name is one saved for `name`.
bool isPayPeriodOf(const std::string& fileName, const std::string& name);
// The employee a pay period's file name was saved for (after the date and two blanks).
std::string employeeOfPayPeriodFile(const std::string& fileName);

// A result caption read as the number it shows: "$1,234.50" is 1234.5.
std::optional<double> captionNumber(std::string_view caption);

}  // namespace corvella
