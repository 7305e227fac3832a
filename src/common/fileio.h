#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvella {

// True when the file can be opened for reading (it is closed again at once).
bool fileExists(const std::filesystem::path& path);

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Replaces the file atomically: a temporary file in the same folder is written,
// flushed to disk and renamed over the old one. On failure the old file is left as it
// was and WriteError is thrown.
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Test seam: when set, writes fail after this many bytes in total (a full disk).
void setWriteFailureAfterBytesForTesting(std::optional<size_t> bytes);

// Refuses a name that would leave the working folder; throws NameError with the
// message to show.
void checkEmployeeName(std::string_view name);

}  // namespace corvella
