#include "common/linefile.h"

#include <cfloat>
#include <cmath>

#include "common/errors.h"
#include "common/number.h"

namespace corvella {

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string utf8ToLatin1(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        int len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + len > s.size()) {  // not UTF-8: keep the byte as it is
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        uint32_t cp = c & (0x7F >> len);
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        out += cp <= 0xFF ? static_cast<char>(cp) : '?';
        i += len;
    }
    return out;
}

void LineWriter::sep() {
    if (lineStarted_) out_ += ',';
    lineStarted_ = true;
}

LineWriter& LineWriter::text(std::string_view s) {
    sep();
    std::string t = utf8ToLatin1(s);
    for (char& c : t)
        if (c == '"') c = '\'';
    out_ += '"';
    out_ += t;
    out_ += '"';
    return *this;
}

LineWriter& LineWriter::number(float v) {
    sep();
    out_ += floatText(v);
    return *this;
}

LineWriter& LineWriter::number(double v) {
    sep();
    out_ += doubleText(v);
    return *this;
}

namespace {

void checkWritten(const std::string& text, const NumberField& f) {
    auto back = strictNumber(text);
    if (!back || !f.range.contains(*back)) throw RangeError(outsideRangeText(f, text));
}

}  // namespace

LineWriter& LineWriter::number(float v, const NumberField& f) {
    checkWritten(std::isfinite(v) ? floatText(v) : std::string("a non-number"), f);
    return number(v);
}

LineWriter& LineWriter::number(double v, const NumberField& f) {
    checkWritten(std::isfinite(v) ? doubleText(v) : std::string("a non-number"), f);
    return number(v);
}

LineWriter& LineWriter::integer(int v, const NumberField& f) {
    checkWritten(std::to_string(v), f);
    return integer(v);
}

LineWriter& LineWriter::text(std::string_view s, const ChoiceField& f) {
    if (!f.allows(s)) throw RangeError(notAChoiceText(f, s));
    return text(s);
}

LineWriter& LineWriter::integer(int v) {
    sep();
    out_ += std::to_string(v);
    return *this;
}

LineWriter& LineWriter::truth(bool v) {
    sep();
    out_ += v ? "#TRUE#" : "#FALSE#";
    return *this;
}

LineWriter& LineWriter::empty() {
    sep();
    return *this;
}

LineWriter& LineWriter::raw(std::string_view fieldSource) {
    sep();
    out_ += fieldSource;
    return *this;
}

LineWriter& LineWriter::endLine() {
    out_ += "\r\n";
    lineStarted_ = false;
    return *this;
}

FieldReader::FieldReader(std::string bytes, std::string fileName)
    : data_(std::move(bytes)), name_(std::move(fileName)) {}

void FieldReader::fail(const std::string& what) const {
    throw ReadError(name_, line_, what);
}

namespace {

std::string fieldsText(int n) {
    return std::to_string(n) + (n == 1 ? " field" : " fields");
}

}  // namespace

void FieldReader::endLine() {
    if (afterComma_) fail("the line has more than its " + fieldsText(fieldsInLine_));
    fieldsInLine_ = 0;
    ++linesRead_;
}

void FieldReader::expectEnd() {
    int line = line_;
    for (size_t p = pos_; p < data_.size(); ++p) {
        const char c = data_[p];
        if (c == '\n') {
            ++line;
        } else if (c != '\r' && c != ' ' && c != '\t') {
            throw ReadError(name_, line,
                            "the file has more than its " + std::to_string(linesRead_) + " lines");
        }
    }
}

bool FieldReader::atEnd() const {
    size_t p = pos_;
    while (p < data_.size() && (data_[p] == '\r' || data_[p] == '\n' || data_[p] == ' ')) ++p;
    return p >= data_.size() && !afterComma_;
}

