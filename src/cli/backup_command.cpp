// corvella-cli restore: File > "Restore from Backup…" for an employee named on the command
// line, open or not (a damaged or deleted set is what a backup is for).
#include <iostream>

#include "cli/cli_support.h"
#include "common/errors.h"
#include "common/fileio.h"

namespace corvella::cli {

int restore(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, 0, o, "restore", {{"--day", true}})) return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    std::optional<std::string> day;
    for (const auto& [option, value] : o.extra)
        if (option == "--day") day = value;
    try {
        checkEmployeeName(o.name);
    } catch (const NameError& e) {
        std::cerr << "corvella-cli: " << e.what() << "\n";
        return code(Exit::NotFound);
    }
    CliUi ui;
    Session s(ui, dir);
    const auto days = s.backupDaysOf(o.name);
    if (!day) {  // the days there are to choose from
        for (const auto& d : days) std::cout << d << "\n";
        if (!days.empty()) return code(Exit::Ok);
        std::cerr << "corvella-cli: no backup of \"" << o.name << "\" in " << dir.string() << "\n";
        return code(Exit::NotFound);
    }
    bool kept = false;
    for (const auto& d : days) kept = kept || d == *day;
    if (!kept) {
        std::cerr << "corvella-cli: no backup of \"" << o.name << "\" from \"" << *day << "\" in "
                  << dir.string() << " (corvella-cli restore " << o.name
                  << " lists the days kept)\n";
        return code(Exit::NotFound);
    }
    s.Form_Load();
    ui.yesNoAnswers.push_back(true);  // the command is the operator's Yes
    ui.messages.clear();
    switch (s.restoreBackupOf(o.name, *day)) {
        case RestoreOutcome::Done:
            break;
        case RestoreOutcome::Refused:
            return fail(ui, Exit::Refused);
        case RestoreOutcome::NotWritten:
            return fail(ui, Exit::SaveFailed);
        case RestoreOutcome::NotOpened:  // back as the day kept them, which do not open
            return fail(ui, Exit::NotOpened);
    }
    for (const auto& m : ui.messages) std::cerr << "corvella-cli: " << oneLine(m) << "\n";
    std::cout << "Restored " << o.name << " as of " << *day << "\n";
    return code(Exit::Ok);
}

}  // namespace corvella::cli
