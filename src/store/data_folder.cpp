#include "store/data_folder.h"

#include <cstdlib>

#include "common/errors.h"
#include "common/fileio.h"
#include "federal/federal.h"
#include "store/tax_year_mode.h"

#ifndef CORVELLA_INSTALLED_DATA_DIR
#define CORVELLA_INSTALLED_DATA_DIR ""
#endif
#ifndef CORVELLA_SOURCE_DATA_DIR
#define CORVELLA_SOURCE_DATA_DIR ""
#endif

namespace corvella {

std::filesystem::path defaultDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "corvella";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "corvella";
}

std::filesystem::path shippedDataFolder() {
    for (const char* candidate : {CORVELLA_SOURCE_DATA_DIR, CORVELLA_INSTALLED_DATA_DIR}) {
        std::filesystem::path p(candidate);
        if (!p.empty() && fileExists(p / "Federal15.dtt")) return p;
    }
    return {};
}

std::vector<std::string> seedDataFolder(const std::filesystem::path& folder,
                                        const std::filesystem::path& shipped) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) throw WriteError(folder.string(), ec.message());
    std::vector<std::string> copied;
    if (shipped.empty()) return copied;
    // A folder seeded afresh computes each run by its week-ending date's year; one that
    // already had the federal table keeps the mode it has (2015's without the file).
    const bool fresh = !fileExists(folder / kFedFileName);
    for (const auto& entry : std::filesystem::directory_iterator(shipped, ec)) {
        if (!entry.is_regular_file()) continue;
        auto target = folder / entry.path().filename();
        if (std::filesystem::exists(target, ec) || ec) continue;
        auto bytes = readFileBytes(entry.path());
        if (!bytes) continue;
        writeFileAtomic(target, *bytes);
        copied.push_back(entry.path().filename().string());
    }
    if (fresh && !fileExists(folder / kTaxYearModeFileName)) {
        writeFileAtomic(folder / kTaxYearModeFileName,
                        writeTaxYearModeFile(TaxYearMode::ByWeekEnding));
        copied.push_back(kTaxYearModeFileName);
    }
    return copied;
}

}  // namespace corvella
