#pragma once
// Pay period dates and saved pay periods: the short date form of the week-ending field,
// the date pickers' calendar, and the ".prv" file of one period's inputs and results.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/ports.h"

namespace corvella {

// The calendar of the date pickers accepts these dates only.
inline constexpr Date kCalendarFirst{2014, 12, 1};
inline constexpr Date kCalendarLast{2016, 1, 31};
// Where the calendar opens when neither the field nor today is a date it accepts.
inline constexpr Date kCalendarFallback{2015, 1, 1};

// The short date form of the week-ending field: "1/9/2015".
std::string shortDate(Date d);
// A text in that form read as a date ("01/09/2015", "1/9/2015", blanks around it; a
// two-digit year is of this century); nothing when it is not a real date.
std::optional<Date> readShortDate(std::string_view text);
bool inCalendarRange(Date d);

// A picker opening on `field`: the calendar's first date. A field that is not a date the
// calendar accepts is set to today's date (the calendar then opens on today when it can,
// else on 1/1/2015); an empty field opens the calendar on today when it can.
Date pickerStart(std::string& field, Date today);

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
