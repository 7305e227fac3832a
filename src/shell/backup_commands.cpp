#include "shell/backup_commands.h"

#include "common/errors.h"
#include "shell/messages.h"
#include "store/backups.h"
#include "store/file_kinds.h"

namespace corvella {

std::vector<std::string> BackupCommands::backupDays() const {
    const std::string& name = ws_.records.CurrentUser;
    if (name.empty()) return {};
    return corvella::backupDays(ws_.store.folder, name);
}

bool BackupCommands::mnuRestoreBackup_Click() {
    const auto days = backupDays();
    if (days.empty()) {
        ws_.ui.message(messages::noBackups(ws_.records.CurrentUser), Icon::Information);
        return false;
    }
    const auto day = ws_.ui.chooseItem("Day of the backup:", "Restore from Backup", days);
    return day && restoreBackup(*day);
}

RestoreOutcome BackupCommands::restoreBackupOf(const std::string& name, const std::string& day) {
    if (!name.empty()) {
        try {
            checkEmployeeName(name);  // it becomes file names
        } catch (const NameError& e) {
            ws_.ui.message(e.what(), Icon::Warning);
            return RestoreOutcome::Refused;
        }
    }
    std::vector<FileContent> files;
    try {
        if (!name.empty()) files = backupSet(ws_.store.folder, name, day);
    } catch (const ReadError& e) {
        ws_.ui.message(messages::fileDamaged(e, "Nothing was restored."), Icon::Warning);
        return RestoreOutcome::NotOpened;
    }
    if (files.empty()) {
        ws_.ui.message(messages::noBackupOfDay(name, day), Icon::Warning);
        return RestoreOutcome::Refused;
    }
    // A kept year is never written over nor removed: the day's copy comes back only when
    // the folder has lost it.
    std::erase_if(files, [&](const FileContent& f) {
        return keptLedgerOf(f.name) && fileExists(ws_.store.folder / f.name);
    });
    // The set as it was: what the day did not hold goes too (a ledger first saved later).
    std::vector<std::string> extra;
    for (const std::string& f : memberFiles(ws_.store.folder, name)) {
        if (keptLedgerOf(f)) continue;
        bool kept = false;
        for (const FileContent& c : files) kept = kept || c.name == f;
        if (!kept) extra.push_back(f);
    }
    if (!ws_.ui.askYesNo(messages::restoreBackupQuestion(name, day, extra), "Restore?"))
        return RestoreOutcome::Refused;
    try {
        // Today's backup is made first, so this can be undone too.
        ws_.store.restoreSet(files, extra);
    } catch (const Error& e) {
        ws_.ui.message(messages::backupNotRestored(name, day, e), Icon::Warning);
        return RestoreOutcome::NotWritten;
    }
    return employees_.openEmployee(ws_.store.file(name, FileKind::Profile))
               ? RestoreOutcome::Done
               : RestoreOutcome::NotOpened;
}

}  // namespace corvella
