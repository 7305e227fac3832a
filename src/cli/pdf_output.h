#pragma once
// PDF output through the renderer module, opened only when a PDF is asked for.
#include <filesystem>
#include <string>

#include "common/text_page.h"

namespace corvella::cli {

// Opens the PDF module once. Returns an empty text when PDFs can be written, otherwise
// what is wrong (this build has none, or the module cannot be opened).
std::string pdfUnavailable();

// Writes the page as a PDF; throws Error with the renderer's reason. Call after
// pdfUnavailable() returned an empty text.
void writePdf(const TextPage& page, const std::filesystem::path& path);

}  // namespace corvella::cli
