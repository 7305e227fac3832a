#include "shell/ledger_commands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/errors.h"
#include "common/format.h"
#include "ledger/ledger_export.h"
#include "shell/messages.h"
#include "store/file_kinds.h"

namespace corvella {

int LedgerCommands::shownRows() {
    return screens_.taxInfo().optWeek.selected() ? 53 : 27;
}

void LedgerCommands::loadLedger() {
    try {
        ws_.store.readLedger(ws_.records);
    } catch (const ReadError& e) {
        ws_.ui.message(messages::ledgerDamaged(e), Icon::Warning);
    } catch (const Error& e) {
        ws_.ui.message(e.what(), Icon::Warning);  // the totals overflowed
    }
}

bool LedgerCommands::readAndTotal() {
    LedgerWindow& w = *ws_.screens.ledger;
    Ledger& l = ws_.records.ledger;
    w.ReadGrid(l, shownRows());
    try {
        l.RecomputeTotals(weekly());
    } catch (const Error& e) {
        ws_.ui.message(e.what());  // "CHECK YOUR ENTRY FOR NON NUMBER TYPE"
        return false;
    }
    w.showTotals(l.totals, true);
    return true;
}

LedgerWindow& LedgerCommands::openLedger() {
    ScreenSet& set = ws_.screens;
    if (set.ledger && !set.LedgerCloseOK) ws_.ui.message("USE CLOSE INSTEAD");
    set.discard(set.ledger);  // unsaved edits go: the frame is rebuilt from the file

    set.create(set.ledger);
    LedgerWindow& w = *set.ledger;
    loadLedger();
    fill(w);
    ws_.notifyChanged();  // a frame still open sees that its copy has gone
    return w;
}

void LedgerCommands::fill(LedgerWindow& w) {
    Ledger& l = ws_.records.ledger;
    const int used = Ledger::rowCount(weekly());
    w.showHeadings(ws_.records.profile);
    w.fillCells(l, used, false);
    w.showTotals(l.totals, false);
    w.heightTwips = screens_.taxInfo().optWeek.selected() ? 12075 : 6550;
    w.fillCells(l, used, true);
    readAndTotal();
    w.markUnchanged(l, weekly());
}

void LedgerCommands::reload() {
    // Rows the file does not hold (a bi-weekly ledger's) must not keep the old year's.
    ws_.records.ledger.ClearLedger();
    loadLedger();
    if (LedgerWindow* w = window()) fill(*w);
    ws_.notifyChanged();
}

std::optional<int> LedgerCommands::rowOf(int week) {
    const int used = Ledger::rowCount(weekly());
    if (week < 1 || week > used) {
        ws_.ui.message(messages::weekNotUsed(week, used), Icon::Warning);
        return std::nullopt;
    }
    return week - 1;
}

bool LedgerCommands::post(int week) {
    if (!window()) return false;
    auto row = rowOf(week);
    if (!row) return false;
    // A half row (stale figures, or another employee's) would go into the year's totals.
    if (ws_.runHeld == RunHeld::None) {
        ws_.ui.message(messages::postNeedsRun(ws_.records.CurrentUser), Icon::Warning);
        return false;
    }
    // The captions as the main window shows them: empty after Clear or Open.
    PayResult shown = ws_.result;
    const MainWindow& m = ws_.main;
    for (size_t i = 0; i < shown.lbTaxDed.size(); ++i) shown.lbTaxDed[i] = m.lbTaxDed[i].caption;
    shown.lbSDI = m.lbSDI.caption;
    shown.lbSUI = m.lbSUI.caption;
    shown.lbCafe = m.lbCafe.caption;
    window()->PostPayRun(*row, m.txtWeek.text, shown, ws_.records.ledger);
    readAndTotal();
    return true;
}

bool LedgerCommands::unpost(int week) {
    if (!window()) return false;
    auto row = rowOf(week);
    if (!row) return false;
    window()->DeleteRow(*row, ws_.records.ledger);
    readAndTotal();
    return true;
}

void LedgerCommands::add() {
    if (window()) readAndTotal();
}

void LedgerCommands::clearAll() {
    if (!window()) return;
    window()->ClearLedger(ws_.records.ledger, Ledger::rowCount(weekly()));
    readAndTotal();
}

bool LedgerCommands::save() {
    // Totals that overflowed are not saved: the frame stays for the entry to be mended.
    if (!readAndTotal()) return false;
    Ledger& l = ws_.records.ledger;
    const std::string name = memberName(ws_.records.CurrentUser, FileKind::Ledger, weekly());
    // A run held unsaved for this posting goes in the same change: never one without the other.
    std::vector<FileContent> files = ws_.heldSave;
    const bool withRun = !files.empty();
    files.push_back({name, window()->fileBytes(l, weekly())});
    try {
        ws_.store.commit(files);
    } catch (const Error& e) {
        ws_.ui.message(
            withRun ? messages::postingNotSaved(name, e) : messages::ledgerNotSaved(name, e),
            Icon::Warning);
        return false;
    }
    ws_.heldSave.clear();
    return true;
}

bool LedgerCommands::weekUsed(int week) {
    return rowOf(week).has_value();
}

bool LedgerCommands::close() {
    if (!window()) return true;
    switch (ws_.ui.askYesNoCancel("     Do you want to save YTD", "Save?")) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            if (!save()) return false;
            break;
        case Answer::No:
            break;
    }
    ws_.screens.discard(ws_.screens.ledger);
    ws_.screens.LedgerCloseOK = true;
    ws_.notifyChanged();
    return true;
}

