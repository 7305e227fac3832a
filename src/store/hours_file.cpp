#include "store/hours_file.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "common/errors.h"

namespace corvella {

namespace {

constexpr std::string_view kColumns[] = {"name", "box0", "box1", "box2", "box3", "box4",
                                         "box5", "box6", "box7", "ot2x", "row"};
constexpr size_t kRowColumn = std::size(kColumns) - 1;
constexpr size_t kOt2xColumn = kRowColumn - 1;
constexpr char kLayout[] = "name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row";
constexpr int kFirstRow = 1;
constexpr int kLastRow = 53;

// A text as a message quotes it: a field may be as long as the file.
std::string shown(std::string_view t) {
    constexpr size_t kLongest = 40;
    if (t.size() <= kLongest) return "\"" + std::string(t) + "\"";
    size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(t[cut]) & 0xC0) == 0x80) --cut;
    return "\"" + std::string(t.substr(0, cut)) + "...\"";
}

bool isBlank(std::string_view t) {
    return t.find_first_not_of(" \t") == std::string_view::npos;
}

bool isBlankLine(const std::vector<std::string>& fields) {
    return fields.size() == 1 && isBlank(fields[0]);
}

// RFC 4180 fields, one line of them at a time; a line may span several lines of the file
// when a quoted field holds line ends.
class CsvReader {
  public:
    CsvReader(const std::string& bytes, const std::string& fileName)
        : data_(bytes), name_(fileName) {
        if (data_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    }

    // Whether only blank lines are left.
    bool atEnd() const {
        const size_t p = data_.find_first_not_of(" \t\r\n", pos_);
        return p == std::string::npos;
    }

    std::vector<std::string> next() {
        std::vector<std::string> fields;
        start_ = line_;
        const size_t n = data_.size();
        for (;;) {
            std::string field;
            if (pos_ < n && data_[pos_] == '"') {
                const int opened = line_;
                ++pos_;
                for (;;) {
                    const size_t q = data_.find('"', pos_);
                    if (q == std::string::npos)
                        fail(opened, "the quote that opens " + fieldName(fields.size()) +
                                         " is never closed");
                    line_ +=
                        static_cast<int>(std::count(data_.begin() + pos_, data_.begin() + q, '\n'));
                    field.append(data_, pos_, q - pos_);
                    pos_ = q + 1;
                    if (pos_ >= n || data_[pos_] != '"') break;
                    field += '"';
                    ++pos_;
                }
                if (pos_ < n && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n')
                    fail(line_, "text follows the closing quote of " + fieldName(fields.size()) +
                                    "; a quote inside a quoted field must be doubled");
            } else {
                size_t end = data_.find_first_of(",\r\n\"", pos_);
                if (end == std::string::npos) end = n;
                if (end < n && data_[end] == '"')
                    fail(line_, "a quote stands inside " + fieldName(fields.size()) +
                                    ", which is not in quotes; a field holding a quote must be "
                                    "quoted, with the quote doubled");
                field.assign(data_, pos_, end - pos_);
                pos_ = end;
            }
            fields.push_back(std::move(field));
            if (pos_ >= n) return fields;
            if (data_[pos_] == ',') {
                ++pos_;
                continue;
            }
            // Only CR LF or LF ends a line: a lone CR is an old line end or damage, and read
            // as text it would run two employees together.
            if (data_[pos_] == '\r' && (pos_ + 1 >= n || data_[pos_ + 1] != '\n'))
                fail(line_,
                     "a carriage return stands alone outside quotes; lines end in CR LF or LF");
            pos_ += data_[pos_] == '\r' ? 2 : 1;
            ++line_;
            return fields;
        }
    }

    int line() const { return start_; }  // of the fields next() gave
    void setColumns(const std::vector<std::string>& columns) { columns_ = columns; }

    [[noreturn]] void fail(int line, const std::string& what) const {
        throw ReadError(name_, line, what);
    }

  private:
    std::string fieldName(size_t i) const {
        if (columns_.empty()) return "column " + std::to_string(i + 1) + " of the header";
        if (i < columns_.size()) return "the " + columns_[i] + " field";
        return "field " + std::to_string(i + 1);
    }

    const std::string& data_;
    const std::string& name_;
    size_t pos_ = 0;
    int line_ = 1;
    int start_ = 1;
    std::vector<std::string> columns_;
};

// Why `header` is not the layout's; empty when it is.
std::string headerProblem(const std::vector<std::string>& header) {
    const auto known = [](std::string_view c) {
        return std::find(std::begin(kColumns), std::end(kColumns), c) != std::end(kColumns);
    };
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i].empty())
            return "column " + std::to_string(i + 1) + " of the header has no name";
        if (!known(header[i]))
            return "the header's column " + shown(header[i]) + " is not one of " + kLayout;
    }
    std::unordered_set<std::string_view> seen;
    for (const std::string& c : header)
        if (!seen.insert(c).second) return "the header names the column " + shown(c) + " twice";
    for (size_t k = 0; k < kRowColumn; ++k)
        if (!seen.contains(kColumns[k]))
            return "the header has no column " + shown(kColumns[k]) + "; it must be " + kLayout +
                   " (row may be left out)";
    for (size_t i = 0; i < header.size(); ++i)
        if (header[i] != kColumns[i])
            return "the header's columns are out of order: " + shown(header[i]) + " stands where " +
                   shown(kColumns[i]) + " belongs; the order is " + kLayout;
    return {};
}

