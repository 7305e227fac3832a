#pragma once
// The hours of a payroll run (HOURS.csv): one line per employee with the texts to type
// into the eight entry boxes, whether overtime pays double, and the run's row to use.
// A CSV file as spreadsheets write it, so that hours can be prepared in one.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace corvella {

struct HoursLine {
    std::string name;
    // As written: the run types them through the boxes' key filters, which judge them.
    std::array<std::string, 8> boxes;
    bool ot2x = false;
    std::optional<int> row;  // none: the run's default
    int line = 0;            // its line in the file, for messages
};

// No run pays more employees than this; a longer file is refused rather than read.
inline constexpr int kMostHoursLines = 100000;

// The header row name,box0,...,box7,ot2x,row (row may be left out), then the lines.
// Whole or nothing: throws ReadError naming the line and what is wrong there.
std::vector<HoursLine> readHoursFile(const std::string& bytes, const std::string& fileName);
// CR LF lines, a field quoted only when it must be. Throws RangeError for what the
// reader would refuse: an empty or repeated name, a row outside 1 to 53, a row without
// `withRow`, too many lines.
std::string writeHoursFile(const std::vector<HoursLine>& lines, bool withRow);

}  // namespace corvella
