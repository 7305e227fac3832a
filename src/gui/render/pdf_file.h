#pragma once
// A text page written as a PDF file, for a program without windows (no Qt in sight):
// Qt's GUI module is started on the offscreen platform when nothing started it before.
#include <filesystem>

#include "common/text_page.h"

namespace corvella {

// Replaces `path` whole with the page as a PDF (owner-only, as the employee's files);
// throws Error.
void writePdfFile(const TextPage& page, const std::filesystem::path& path);

}  // namespace corvella