// A whole number from 1 to 53, leading zeros allowed; nothing for any other text.
std::optional<int> rowNumber(std::string_view t) {
    if (t.empty() || t.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    t.remove_prefix(std::min(t.find_first_not_of('0'), t.size()));
    if (t.size() > 2) return std::nullopt;
    int v = 0;
    for (char c : t) v = v * 10 + (c - '0');
    if (v < kFirstRow || v > kLastRow) return std::nullopt;
    return v;
}

std::string fieldsText(size_t n) {
    return std::to_string(n) + (n == 1 ? " field" : " fields");
}

}  // namespace

std::vector<HoursLine> readHoursFile(const std::string& bytes, const std::string& fileName) {
    CsvReader r(bytes, fileName);
    if (r.atEnd())
        r.fail(1, std::string("the file is empty; its first line must be the header ") + kLayout);
    std::vector<std::string> header = r.next();
    if (isBlankLine(header))
        r.fail(1, std::string("the first line is blank; it must be the header ") + kLayout);
    if (std::string problem = headerProblem(header); !problem.empty()) r.fail(1, problem);
    const bool withRow = header.size() == std::size(kColumns);
    r.setColumns(header);

    std::vector<HoursLine> lines;
    std::unordered_map<std::string, int> lineOfName;
    while (!r.atEnd()) {
        std::vector<std::string> fields = r.next();
        const int at = r.line();
        if (isBlankLine(fields)) r.fail(at, "the line is blank; blank lines may only end the file");
        if (lines.size() == static_cast<size_t>(kMostHoursLines))
            r.fail(at, "the file has more than " + std::to_string(kMostHoursLines) +
                           " employees; no payroll run is that large");
        if (fields.size() != header.size())
            r.fail(at, "the line has " + fieldsText(fields.size()) + " where the header has " +
                           fieldsText(header.size()));
        HoursLine h;
        h.line = at;
        h.name = std::move(fields[0]);
        if (h.name.empty()) r.fail(at, "the name is empty");
        for (size_t b = 0; b < h.boxes.size(); ++b) h.boxes[b] = std::move(fields[b + 1]);
        const std::string& ot2x = fields[kOt2xColumn];
        if (!ot2x.empty() && ot2x != "1")
            r.fail(at, "the ot2x field " + shown(ot2x) + " is neither empty nor 1");
        h.ot2x = ot2x == "1";
        if (withRow && !fields[kRowColumn].empty()) {
            h.row = rowNumber(fields[kRowColumn]);
            if (!h.row)
                r.fail(at, "the row " + shown(fields[kRowColumn]) + " is not a whole number from " +
                               std::to_string(kFirstRow) + " to " + std::to_string(kLastRow));
        }
        const auto [first, added] = lineOfName.try_emplace(h.name, at);
        if (!added)
            r.fail(at, "the name " + shown(h.name) + " is given twice, on line " +
                           std::to_string(first->second) + " and on line " + std::to_string(at));
        lines.push_back(std::move(h));
    }
    return lines;
}

namespace {

void putField(std::string& out, std::string_view f) {
    if (f.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += f;
        return;
    }
    out += '"';
    for (char c : f) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string writeHoursFile(const std::vector<HoursLine>& lines, bool withRow) {
    if (lines.size() > static_cast<size_t>(kMostHoursLines))
        throw RangeError("a payroll run of " + std::to_string(lines.size()) +
                         " employees is more than the hours file may hold (" +
                         std::to_string(kMostHoursLines) + ")");
    std::unordered_set<std::string_view> names;
    for (const HoursLine& h : lines) {
        if (h.name.empty()) throw RangeError("an employee of the payroll run has no name");
        if (!names.insert(h.name).second)
            throw RangeError("the name " + shown(h.name) + " is given twice in the payroll run");
        if (h.row && !withRow)
            throw RangeError("the row of " + shown(h.name) +
                             " would be lost: the hours file is written without its row column");
        if (h.row && (*h.row < kFirstRow || *h.row > kLastRow))
            throw RangeError("the row " + std::to_string(*h.row) + " of " + shown(h.name) +
                             " is outside " + std::to_string(kFirstRow) + " to " +
                             std::to_string(kLastRow));
    }
    std::string out;
    for (size_t c = 0; c < (withRow ? std::size(kColumns) : kRowColumn); ++c) {
        if (c > 0) out += ',';
        out += kColumns[c];
    }
    out += "\r\n";
    for (const HoursLine& h : lines) {
        putField(out, h.name);
        for (const std::string& box : h.boxes) {
            out += ',';
            putField(out, box);
        }
        out += h.ot2x ? ",1" : ",";
        if (withRow) {
            out += ',';
            if (h.row) out += std::to_string(*h.row);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace corvella
