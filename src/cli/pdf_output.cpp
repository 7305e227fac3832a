#include "cli/pdf_output.h"

#include "common/errors.h"

#ifdef CORVELLA_HAVE_PDF
#include <dlfcn.h>

#include <system_error>
#include <vector>

#include "gui/render/pdf_module.h"
#endif

namespace corvella::cli {

#ifdef CORVELLA_HAVE_PDF

namespace {

struct Module {
    render::WritePdfFunction write = nullptr;
    std::string problem;
};

// Only beside the program, never through the loader's search path: a module is code.
std::vector<std::filesystem::path> modulePlaces() {
    std::error_code ec;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const auto folder = program.parent_path();
    return {folder / render::kPdfModuleFile,
            folder / ".." / CORVELLA_PDF_MODULE_DIR / render::kPdfModuleFile};
}

Module openModule() {
    Module m;
    std::string tried;
    for (const auto& place : modulePlaces()) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(place, ec)) {
            tried += (tried.empty() ? "" : ", ") + place.lexically_normal().string();
            continue;
        }
        void* handle = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = dlerror();
            m.problem = "the PDF module " + place.string() +
                        " cannot be opened: " + (why ? why : "unknown reason") +
                        "; reinstall corvella or use --text";
            return m;
        }
        m.write =
            reinterpret_cast<render::WritePdfFunction>(dlsym(handle, render::kPdfModuleEntry));
        if (!m.write)
            m.problem = "the PDF module " + place.string() +
                        " is not this version's; reinstall corvella or use --text";
        return m;  // left open until the program ends
    }
    m.problem =
        "the PDF module is missing (looked for " + tried + "); reinstall corvella or use --text";
    return m;
}

const Module& module() {
    static const Module m = openModule();
    return m;
}

}  // namespace

std::string pdfUnavailable() {
    return module().problem;
}

void writePdf(const TextPage& page, const std::filesystem::path& path) {
    char reason[512] = {};
    if (!module().write) throw Error(module().problem);
    if (!module().write(&page, path.c_str(), reason, sizeof reason)) throw Error(reason);
}

#else

std::string pdfUnavailable() {
    return "this build has no PDF output (it was built without Qt); use --text";
}

void writePdf(const TextPage&, const std::filesystem::path&) {
    throw Error(pdfUnavailable());
}

#endif

}  // namespace corvella::cli
