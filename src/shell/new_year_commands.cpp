#include "shell/new_year_commands.h"

#include <algorithm>
#include <optional>

#include "common/errors.h"
#include "common/fileio.h"
#include "shell/messages.h"
#include "store/employee_list.h"
#include "store/file_kinds.h"
#include "store/new_year.h"

namespace corvella {

namespace {

NewYearReport cancelled(int year) {
    NewYearReport r;
    r.outcome = NewYearReport::Outcome::Cancelled;
    r.year = year;
    return r;
}

// How the messages name an input box: its prompt without the colon.
std::string boxNamed(const std::string& prompt) {
    std::string p = prompt;
    if (!p.empty() && p.back() == ':') p.pop_back();
    return "the box \"" + p + "\"";
}

}  // namespace

size_t NewYearReport::kept() const {
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(),
                                             [](const NewYearLine& l) { return !l.kept.empty(); }));
}

NewYearReport NewYearCommands::run(const std::string* only, int year, bool write) {
    NewYearReport r;
    r.year = year;
    const auto& folder = ws_.store.folder;
    if (year < kFirstKeptYear || year > kLastKeptYear) {
        r.problem = messages::notAKeptYear(std::to_string(year), "the year given");
        return r;
    }
    // No other writer from the first read to the write: what is kept is what is emptied.
    std::optional<HeldFolderLock> lock;
    if (write) {
        lock.emplace(folder);
        try {
            completePendingCommit(folder, isWrittenFile);
        } catch (const Error& e) {
            r.problem = messages::interruptedSave(folder.string(), e);
            return r;
        }
    }
    std::vector<std::string> names;
    if (only)
        names.push_back(*only);
    else
        for (const EmployeeEntry& e : listEmployees(folder)) names.push_back(e.name);
    // Read apart from the open employee's store, whose record of what it last read stays
    // that of its own view; the write then tells it what the files hold.
    const EmployeeStore reader(folder);
    std::vector<FileContent> files;
    std::vector<std::string> reasons;
    for (const std::string& name : names) {
        NewYearLine line{name, memberName(name, FileKind::Ledger), "", ""};
        const std::string profile = memberName(name, FileKind::Profile);
        try {
            if (!fileExists(folder / profile)) {
                line.reason = messages::newYearNoProfile(name, profile);
            } else {
                KeptYear k = planKeptYear(reader, name, year);
                line.ledger = k.ledger;
                line.kept = k.kept;
                for (FileContent& f : k.files) files.push_back(std::move(f));
            }
        } catch (const KeptYearExists& e) {
            line.reason = messages::keptYearExists(name, e.file);
        } catch (const ReadError& e) {
            line.reason = e.file == profile ? messages::newYearProfileUnreadable(name, e)
                                            : messages::newYearLedgerUnreadable(name, e);
        } catch (const Error& e) {
            line.reason = messages::newYearProfileUnreadable(name, ReadError(profile, e.what()));
        }
        if (!line.reason.empty()) reasons.push_back(line.reason);
        r.lines.push_back(std::move(line));
    }
    if (!reasons.empty()) {
        r.problem = messages::newYearRefused(reasons);
        return r;
    }
    if (write && !files.empty()) {
        try {
            ws_.store.commitRun(files);
        } catch (const PendingCommitError& e) {
            // Past the point of no return: the next start finishes it.
            r.outcome = NewYearReport::Outcome::CommitFailed;
            r.problem = messages::newYearLeftForNextStart(e);
            return r;
        } catch (const Error& e) {
            r.outcome = NewYearReport::Outcome::CommitFailed;
            r.problem = messages::newYearNotWritten(e);
            return r;
        }
    }
    r.outcome = NewYearReport::Outcome::Done;
    return r;
}

void NewYearCommands::afterWrite(const NewYearReport& r) {
    if (r.outcome != NewYearReport::Outcome::Done) return;
    const std::string& open = ws_.records.CurrentUser;
    if (open.empty()) return;
    for (const NewYearLine& l : r.lines) {
        if (l.name != open) continue;
        // A run on the main window was computed from the old year's totals: posting or
        // printing it needs ADD again.
        if (!l.kept.empty()) ws_.runHeld = RunHeld::None;
        ledger_.reload();
    }
}

