// The hours file of a payroll run: what it reads, the damage it refuses, and what its
// writer writes reading back the same.
#include "store/hours_file.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace corvella {
namespace {

HoursLine hours(std::string name, std::array<std::string, 8> boxes, bool ot2x = false,
                std::optional<int> row = std::nullopt) {
    HoursLine h;
    h.name = std::move(name);
    h.boxes = std::move(boxes);
    h.ot2x = ot2x;
    h.row = row;
    return h;
}

void expectSame(const std::vector<HoursLine>& got, const std::vector<HoursLine>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(want[i].name);
        EXPECT_EQ(got[i].name, want[i].name);
        EXPECT_EQ(got[i].boxes, want[i].boxes);
        EXPECT_EQ(got[i].ot2x, want[i].ot2x);
        EXPECT_EQ(got[i].row, want[i].row);
    }
}

const char kHeader[] = "name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row";

TEST(HoursFile, ReadsQuotedFieldsAndEitherLineEnd) {
    const std::string bytes = std::string(kHeader) +
                              "\r\n"
                              "\"Smith, \"\"Jo\"\" Ann\",40,2.5,,,,,,,1,7\r\n"
                              "Lee,\"1,5\",\"two\r\nlines\",, x ,,,,,,\n"
                              "O'Hara,38,,,,,,,,,053";
    const auto lines = readHoursFile(bytes, "HOURS.csv");
    expectSame(lines, {
                          hours("Smith, \"Jo\" Ann", {"40", "2.5"}, true, 7),
                          hours("Lee", {"1,5", "two\r\nlines", "", " x "}),
                          hours("O'Hara", {"38"}, false, 53),
                      });
    EXPECT_EQ(lines[0].line, 2);
    EXPECT_EQ(lines[1].line, 3);
    EXPECT_EQ(lines[2].line, 5);  // the quoted line end of Lee's box1 counts
}

TEST(HoursFile, SkipsAByteOrderMarkAndBlankLinesAtTheEnd) {
    const std::string bytes = "\xEF\xBB\xBF" + std::string(kHeader) + "\nAl,8,,,,,,,,,\n\r\n\n \n";
    expectSame(readHoursFile(bytes, "HOURS.csv"), {hours("Al", {"8"})});
    expectSame(readHoursFile(std::string(kHeader) + "\r\n", "HOURS.csv"), {});
}

TEST(HoursFile, RowColumnMayBeLeftOut) {
    const std::string bytes =
        "name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x\r\n"
        "Al,8,,,,,,,,1\r\n";
    expectSame(readHoursFile(bytes, "HOURS.csv"), {hours("Al", {"8"}, true)});
    // Without the column, a line carrying a row has one field too many.
    EXPECT_THROW(readHoursFile(bytes + "Bo,8,,,,,,,,,5\r\n", "HOURS.csv"), ReadError);
}

