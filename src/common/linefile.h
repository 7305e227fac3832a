#pragma once
// The text line format of every data file: CR LF lines of comma-separated fields;
// texts in double quotes, plain decimal numbers, #TRUE#/#FALSE#, empty fields.
// Files hold single-byte (Latin-1) text; the core holds UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/field_range.h"

namespace corvella {

std::string latin1ToUtf8(std::string_view bytes);
std::string utf8ToLatin1(std::string_view text);  // characters beyond Latin-1 become '?'

class LineWriter {
  public:
    LineWriter& text(std::string_view s);  // a '"' inside becomes '\'' (the format has no escape)
    LineWriter& number(float v);
    LineWriter& number(double v);
    // The same, refused with RangeError when the text written would read back outside
    // the field's range or is not one of its texts.
    LineWriter& number(float v, const NumberField& f);
    LineWriter& number(double v, const NumberField& f);
    LineWriter& integer(int v, const NumberField& f);
    LineWriter& text(std::string_view s, const ChoiceField& f);
    LineWriter& integer(int v);
    LineWriter& truth(bool v);
    LineWriter& empty();
    LineWriter& raw(std::string_view fieldSource);  // a reserved field, written back as read
    LineWriter& endLine();
    const std::string& bytes() const { return out_; }

  private:
    void sep();
    std::string out_;
    bool lineStarted_ = false;
};

// Reads fields in file order; a field ends at a comma or a line end. The caller reads a
// line's fields, then endLine(); after the last line, expectEnd(). A line with more or
// fewer fields than that, or text after the last line, is damage: read past, it would
// shift later fields or be dropped at the next save. Blank lines before a line's first
// field and at the end are skipped. Every failure throws ReadError naming the file and
// line.
class FieldReader {
  public:
    FieldReader(std::string bytes, std::string fileName);
    std::string text();
    float number();
    double number64();
    int16_t integer();  // a number or a truth value, into a 16-bit value
    std::string raw();  // the field's source text, for reserved fields
    // The same, refused with ReadError naming the field when the value is outside its
    // range or is not one of its texts.
    float number(const NumberField& f);
    double number64(const NumberField& f);
    int16_t integer(const NumberField& f);
    std::string text(const ChoiceField& f);
    // The line's fields are all read: throws ReadError when it holds another.
    void endLine();
    // The layout's lines are all read: throws ReadError when anything but blank lines
    // follows.
    void expectEnd();
    bool atEnd() const;
    bool atLineEnd() const { return !afterComma_; }  // the last field read ended its line
    int line() const { return line_; }
    const std::string& fileName() const { return name_; }

  private:
    struct Field {
        std::string value;
        bool quoted = false;
        bool strayQuote = false;  // a quote inside the field, or text after its closing one
        std::string source;
    };
    Field next();
    double numberOf(const Field& f, int line) const;
    [[noreturn]] void fail(const std::string& what) const;
    [[noreturn]] void strayQuote(const Field& f, int line) const;
    std::string data_;
    std::string name_;
    size_t pos_ = 0;
    int line_ = 1;
    bool afterComma_ = false;
    int fieldsInLine_ = 0;  // read since the last endLine()
    int lineStart_ = 1;     // the line those fields are on
    int linesRead_ = 0;
};

}  // namespace corvella
