// The line format's reader: where each line of a layout ends and where the file ends.
#include "common/linefile.h"

#include <gtest/gtest.h>

#include <string>

#include "common/errors.h"

namespace corvella {
namespace {

// The problem and line of the ReadError that reading `bytes` as lines of `fields` gives,
// or "" when every line reads and nothing but blank lines follows.
std::pair<std::string, int> readLines(const std::string& bytes, std::initializer_list<int> fields) {
    FieldReader r(bytes, "Ann.dat");
    try {
        for (int n : fields) {
            for (int k = 0; k < n; ++k) r.raw();
            r.endLine();
        }
        r.expectEnd();
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, "Ann.dat");
        return {e.problem, e.line};
    }
    return {"", 0};
}

TEST(LineLayout, EachLineHoldsItsFieldsAndNothingFollowsTheLast) {
    struct Case {
        const char* name;
        const char* bytes;
        std::string problem;
        int line;
    } cases[] = {
        {"exact", "1,2\r\n3\r\n", "", 0},
        {"no line end at the end", "1,2\r\n3", "", 0},
        {"blank lines at the end", "1,2\r\n3\r\n\r\n \t\r\n\n", "", 0},
        {"blank lines before a line", "\r\n1,2\r\n\r\n3\r\n", "", 0},
        {"empty fields", ",\r\n\"\"\r\n", "", 0},
        {"a field more", "1,2,9\r\n3\r\n", "the line has more than its 2 fields", 1},
        {"an empty field more", "1,2,\r\n3\r\n", "the line has more than its 2 fields", 1},
        {"a field more on the last", "1,2\r\n3,\"x\"\r\n", "the line has more than its 1 field", 2},
        {"a field short", "1\r\n2,3\r\n", "the line has only 1 field", 1},
        {"a field short before blank lines", "1\r\n\r\n\r\n2\r\n", "the line has only 1 field", 1},
        {"a line more", "1,2\r\n3\r\n4\r\n", "the file has more than its 2 lines", 3},
        {"a line more after blank ones", "1,2\r\n3\r\n\r\n \r\nx",
         "the file has more than its 2 lines", 5},
        {"a comma more", "1,2\r\n3\r\n,\r\n", "the file has more than its 2 lines", 3},
        {"cut in a line", "1,2\r\n", "the file ends early", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [problem, line] = readLines(c.bytes, {2, 1});
        EXPECT_EQ(problem, c.problem);
        EXPECT_EQ(line, c.line);
    }
}

TEST(LineLayout, AtLineEndTellsWhetherTheLineGoesOn) {
    FieldReader r("1,2\r\n3\r\n", "Ann.dat");
    r.raw();
    EXPECT_FALSE(r.atLineEnd());
    r.raw();
    EXPECT_TRUE(r.atLineEnd());
    r.endLine();
    r.raw();
    EXPECT_TRUE(r.atLineEnd());
    r.endLine();
    EXPECT_TRUE(r.atEnd());
    EXPECT_NO_THROW(r.expectEnd());
}

}  // namespace
}  // namespace corvella
