#include "shell/worksheet_commands.h"

#include <optional>
#include <utility>

#include "common/errors.h"
#include "common/fileio.h"
#include "shell/messages.h"
#include "shell/yearend_commands.h"
#include "store/employee_store.h"
#include "yearend/yearend_pages.h"

namespace corvella {

namespace {

constexpr const char* kW2Title = "W-2 and W-3";
constexpr const char* k941Title = "Form 941";

std::string trimmed(const std::string& text) {
    const size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

// A whole number from `least` to `most` typed in a box, or nothing.
std::optional<int> numberIn(const std::string& text, int least, int most) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int n = std::stoi(text);
    if (n < least || n > most) return std::nullopt;
    return n;
}

std::string notRead(const ReadError& e) {
    const std::string what =
        e.line > 0 ? " is damaged at line " + std::to_string(e.line) + " (" + e.problem + ")"
                   : " cannot be read (" + e.problem + ")";
    return "The worksheet was not made: " + e.file + what +
           ". Correct the file or restore it from a backup (File > Restore from Backup…), "
           "then try again.";
}

std::string notMade(const std::exception& e) {
    const std::string what = e.what();
    // The year-end commands' own messages are the operator's already.
    if (!what.empty() && what[0] >= 'A' && what[0] <= 'Z') return what;
    return "The worksheet was not made: " + what + ".";
}

}  // namespace

void WorksheetCommands::warn(const std::string& text, const char* title) {
    ws_.ui.message(text, Icon::Warning, title);
}

namespace {

// The year's inputs and the worksheet made from them, or nothing after a message. The
// folder is held meanwhile, so that no writer's commit falls between two ledgers read.
template <class Make>
auto worksheetOf(Workspace& ws, int year, const char* title, Make make)
    -> std::optional<decltype(make(std::declval<const YearEndInputs&>()))> {
    try {
        HeldFolderLock lock(ws.store.folder);
        // A store of its own: what the worksheets read is not what the open employee's
        // saves will take as seen, so a change made elsewhere is still asked about.
        const EmployeeStore reader(ws.store.folder);
        return make(readYearEnd(reader, year));
    } catch (const ReadError& e) {
        ws.ui.message(notRead(e), Icon::Warning, title);
    } catch (const std::exception& e) {
        ws.ui.message(notMade(e), Icon::Warning, title);
    }
    return std::nullopt;
}

std::optional<int> yearBox(Workspace& ws, const TextBox& box, const char* title) {
    const std::string text = trimmed(box.text);
    if (auto year = numberIn(text, 1900, 2100)) return year;
    ws.ui.message((text.empty() ? std::string("Year is empty.")
                                : "\"" + text + "\" in Year is not a year from 1900 to 2100.") +
                      " Type the year of the forms in Year, then try again.",
                  Icon::Warning, title);
    return std::nullopt;
}

}  // namespace

W2Screen& WorksheetCommands::w2Screen() {
    if (!ws_.screens.w2) ws_.screens.create(ws_.screens.w2, ws_.ui.today());
    return *ws_.screens.w2;
}

bool WorksheetCommands::w2Show() {
    W2Screen& screen = w2Screen();
    const auto year = yearBox(ws_, screen.txtW2Year, kW2Title);
    if (!year) return false;
    auto w =
        worksheetOf(ws_, *year, kW2Title, [](const YearEndInputs& in) { return w2Worksheet(in); });
    if (!w) return false;
    screen.show(std::move(*w));
    return true;
}

bool WorksheetCommands::print(const TextPage& page, const char* title) {
    if (!ws_.ui.choosePrinter()) return false;
    try {
        return ws_.ui.printPage(page);
    } catch (const Error& e) {
        warn(messages::notPrinted(e), title);
    }
    return false;
}

bool WorksheetCommands::csvFileRefused(const std::filesystem::path& file, const char* title) {
    if (!ws_.store.isDataFile(file)) return false;
    warn("The CSV file was not saved: " + file.filename().string() +
             " is one of the folder's data files. Choose another name.",
         title);
    return true;
}

bool WorksheetCommands::saveCsv(const std::filesystem::path& file, const std::string& bytes,
                                const char* title) {
    try {
        writeFileAtomic(file, bytes);
    } catch (const Error& e) {
        warn("The CSV file was not saved: " + std::string(e.what()) +
                 ". Check that its folder exists and can be written, then save again.",
             title);
        return false;
    }
    return true;
}

bool WorksheetCommands::w2Print() {
    if (!w2Show()) return false;
    const W2Screen& screen = w2Screen();
    return print(w2Pages(*screen.worksheet(), screen.ckShowSsn.checked()), kW2Title);
}

bool WorksheetCommands::w2SaveCsv(const std::filesystem::path& file) {
    if (csvFileRefused(file, kW2Title) || !w2Show()) return false;
    const W2Screen& screen = w2Screen();
    return saveCsv(file, w2Csv(*screen.worksheet(), screen.ckShowSsn.checked()), kW2Title);
}

Form941Screen& WorksheetCommands::form941Screen() {
    if (!ws_.screens.form941) ws_.screens.create(ws_.screens.form941, ws_.ui.today());
    return *ws_.screens.form941;
}

bool WorksheetCommands::form941Show() {
    Form941Screen& screen = form941Screen();
    const auto year = yearBox(ws_, screen.txt941Year, k941Title);
    if (!year) return false;
    const std::string text = trimmed(screen.txt941Quarter.text);
    const auto quarter = numberIn(text, 1, 4);
    if (!quarter) {
        warn((text.empty() ? std::string("Quarter is empty.")
                           : "\"" + text + "\" in Quarter is not a quarter.") +
                 " Type 1, 2, 3 or 4 in Quarter, then try again.",
             k941Title);
        return false;
    }
    auto f = worksheetOf(ws_, *year, k941Title, [q = *quarter](const YearEndInputs& in) {
        return form941Worksheet(in, q);
    });
    if (!f) return false;
    screen.show(std::move(*f));
    return true;
}

bool WorksheetCommands::form941Print() {
    if (!form941Show()) return false;
    return print(form941Page(*form941Screen().worksheet()), k941Title);
}

bool WorksheetCommands::form941SaveCsv(const std::filesystem::path& file) {
    if (csvFileRefused(file, k941Title) || !form941Show()) return false;
    return saveCsv(file, form941Csv(*form941Screen().worksheet()), k941Title);
}

}  // namespace corvella
