#include "shell/ledger_commands.h"

#include <unistd.h>

#include "common/errors.h"
#include "ledger/ledger_export.h"
#include "shell/messages.h"

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

void LedgerCommands::readAndTotal() {
    LedgerWindow& w = *ws_.screens.ledger;
    Ledger& l = ws_.records.ledger;
    w.ReadGrid(l, shownRows());
    try {
        l.RecomputeTotals(weekly());
    } catch (const Error& e) {
        ws_.ui.message(e.what());  // "CHECK YOUR ENTRY FOR NON NUMBER TYPE"
        return;
    }
    w.showTotals(l.totals, true);
}

LedgerWindow& LedgerCommands::openLedger() {
    ScreenSet& set = ws_.screens;
    if (set.ledger && !set.LedgerCloseOK) ws_.ui.message("USE CLOSE INSTEAD");
    set.discard(set.ledger);  // unsaved edits go: the frame is rebuilt from the file

    set.ledger = std::make_unique<LedgerWindow>();
    LedgerWindow& w = *set.ledger;
    Ledger& l = ws_.records.ledger;
    const int used = Ledger::rowCount(weekly());
    loadLedger();
    w.showHeadings(ws_.records.profile);
    w.fillCells(l, used, false);
    w.showTotals(l.totals, false);
    w.heightTwips = screens_.taxInfo().optWeek.selected() ? 12075 : 6550;
    w.fillCells(l, used, true);
    readAndTotal();
    return w;
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
    window()->PostPayRun(*row, ws_.main.txtWeek.text, ws_.result, ws_.records.ledger);
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

bool LedgerCommands::close() {
    if (!window()) return true;
    if (ws_.ui.askYesNo("     Do you want to save YTD", "Save?")) {
        readAndTotal();
        Ledger& l = ws_.records.ledger;
        const std::string name = ws_.records.CurrentUser + (weekly() ? ".yrw" : ".yrb");
        try {
            l.RecomputeTotals(weekly());
            ws_.store.commit({{name, window()->fileBytes(l, weekly())}});
        } catch (const Error& e) {
            ws_.ui.message(messages::ledgerNotSaved(name, e), Icon::Warning);
            return false;
        }
    }
    ws_.screens.discard(ws_.screens.ledger);
    ws_.screens.LedgerCloseOK = true;
    ws_.notifyChanged();
    return true;
}

bool LedgerCommands::exportTo(const std::filesystem::path& path) {
    if (!window()) return false;
    const LedgerExportInfo info{ws_.records.CurrentUser, ws_.records.profile.EmpSSN, weekly()};
    try {
        ws_.store.writer.writeThrough(path, [&](const std::filesystem::path& temporary) {
            writeLedgerWorkbook(*window(), info, temporary);
        });
    } catch (const Error& e) {
        ws_.ui.message(messages::exportNotWritten(path.string(), e), Icon::Warning);
        return false;
    }
    return true;
}

std::filesystem::path LedgerCommands::exportPath() const {
    std::error_code ec;
    auto folder = std::filesystem::temp_directory_path(ec);
    if (ec) folder = "/tmp";
    folder /= "corvella-export-" + std::to_string(::getuid());
    std::filesystem::create_directories(folder, ec);
    // The employee's name is a checked file stem already; an unnamed ledger gets one.
    const std::string stem = ws_.records.CurrentUser.empty() ? "ledger" : ws_.records.CurrentUser;
    return folder / (stem + ".xlsx");
}

bool LedgerCommands::closeBox() {
    if (!ws_.screens.LedgerCloseOK) {
        ws_.ui.message("USE CLOSE INSTEAD");
        return false;
    }
    ws_.screens.discard(ws_.screens.ledger);
    return true;
}

}  // namespace corvella