NewYearReport NewYearCommands::startNewYear(int year) {
    if (!ledger_.mayReplace(messages::saveChangesBeforeKeeping())) return cancelled(year);
    NewYearReport r = run(nullptr, year, true);
    afterWrite(r);
    return r;
}

NewYearReport NewYearCommands::preview(int year) {
    return run(nullptr, year, false);
}

NewYearReport NewYearCommands::keepOpenYear(int year) {
    const std::string name = ws_.records.CurrentUser;
    if (name.empty()) {
        NewYearReport r;
        r.year = year;
        r.problem = messages::kKeepNeedsEmployee;
        return r;
    }
    if (!ledger_.mayReplace(messages::saveChangesBeforeKeeping())) return cancelled(year);
    NewYearReport r = run(&name, year, true);
    afterWrite(r);
    return r;
}

int NewYearCommands::defaultYear() const {
    return defaultKeptYear(ws_.records.ledger, Ledger::rowCount(ws_.records.profile.weekly()),
                           ws_.ui.today());
}

std::optional<int> NewYearCommands::askYear(const std::string& prompt, const std::string& title) {
    const auto typed = ws_.ui.inputBox(prompt, title, std::to_string(defaultYear()));
    if (!typed) return std::nullopt;
    const auto year = readKeptYear(*typed);
    if (!year) ws_.ui.message(messages::notAKeptYear(*typed, boxNamed(prompt)), Icon::Warning);
    return year;
}

bool NewYearCommands::startNewYearCommand() {
    const auto year = askYear(messages::kNewYearPrompt, messages::kNewYearTitle);
    if (!year) return false;
    const NewYearReport p = preview(*year);
    if (p.outcome != NewYearReport::Outcome::Done) {
        ws_.ui.message(p.problem, Icon::Warning);
        return false;
    }
    if (p.kept() == 0) {
        ws_.ui.message(messages::noLedgerToKeep(p.lines.size()), Icon::Information);
        return false;
    }
    if (!ws_.ui.askYesNo(messages::newYearQuestion(p.kept(), *year, p.lines.size() - p.kept()),
                         messages::kNewYearTitle))
        return false;
    const NewYearReport r = startNewYear(*year);
    switch (r.outcome) {
        case NewYearReport::Outcome::Done: {
            std::vector<std::string> without;
            for (const NewYearLine& l : r.lines)
                if (l.kept.empty()) without.push_back(l.name);
            ws_.ui.message(r.kept() ? messages::newYearDone(r.kept(), r.year, without)
                                    : messages::noLedgerToKeep(r.lines.size()),
                           Icon::Information);
            return true;
        }
        case NewYearReport::Outcome::Cancelled:
            return false;
        case NewYearReport::Outcome::Refused:
        case NewYearReport::Outcome::CommitFailed:
            break;
    }
    ws_.ui.message(r.problem, Icon::Warning);
    return false;
}

void NewYearCommands::clearAll() {
    if (!ledger_.window()) return;
    const std::string name = ws_.records.CurrentUser;
    if (name.empty()) return ledger_.clearAll();  // no one's year to keep
    const std::string file = memberName(name, FileKind::Ledger, ws_.records.profile.weekly());
    switch (ws_.ui.askThreeWay(messages::keepBeforeClear(name, file), "Clear All",
                               {"&Keep", "&Clear", "Cancel"})) {
        case Answer::Yes:
            break;
        case Answer::No:
            return ledger_.clearAll();
        case Answer::Cancel:
            return;
    }
    const auto year = askYear(messages::keepYearPrompt(name), messages::kKeepYearTitle);
    if (!year) return;
    const NewYearReport r = keepOpenYear(*year);
    if (r.outcome == NewYearReport::Outcome::Cancelled) return;
    if (r.outcome != NewYearReport::Outcome::Done || r.lines.empty()) {
        ws_.ui.message(r.problem, Icon::Warning);
        return;
    }
    const NewYearLine& l = r.lines.front();
    ws_.ui.message(l.kept.empty() ? messages::noLedgerKept(name, l.ledger)
                                  : messages::yearKept(l.ledger, l.kept),
                   Icon::Information);
}

}  // namespace corvella