namespace {

// A folder of this user's alone: created 0700, and refused when another user made it
// or others may look into it (the workbook holds the social security number).
void ownFolder(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw WriteError(folder.string(), std::strerror(errno));
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) throw WriteError(folder.string(), std::strerror(errno));
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 077) != 0)
        throw WriteError(folder.string(), "the folder is not this user's own");
}

}  // namespace

bool LedgerCommands::exportTo(const std::filesystem::path& path) {
    if (!window()) return false;
    if (ws_.store.isDataFile(path)) {
        ws_.ui.message(messages::exportOverDataFile(path.string()), Icon::Warning);
        return false;
    }
    const LedgerExportInfo info{ws_.records.CurrentUser, maskedSecret(ws_.records.profile.EmpSSN),
                                weekly()};
    try {
        ws_.store.writeOutside(path, [&](const std::filesystem::path& temporary) {
            writeLedgerWorkbook(*window(), info, temporary);
        });
    } catch (const Error& e) {
        ws_.ui.message(messages::exportNotWritten(path.string(), e), Icon::Warning);
        return false;
    }
    return true;
}

std::optional<std::filesystem::path> LedgerCommands::exportForSpreadsheet() {
    std::error_code ec;
    auto folder = std::filesystem::temp_directory_path(ec);
    if (ec) folder = "/tmp";
    folder /= "corvella-export-" + std::to_string(::getuid());
    // The employee's name is a checked file stem already; an unnamed ledger gets one.
    const std::string stem = ws_.records.CurrentUser.empty() ? "ledger" : ws_.records.CurrentUser;
    const auto path = folder / (stem + ".xlsx");
    try {
        ownFolder(folder);
    } catch (const Error& e) {
        ws_.ui.message(messages::exportNotWritten(path.string(), e), Icon::Warning);
        return std::nullopt;
    }
    if (!exportTo(path)) return std::nullopt;
    return path;
}

bool LedgerCommands::closeBox() {
    if (!ws_.screens.LedgerCloseOK) {
        ws_.ui.message("USE CLOSE INSTEAD");
        return false;
    }
    // A pay run sets LedgerCloseOK: the weeks posted after it must not go unasked.
    if (!mayClose()) return false;
    ws_.screens.discard(ws_.screens.ledger);
    return true;
}

bool LedgerCommands::mayClose() {
    return mayReplace(messages::saveChangesBeforeClosing("Year To Date"));
}

bool LedgerCommands::mayReplace(const std::string& question) {
    LedgerWindow* w = window();
    if (!w || !w->changed(ws_.records.ledger, weekly())) return true;
    switch (ws_.ui.askSaveChanges(question, messages::kSaveChangesTitle)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            return save();
        case Answer::No:
            return true;
    }
    return false;
}

}  // namespace corvella
