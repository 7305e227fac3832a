#pragma once
// The states whose withholding is a built-in computation rather than the bracket table,
// one check box each on the state tax screen.
#include <cstddef>

namespace corvella {

enum class SpecialState {
    Ariz,
    Louis,
    Iowa,
    Missouri,
    Mass,
    Oregon,
    Utah,
    Kentucky,
    Wiscon,
    WisconApril,
    NC,
    Alabama
};

inline constexpr int kSpecialStateCount = 12;

}  // namespace corvella
