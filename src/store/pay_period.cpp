#include "store/pay_period.h"

#include <cfloat>
#include <cmath>
#include <tuple>

#include "common/errors.h"
#include "common/field_range.h"
#include "common/fileio.h"
#include "common/linefile.h"
#include "common/number.h"

namespace corvella {

namespace {

auto key(Date d) {
    return std::tuple(d.year, d.month, d.day);
}

int daysIn(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Digits from `pos` up to `maxDigits` of them; nothing when there is none.
std::optional<int> digits(std::string_view t, size_t& pos, size_t maxDigits) {
    size_t start = pos;
    int v = 0;
    while (pos < t.size() && pos - start < maxDigits && t[pos] >= '0' && t[pos] <= '9')
        v = v * 10 + (t[pos++] - '0');
    if (pos == start) return std::nullopt;
    return v;
}

}  // namespace

std::string shortDate(Date d) {
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

std::optional<Date> readShortDate(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return std::nullopt;
    text = text.substr(b, text.find_last_not_of(' ') - b + 1);
    size_t pos = 0;
    auto month = digits(text, pos, 2);
    if (!month || pos >= text.size() || (text[pos] != '/' && text[pos] != '-')) return std::nullopt;
    const char sep = text[pos++];
    auto day = digits(text, pos, 2);
    if (!day || pos >= text.size() || text[pos++] != sep) return std::nullopt;
    const size_t yearAt = pos;
    auto year = digits(text, pos, 4);
    if (!year || pos != text.size()) return std::nullopt;
    const size_t yearDigits = pos - yearAt;
    if (yearDigits == 2)
        *year += 2000;
    else if (yearDigits != 4)
        return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > daysIn(*year, *month)) return std::nullopt;
    return Date{*year, *month, *day};
}

CalendarRange calendarOf(const std::vector<int>& years) {
    const int first = years.empty() ? 2015 : years.front();
    const int last = years.empty() ? 2015 : years.back();
    return {Date{first - 1, 12, 1}, Date{last + 1, 1, 31}};
}

bool inCalendarRange(Date d, const CalendarRange& range) {
    return key(range.first) <= key(d) && key(d) <= key(range.last);
}

Date pickerStart(std::string& field, Date today, const CalendarRange& range) {
    const Date fallback{range.last.year - 1, 1, 1};
    const Date calendarToday = inCalendarRange(today, range) ? today : fallback;
    if (field.empty()) return calendarToday;
    auto d = readShortDate(field);
    if (d && inCalendarRange(*d, range)) return *d;
    field = shortDate(today);
    return calendarToday;
}

namespace {

// Hours and amounts of one pay period, as the boxes and captions hold them.
constexpr NumberField kPeriodFigure{"pay period figure", ranges::kAmount};

}  // namespace

std::string writePayPeriodFile(const PayPeriodValues& v) {
    LineWriter w;
    for (float x : v) w.number(x, kPeriodFigure).endLine();
    return w.bytes();
}

PayPeriodValues readPayPeriodFile(const std::string& bytes, const std::string& fileName) {
    PayPeriodValues v{};
    FieldReader r(bytes, fileName);
    for (float& x : v) {
        x = r.number(kPeriodFigure);
        r.endLine();
    }
    r.expectEnd();
    return v;
}

std::string payPeriodFileName(const std::string& week, const std::string& name) {
    std::string date = week;
    for (char& c : date)
        if (c == '/') c = '_';
    bool bad = date.find('\\') != std::string::npos || date.find("..") != std::string::npos;
    for (unsigned char c : date)
        if (c < 0x20 || c == 0x7F) bad = true;
    if (bad)
        throw NameError("The week ending \"" + week +
                        "\" cannot be part of a file name: it may not hold \"\\\", \"..\" or a "
                        "control character. Click the WEEK ENDING box to choose the date, then "
                        "save the pay period again.");
    std::string file;
    file.append(date).append("  ").append(name).append(".prv");
    if (file.size() > kLongestFileName)
        throw NameError(
            "The pay period's file name would be too long. Shorten the week ending "
            "text, then save the pay period again.");
    return file;
}

std::string weekOfPayPeriodFile(const std::string& fileName) {
    std::string week = fileName;
    for (size_t i = 0; i < week.size() && i < 8; ++i)
        if (week[i] == '_') week[i] = '/';
    return week.substr(0, 10);
}

bool isPayPeriodFile(const std::string& fileName) {
    const auto blanks = fileName.find("  ");
    return blanks != std::string::npos && blanks > 0 && fileName.size() > blanks + 6 &&
           fileName.compare(fileName.size() - 4, 4, ".prv") == 0;
}

bool isPayPeriodOf(const std::string& fileName, const std::string& name) {
    std::string tail = "  ";
    tail.append(name).append(".prv");
    return fileName.size() >= tail.size() &&
           fileName.compare(fileName.size() - tail.size(), tail.size(), tail) == 0;
}

std::string employeeOfPayPeriodFile(const std::string& fileName) {
    const auto blanks = fileName.find("  ");
    std::string name = blanks == std::string::npos ? fileName : fileName.substr(blanks + 2);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".prv") == 0)
        name.resize(name.size() - 4);
    return name;
}

std::optional<double> captionNumber(std::string_view caption) {
    std::string t;
    for (char c : caption)
        if (c != '$' && c != ',') t += c;
    return strictNumber(t);
}

}  // namespace corvella
