#include "federal/tax_year.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "common/errors.h"
#include "common/exact_decimal.h"
#include "common/fileio.h"

namespace corvella {

Schedule scheduleFor(W4Form::Status status, bool step2) {
    switch (status) {
        case W4Form::Status::MarriedJointly:
            return step2 ? Schedule::MarriedJointlyStep2 : Schedule::MarriedJointlyStandard;
        case W4Form::Status::HeadOfHousehold:
            return step2 ? Schedule::HeadOfHouseholdStep2 : Schedule::HeadOfHouseholdStandard;
        case W4Form::Status::SingleOrSeparate:
            break;
    }
    return step2 ? Schedule::SingleStep2 : Schedule::SingleStandard;
}

namespace {

using namespace tax_year_fields;

// A figure's places in the file: the number of decimals its integer counts.
enum class Unit { Cents, Millionths, Count };

int decimalsOf(Unit u) {
    return u == Unit::Cents ? kCentDecimals : u == Unit::Millionths ? kPercentDecimals : 0;
}

std::string textOf(int64_t value, Unit u) {
    return u == Unit::Cents ? centsText(value) : scaledText(value, decimalsOf(u));
}

// The file's figures, in the order the writer puts them. A count is an int, the rest int64.
struct Figure {
    std::string_view key;
    const NumberField& field;
    Unit unit;
    int64_t TaxYear::*wide;
    int TaxYear::*narrow;
};

const Figure kFigures[] = {
    {"year", kYear, Unit::Count, nullptr, &TaxYear::year},
    {"line-1g-married-jointly", kLine1gMarriedJointly, Unit::Cents,
     &TaxYear::line1gMarriedJointlyCents, nullptr},
    {"line-1g-other", kLine1gOther, Unit::Cents, &TaxYear::line1gOtherCents, nullptr},
    {"allowance", kAllowance, Unit::Cents, &TaxYear::allowanceCents, nullptr},
    {"social-security-rate", kSocialSecurityRate, Unit::Millionths,
     &TaxYear::socialSecurityRateMillionths, nullptr},
    {"social-security-wage-base", kSocialSecurityWageBase, Unit::Cents,
     &TaxYear::socialSecurityWageBaseCents, nullptr},
    {"medicare-rate", kMedicareRate, Unit::Millionths, &TaxYear::medicareRateMillionths, nullptr},
    {"additional-medicare-threshold", kAdditionalMedicareThreshold, Unit::Cents,
     &TaxYear::additionalMedicareThresholdCents, nullptr},
    {"additional-medicare-rate", kAdditionalMedicareRate, Unit::Millionths,
     &TaxYear::additionalMedicareRateMillionths, nullptr},
    {"periods-weekly", kPeriodsWeekly, Unit::Count, nullptr, &TaxYear::periodsWeekly},
    {"periods-biweekly", kPeriodsBiWeekly, Unit::Count, nullptr, &TaxYear::periodsBiWeekly},
};

int64_t valueOf(const TaxYear& t, const Figure& f) {
    return f.wide ? t.*f.wide : t.*f.narrow;
}

// By Schedule.
constexpr std::string_view kScheduleNames[kScheduleCount] = {"single-standard",
                                                             "single-step2",
                                                             "married-jointly-standard",
                                                             "married-jointly-step2",
                                                             "head-of-household-standard",
                                                             "head-of-household-step2"};

constexpr std::string_view kRowKey = "row", kScheduleKey = "schedule";

// A value whose text a message shows: long or unprintable text a damaged file may hold
// would bury the message.
std::string shown(std::string_view token) {
    constexpr size_t kLongest = 40;
    std::string out;
    for (char c : token.substr(0, kLongest)) {
        const auto u = static_cast<unsigned char>(c);
        out += u >= 0x20 && u < 0x7F ? c : '?';
    }
    if (token.size() > kLongest) out += "...";
    return out;
}

// The problem with a value's text for `field`, if any.
std::optional<std::string> valueProblem(std::string_view text, const ScaledDecimal& d,
                                        const NumberField& field, Unit unit) {
    using Problem = ScaledDecimal::Problem;
    const std::string name(field.name);
    switch (d.problem) {
        case Problem::NotANumber:
            return "the " + name + " \"" + shown(text) + "\" is not a number";
        case Problem::TooManyDecimals:
            if (unit == Unit::Count) return "the " + name + " " + shown(text) + " is not whole";
            return "the " + name + " " + shown(text) + " has more than " +
                   std::to_string(decimalsOf(unit)) + " decimals";
        case Problem::TooLarge:
            return outsideRangeText(field, shown(text));
        case Problem::None:
            break;
    }
    if (!scaledWithin(d.value, decimalsOf(unit), field.range))
        return outsideRangeText(field, shown(text));
    return std::nullopt;
}

// What is wrong with a schedule's rows, checked the same way by the reader (row by row)
// and the writer: none, the first not at 0, one not above the one before.
std::optional<std::string> rowProblem(const ScheduleRow* before, const ScheduleRow& row) {
    if (!before) {
        if (row.overCents != 0)
            return "the first row's over amount " + centsText(row.overCents) + " is not 0";
    } else if (row.overCents <= before->overCents) {
        return "the row's over amount " + centsText(row.overCents) +
               " is not above the row before's " + centsText(before->overCents);
    }
    return std::nullopt;
}

std::string noRowsText(Schedule s) {
    return "the schedule " + std::string(kScheduleNames[static_cast<size_t>(s)]) + " has no rows";
}

std::string fieldsText(size_t n) {
    return std::to_string(n) + (n == 1 ? " field" : " fields");
}

class Reader {
  public:
    Reader(const std::string& bytes, const std::string& fileName)
        : bytes_(bytes), name_(fileName) {}

