#pragma once
// Shared by the fuzz targets: each reads its input as one file kind and checks that what
// it read survives a write and a second read. A record holds floats kept in their 7-digit
// text, so "the same record" is the one that writes the same bytes: write(read(x)) read
// and written again must give those bytes back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/errors.h"

namespace corvella::fuzz {

[[noreturn]] inline void failed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

inline std::string input(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Reads `bytes` with `read` (which returns the record's written bytes); a ReadError is
// an ordinary answer to a damaged file. What was read must write, and read back to the
// same bytes.
template <class ReadThenWrite>
void roundTrip(const std::string& bytes, ReadThenWrite readThenWrite) {
    std::string first;
    try {
        first = readThenWrite(bytes);
    } catch (const ReadError&) {
        return;
    }
    std::string second;
    try {
        second = readThenWrite(first);
    } catch (const Error& e) {
        std::fprintf(stderr, "the written file does not read back: %s\n", e.what());
        std::abort();
    }
    if (second != first)
        failed("the written file reads back to another record", __FILE__, __LINE__);
}

}  // namespace corvella::fuzz

#define FUZZ_CHECK(cond) ((cond) ? (void)0 : ::corvella::fuzz::failed(#cond, __FILE__, __LINE__))
