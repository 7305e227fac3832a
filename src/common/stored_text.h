#pragma once
// What a text field of a data file can keep: the line format has no escape, so a line
// break or a double quote would come back changed (or not at all).
#include <optional>
#include <string>
#include <string_view>

namespace corvella {

// Why `text` cannot be stored as it is typed ("holds a line break; keep it on one line"),
// or nothing.
std::optional<std::string> storedTextProblem(std::string_view text);

// Why `text` is not a middle initial (empty, or one letter that the files can keep), or
// nothing.
std::optional<std::string> middleInitialProblem(std::string_view text);

// Why `text` is not a state's two capital letters ("OH"), or nothing; empty is allowed.
std::optional<std::string> stateLettersProblem(std::string_view text);

}  // namespace corvella
