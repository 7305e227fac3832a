#pragma once
// The ledger handed to a spreadsheet: an .xlsx workbook with the cells of the ledger and
// totals windows as they show, their fonts, the frozen heading row and the page setup.
#include <filesystem>
#include <string>

#include "ledger/ledger_window.h"

namespace corvella {

struct LedgerExportInfo {
    std::string employee;  // CurrentUser
    std::string ssn;       // EmpSSN
    bool weekly = true;    // 53 data rows, else 27
};

// Writes the workbook to `path` itself (the library writes straight to its target, so
// give it a temporary path and rename). Throws WriteError.
void writeLedgerWorkbook(const LedgerWindow& w, const LedgerExportInfo& info,
                         const std::filesystem::path& path);

// The footer's notice at the right.
inline constexpr const char* kExportNotice = "Figures as shown in the ledger; check before use.";

}  // namespace corvella