    TaxYear read() {
        // Editors on some systems put a byte order mark at the start of a text they save.
        const std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        for (size_t start = bytes_.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
             start <= bytes_.size(); ++line_) {
            size_t end = bytes_.find('\n', start);
            if (end == std::string::npos) end = bytes_.size();
            readLine(std::string_view(bytes_).substr(start, end - start));
            start = end + 1;
        }
        --line_;  // the one after the last, where a missing line would have gone
        endSchedule();
        for (size_t i = 0; i < std::size(kFigures); ++i)
            if (figureLine_[i] == 0)
                fail("the file has no \"" + std::string(kFigures[i].key) + "\" line (the " +
                     std::string(kFigures[i].field.name) + ")");
        for (size_t s = 0; s < kScheduleCount; ++s)
            if (scheduleLine_[s] == 0)
                fail("the file has no schedule " + std::string(kScheduleNames[s]));
        return t_;
    }

  private:
    [[noreturn]] void fail(const std::string& problem) const {
        throw ReadError(name_, line_, problem);
    }

    void readLine(std::string_view text) {
        text = text.substr(0, text.find('#'));
        tokens_.clear();
        auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        for (size_t i = 0; i < text.size();) {
            while (i < text.size() && blank(text[i])) ++i;
            size_t j = i;
            while (j < text.size() && !blank(text[j])) ++j;
            if (j > i) tokens_.push_back(text.substr(i, j - i));
            i = j;
        }
        if (tokens_.empty()) return;
        if (tokens_[0] == kRowKey) return readRow();
        endSchedule();
        if (tokens_[0] == kScheduleKey) return startSchedule();
        const Figure* figure = nullptr;
        size_t index = 0;
        for (; index < std::size(kFigures); ++index)
            if (kFigures[index].key == tokens_[0]) {
                figure = &kFigures[index];
                break;
            }
        if (!figure) fail("\"" + shown(tokens_[0]) + "\" is not a line of this file");
        expectFields(2);
        firstTime(figureLine_[index], "the " + std::string(figure->field.name));
        const int64_t v = value(1, figure->field, figure->unit);
        if (figure->wide)
            t_.*figure->wide = v;
        else
            t_.*figure->narrow = static_cast<int>(v);  // a count's range is far within int
    }

    void startSchedule() {
        expectFields(2);
        const auto* name =
            std::find(std::begin(kScheduleNames), std::end(kScheduleNames), tokens_[1]);
        if (name == std::end(kScheduleNames)) {
            std::string known;
            for (std::string_view n : kScheduleNames)
                known.append(known.empty() ? "" : ", ").append(n);
            fail("\"" + shown(tokens_[1]) + "\" is not a schedule (" + known + ")");
        }
        const auto s = static_cast<size_t>(name - std::begin(kScheduleNames));
        firstTime(scheduleLine_[s], "the schedule " + std::string(*name));
        current_ = static_cast<Schedule>(s);
    }

    void readRow() {
        if (!current_)
            fail("a row stands outside a schedule: a schedule line goes before its rows");
        expectFields(4);
        ScheduleRow row;
        row.overCents = value(1, kRowOver, Unit::Cents);
        row.tentativeCents = value(2, kRowTentative, Unit::Cents);
        row.rateMillionths = value(3, kRowRate, Unit::Millionths);
        auto& rows = t_.schedules[static_cast<size_t>(*current_)];
        if (auto problem = rowProblem(rows.empty() ? nullptr : &rows.back(), row)) fail(*problem);
        rows.push_back(row);
    }

