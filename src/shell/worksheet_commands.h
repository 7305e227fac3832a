#pragma once
// The commands of the windows "W-2 and W-3" and "Form 941" (Forms menu): each worksheet
// made from the folder's ledgers for the year (and quarter) typed, shown, printed or
// saved as CSV. A refused box or a file that cannot be read is told in a message and
// leaves the window as it was.
#include <filesystem>

#include "shell/worksheet_screens.h"
#include "shell/workspace.h"

namespace corvella {

class WorksheetCommands {
  public:
    explicit WorksheetCommands(Workspace& ws) : ws_(ws) {}

    // The window's screen, made on first use on the default year (and quarter), empty.
    W2Screen& w2Screen();
    // "Show": the worksheet of the year typed into the table. False after a message.
    bool w2Show();
    // "Print": the worksheet of the boxes as they stand, shown first, then the print
    // dialog; the numbers masked unless the check box shows them.
    bool w2Print();
    // "Save as CSV": the same, written to `file` whole.
    bool w2SaveCsv(const std::filesystem::path& file);
    void w2Close() { ws_.screens.discard(ws_.screens.w2); }

    Form941Screen& form941Screen();
    bool form941Show();
    bool form941Print();
    bool form941SaveCsv(const std::filesystem::path& file);
    void form941Close() { ws_.screens.discard(ws_.screens.form941); }

  private:
    void warn(const std::string& text, const char* title);
    bool print(const TextPage& page, const char* title);
    // A data file of the folder is no place for a CSV: refused in a message.
    bool csvFileRefused(const std::filesystem::path& file, const char* title);
    bool saveCsv(const std::filesystem::path& file, const std::string& bytes, const char* title);

    Workspace& ws_;
};

}  // namespace corvella