FieldReader::Field FieldReader::next() {
    const size_t n = data_.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    if (!afterComma_) {
        // The line ended before its last field: read on, every later field would shift.
        if (fieldsInLine_ > 0)
            throw ReadError(name_, lineStart_, "the line has only " + fieldsText(fieldsInLine_));
        // A line's first field: skip empty lines.
        while (pos_ < n && (data_[pos_] == '\r' || data_[pos_] == '\n')) {
            if (data_[pos_] == '\n') ++line_;
            ++pos_;
        }
        if (pos_ >= n) fail("the file ends early");
    }
    afterComma_ = false;
    if (fieldsInLine_++ == 0) lineStart_ = line_;
    while (pos_ < n && isBlank(data_[pos_])) ++pos_;
    Field f;
    size_t start = pos_;
    if (pos_ < n && data_[pos_] == '"') {
        size_t close = data_.find('"', pos_ + 1);
        size_t eol = data_.find_first_of("\r\n", pos_ + 1);
        if (close == std::string::npos || (eol != std::string::npos && eol < close))
            fail("a quoted text is not closed");
        f.value = data_.substr(pos_ + 1, close - pos_ - 1);
        f.quoted = true;
        pos_ = close + 1;
        while (pos_ < n && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n') {
            if (!isBlank(data_[pos_])) f.strayQuote = true;  // text after the closing quote
            ++pos_;
        }
    } else {
        while (pos_ < n && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
        f.value = data_.substr(start, pos_ - start);
        while (!f.value.empty() && isBlank(f.value.back())) f.value.pop_back();
        f.strayQuote = f.value.find('"') != std::string::npos;
    }
    f.source = data_.substr(start, pos_ - start);
    while (!f.source.empty() && isBlank(f.source.back())) f.source.pop_back();
    if (pos_ < n && data_[pos_] == ',') {
        ++pos_;
        afterComma_ = true;
    } else if (pos_ < n) {
        // One line end, however many CRs stand before its LF.
        while (pos_ < n && data_[pos_] == '\r') ++pos_;
        if (pos_ < n && data_[pos_] == '\n') ++pos_;
        ++line_;
    }
    return f;
}

// The format has no escape, so a quote anywhere but around a whole text is damage:
// read on, the text would change (and be written back changed) without a word.
void FieldReader::strayQuote(const Field& f, int line) const {
    throw ReadError(name_, line, "a quote is out of place in " + latin1ToUtf8(f.source));
}

std::string FieldReader::text() {
    int line = line_;
    Field f = next();
    if (f.strayQuote) strayQuote(f, line);
    return latin1ToUtf8(f.value);
}

std::string FieldReader::raw() {
    return next().source;
}

double FieldReader::numberOf(const Field& f, int line) const {
    if (f.value.empty()) return 0.0;
    if (f.value == "#TRUE#") return -1.0;
    if (f.value == "#FALSE#") return 0.0;
    if (f.strayQuote) strayQuote(f, line);
    auto v = strictNumber(f.value);
    if (!v) throw ReadError(name_, line, "\"" + f.source + "\" is not a number");
    return *v;
}

double FieldReader::number64() {
    int line = line_;
    Field f = next();
    return numberOf(f, line);
}

double FieldReader::number64(const NumberField& range) {
    int line = line_;
    Field f = next();
    double v = numberOf(f, line);
    if (!range.range.contains(v)) throw ReadError(name_, line, outsideRangeText(range, f.source));
    return v;
}

namespace {

// A value too small for a normal float is read as 0, as one too small for a double is:
// its 7-digit text would read back as another value each time it is written.
float toFloat(double v) {
    return std::fabs(v) < FLT_MIN ? 0.0f : static_cast<float>(v);
}

}  // namespace

float FieldReader::number(const NumberField& f) {
    return toFloat(number64(f));  // every range lies within float range
}

int16_t FieldReader::integer(const NumberField& f) {
    int line = line_;
    Field field = next();
    double v = numberOf(field, line);
    if (!f.range.contains(v) || v != std::nearbyint(v))
        throw ReadError(name_, line, outsideRangeText(f, field.source));
    return static_cast<int16_t>(v);
}

std::string FieldReader::text(const ChoiceField& f) {
    int line = line_;
    Field field = next();
    if (field.strayQuote) strayQuote(field, line);
    std::string t = latin1ToUtf8(field.value);
    if (!f.allows(t)) throw ReadError(name_, line, notAChoiceText(f, t));
    return t;
}

float FieldReader::number() {
    int line = line_;
    double v = number64();
    if (std::fabs(v) > FLT_MAX) throw ReadError(name_, line, "a number is too large");
    return toFloat(v);
}

int16_t FieldReader::integer() {
    int line = line_;
    double v = std::nearbyint(number64());  // halves to even, as every integer conversion here
    if (v < -32768.0 || v > 32767.0) throw ReadError(name_, line, "a number is out of range");
    return static_cast<int16_t>(v);
}

}  // namespace corvella