TEST(HoursFile, DamageIsRefusedNamingTheLineAndTheProblem) {
    const std::string h = std::string(kHeader) + "\r\n";
    const std::string noRow = "name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x\r\n";
    const struct {
        std::string bytes;
        int line;
        const char* said;
    } cases[] = {
        {"", 1, "the file is empty"},
        {"\r\n" + h, 1, "the first line is blank"},
        {"name,box0,box1,box2,box3,box4,box5,box6,ot2x,row\r\n", 1, "no column \"box7\""},
        {"name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row,extra\r\n", 1,
         "\"extra\" is not one of"},
        {"Name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row\r\n", 1, "\"Name\" is not one of"},
        {"name,box0,box1,box2,box3,box4,box5,box6,box7,row\r\n", 1, "no column \"ot2x\""},
        {"name,box1,box0,box2,box3,box4,box5,box6,box7,ot2x,row\r\n", 1,
         "\"box1\" stands where \"box0\" belongs"},
        {"name,box0,box1,box2,box3,box4,box5,box6,box7,row,ot2x\r\n", 1,
         "\"row\" stands where \"ot2x\" belongs"},
        {"name,box0,box0,box2,box3,box4,box5,box6,box7,ot2x,row\r\n", 1, "\"box0\" twice"},
        {"name,box0,box1,,box3,box4,box5,box6,box7,ot2x,row\r\n", 1, "column 4 of the header"},
        {h + "Al,8,,,,,,,,,\r\nBo,8,,,,,,,,\r\n", 3, "10 fields where the header has 11"},
        {h + "Al,8,,,,,,,,,,\r\n", 2, "12 fields where the header has 11"},
        {noRow + "Al,8,,,,,,,,,\r\n", 2, "11 fields where the header has 10"},
        {h + "Al,8,,,,,,,,,\r\n\r\nBo,8,,,,,,,,,\r\n", 3, "the line is blank"},
        {h + "Al,8,,,,,,,,,\r\n\"Bo,8,,,,,,,,,\r\nCy,8,,,,,,,,,\r\n", 3,
         "the quote that opens the name field is never closed"},
        {h + "Al,\"8\"x,,,,,,,,,\r\n", 2, "text follows the closing quote of the box0 field"},
        {h + "Al,8,,,,,,,,,\r\nBo,8,,1\"2,,,,,,,\r\n", 3, "a quote stands inside the box2 field"},
        {h + "Al \"Sonny\" Bo,8,,,,,,,,,\r\n", 2, "a quote stands inside the name field"},
        {h + "Al,8,,,,,,,,,\rBo,8,,,,,,,,,\r\n", 2, "a carriage return stands alone"},
        {h + "Al,8,,,,,,,,,\r\n,8,,,,,,,,,\r\n", 3, "the name is empty"},
        {h + "Al,8,,,,,,,,0,\r\n", 2, "the ot2x field \"0\" is neither empty nor 1"},
        {h + "Al,8,,,,,,,,yes,\r\n", 2, "the ot2x field \"yes\""},
        {h + "Al,8,,,,,,,, 1,\r\n", 2, "the ot2x field \" 1\""},
        {h + "Al,8,,,,,,,,, 1\r\n", 2, "the row \" 1\""},
        {h + "Al,8,,,,,,,,,0\r\n", 2, "the row \"0\" is not a whole number from 1 to 53"},
        {h + "Al,8,,,,,,,,,54\r\n", 2, "the row \"54\""},
        {h + "Al,8,,,,,,,,,7.0\r\n", 2, "the row \"7.0\""},
        {h + "Al,8,,,,,,,,,-7\r\n", 2, "the row \"-7\""},
        {h + "Al,8,,,,,,,,,99999999999999999999\r\n", 2, "the row \"99999999999999999999\""},
        {h + "Al,8,,,,,,,,,\r\nBo,,,,,,,,,,\r\n\"Al\",1,,,,,,,,,\r\n", 4,
         "the name \"Al\" is given twice, on line 2 and on line 4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        try {
            readHoursFile(c.bytes, "HOURS.csv");
            ADD_FAILURE() << "read";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file, "HOURS.csv");
            EXPECT_EQ(e.line, c.line) << e.what();
            EXPECT_NE(e.problem.find(c.said), std::string::npos) << e.what();
        }
    }
}

TEST(HoursFile, RefusesMoreEmployeesThanAnyRun) {
    std::string bytes = std::string(kHeader) + "\r\n";
    for (int i = 0; i < kMostHoursLines; ++i) bytes += "E" + std::to_string(i) + ",8,,,,,,,,,\r\n";
    EXPECT_EQ(readHoursFile(bytes, "HOURS.csv").size(), static_cast<size_t>(kMostHoursLines));
    bytes += "Last,8,,,,,,,,,\r\n";
    try {
        readHoursFile(bytes, "HOURS.csv");
        ADD_FAILURE() << "read";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.line, kMostHoursLines + 2);
    }
}

TEST(HoursFile, WhatIsWrittenReadsBackTheSame) {
    const std::vector<HoursLine> lines = {
        hours("Smith, \"Jo\" Ann", {"40", "2.5", "", "", "", "", "", "1,000"}, true, 53),
        hours(" Lee ", {"two\r\nlines", "\"", "cr\ralone", "lf\nalone"}, false, 1),
        hours("Zoë", {}),
    };
    for (bool withRow : {true, false}) {
        SCOPED_TRACE(withRow);
        std::vector<HoursLine> written = lines;
        if (!withRow)
            for (HoursLine& h : written) h.row.reset();
        expectSame(readHoursFile(writeHoursFile(written, withRow), "HOURS.csv"), written);
    }
    EXPECT_EQ(
        writeHoursFile({lines[0]}, true),
        std::string(kHeader) + "\r\n\"Smith, \"\"Jo\"\" Ann\",40,2.5,,,,,,\"1,000\",1,53\r\n");
    EXPECT_EQ(writeHoursFile({lines[2]}, false),
              "name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x\r\nZoë,,,,,,,,,\r\n");
}

TEST(HoursFile, WriterRefusesWhatCouldNotBeReadBack) {
    const std::vector<HoursLine> refused[] = {
        {hours("", {"8"})},
        {hours("Al", {"8"}), hours("Al", {"9"})},
        {hours("Al", {"8"}, false, 0)},
        {hours("Al", {"8"}, false, 54)},
    };
    for (const auto& lines : refused) EXPECT_THROW(writeHoursFile(lines, true), RangeError);
    // Written without its column, a row would be lost.
    EXPECT_THROW(writeHoursFile({hours("Al", {"8"}, false, 5)}, false), RangeError);
    std::vector<HoursLine> tooMany;
    for (int i = 0; i <= kMostHoursLines; ++i)
        tooMany.push_back(hours("E" + std::to_string(i), {}));
    EXPECT_THROW(writeHoursFile(tooMany, true), RangeError);
    tooMany.pop_back();
    EXPECT_NO_THROW(writeHoursFile(tooMany, true));
}

}  // namespace
}  // namespace corvella
