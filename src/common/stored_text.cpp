#include "common/stored_text.h"

#include "common/linefile.h"

namespace corvella {

std::optional<std::string> storedTextProblem(std::string_view text) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return "holds a line break; keep it on one line";
    if (text.find('"') != std::string_view::npos)
        return "holds a double quote (\"), which the file cannot keep; use ' instead";
    return std::nullopt;
}

std::optional<std::string> middleInitialProblem(std::string_view text) {
    if (text.empty()) return std::nullopt;
    // One Latin-1 letter: the files hold Latin-1, and anything past it would read back '?'.
    const std::string one = utf8ToLatin1(text);
    const auto c = one.size() == 1 ? static_cast<unsigned char>(one[0]) : 0;
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= 0xC0 && c != 0xD7 && c != 0xF7 && latin1ToUtf8(one) == text);
    if (!letter) return "is not one letter; enter the initial alone, or leave it empty";
    return std::nullopt;
}

std::optional<std::string> stateLettersProblem(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const bool letters =
        text.size() == 2 && text[0] >= 'A' && text[0] <= 'Z' && text[1] >= 'A' && text[1] <= 'Z';
    if (!letters) return "is not a state's two capital letters, such as OH";
    return std::nullopt;
}

}  // namespace corvella
