#pragma once
// The PDF writer as a module of its own, which corvella-cli opens only when a PDF is asked
// for: its other commands then start without loading Qt. No Qt in this header.
#include <cstddef>

#include "common/text_page.h"

namespace corvella::render {

// The module's file name, and where it is looked for beside the program: in the
// program's own folder (a build tree), then in this folder relative to that one.
inline constexpr const char* kPdfModuleFile = "corvella-pdf.so";
inline constexpr const char* kPdfModuleEntry = "corvella_write_pdf_v1";

// Replaces `path` whole with the page as a PDF. Returns true, or false with the reason in
// `error` (cut to `errorSize` bytes, ended by a NUL).
using WritePdfFunction = bool (*)(const TextPage* page, const char* path, char* error,
                                  std::size_t errorSize);

}  // namespace corvella::render
