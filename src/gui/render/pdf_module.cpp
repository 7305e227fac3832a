// The entry point of corvella-pdf.so: the desktop program's renderer behind a plain C call, so
// that no exception and no Qt type crosses into the program that opened it.
#include "gui/render/pdf_module.h"

#include <cstring>
#include <exception>
#include <type_traits>

#include "common/errors.h"
#include "gui/render/pdf_file.h"

namespace {

void copyReason(const char* reason, char* error, std::size_t errorSize) {
    if (!error || errorSize == 0) return;
    std::strncpy(error, reason, errorSize - 1);
    error[errorSize - 1] = '\0';
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool corvella_write_pdf_v1(
    const corvella::TextPage* page, const char* path, char* error, std::size_t errorSize) {
    static_assert(
        std::is_same_v<decltype(&corvella_write_pdf_v1), corvella::render::WritePdfFunction>);
    try {
        corvella::writePdfFile(*page, path);
        return true;
    } catch (const std::exception& e) {
        copyReason(e.what(), error, errorSize);
    } catch (...) {
        copyReason("the renderer failed", error, errorSize);
    }
    return false;
}