    // A schedule's rows end at the next figure or schedule line (blank and comment lines
    // do not end them).
    void endSchedule() {
        if (!current_) return;
        const Schedule s = *current_;
        current_.reset();
        if (t_.schedule(s).empty()) {
            line_ = scheduleLine_[static_cast<size_t>(s)];
            fail(noRowsText(s));
        }
    }

    void expectFields(size_t n) const {
        if (tokens_.size() > n) fail("the line has more than its " + fieldsText(n));
        if (tokens_.size() < n) fail("the line has only " + fieldsText(tokens_.size()));
    }

    void firstTime(int& seenOn, const std::string& what) const {
        if (seenOn != 0)
            fail(what + " is given again (first on line " + std::to_string(seenOn) + ")");
        seenOn = line_;
    }

    int64_t value(size_t token, const NumberField& field, Unit unit) const {
        const std::string_view text = tokens_[token];
        const ScaledDecimal d = parseScaled(text, decimalsOf(unit));
        if (auto problem = valueProblem(text, d, field, unit)) fail(*problem);
        return d.value;
    }

    const std::string& bytes_;
    const std::string& name_;
    int line_ = 1;
    std::vector<std::string_view> tokens_;
    TaxYear t_;
    int figureLine_[std::size(kFigures)] = {};
    int scheduleLine_[kScheduleCount] = {};
    std::optional<Schedule> current_;
};

void checkWritten(int64_t value, const NumberField& field, Unit unit) {
    const std::string text = textOf(value, unit);
    if (!scaledWithin(value, decimalsOf(unit), field.range))
        throw RangeError(outsideRangeText(field, text));
}

}  // namespace

std::string taxYearFileName(int year) {
    return "Federal" + std::to_string(year) + ".txt";
}

std::optional<int> taxYearOfFileName(const std::string& name) {
    constexpr std::string_view kPrefix = "Federal", kSuffix = ".txt";
    if (name.size() != kPrefix.size() + 4 + kSuffix.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(kSuffix))
        return std::nullopt;
    const std::string digits = name.substr(kPrefix.size(), 4);
    if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const int year = std::stoi(digits);
    if (!tax_year_fields::kYear.range.contains(year)) return std::nullopt;
    return year;
}

std::vector<int> installedTaxYears(const std::filesystem::path& folder) {
    std::vector<int> years;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const auto year = taxYearOfFileName(it->path().filename().string());
        if (year && fileExists(it->path())) years.push_back(*year);
    }
    std::sort(years.begin(), years.end());
    return years;
}

TaxYear readTaxYearFile(const std::string& bytes, const std::string& fileName) {
    return Reader(bytes, fileName).read();
}

std::string writeTaxYearFile(const TaxYear& t) {
    std::string out =
        "# Federal withholding figures for one tax year: amounts in dollars, rates in\n"
        "# percent. A schedule's rows are \"row OVER TENTATIVE-AMOUNT RATE\", each up to\n"
        "# the next row's OVER, the last without end.\n";
    for (const Figure& f : kFigures) {
        const int64_t v = valueOf(t, f);
        checkWritten(v, f.field, f.unit);
        out.append(f.key).append(" ").append(textOf(v, f.unit)).append("\n");
    }
    for (size_t s = 0; s < kScheduleCount; ++s) {
        const auto& rows = t.schedules[s];
        if (rows.empty()) throw RangeError(noRowsText(static_cast<Schedule>(s)));
        out.append("\nschedule ").append(kScheduleNames[s]).append("\n");
        const ScheduleRow* before = nullptr;
        for (const ScheduleRow& row : rows) {
            checkWritten(row.overCents, kRowOver, Unit::Cents);
            checkWritten(row.tentativeCents, kRowTentative, Unit::Cents);
            checkWritten(row.rateMillionths, kRowRate, Unit::Millionths);
            if (auto problem = rowProblem(before, row))
                throw RangeError(std::string(kScheduleNames[s]) + ": " + *problem);
            before = &row;
            out.append("row ")
                .append(centsText(row.overCents))
                .append(" ")
                .append(centsText(row.tentativeCents))
                .append(" ")
                .append(scaledText(row.rateMillionths, kPercentDecimals))
                .append("\n");
        }
    }
    return out;
}

}  // namespace corvella
