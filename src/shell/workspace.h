#pragma once
// What the session's parts share: the world outside (Ui), the file store, the open
// employee's records, the screens that exist, the main window and the last pay run.
// The parts hold a reference to it; only the session owns it.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "common/ports.h"
#include "employee/company_header.h"
#include "engine/main_window.h"
#include "engine/pay_result.h"
#include "federal/fed_table.h"
#include "federal/tax_year.h"
#include "shell/messages.h"
#include "shell/screen_set.h"
#include "store/employee_records.h"
#include "store/employee_store.h"

namespace corvella {

// What the pay-run record holds: nothing to print or post, a run of the open employee
// (ADD), or one of its saved pay periods brought back (enough to post, not to print).
enum class RunHeld { None, Run, SavedPeriod };

struct Workspace {
    Workspace(Ui& u, std::filesystem::path folder) : ui(u), store(std::move(folder)) {
        store.keptReplaced = [&u](const std::string& file, const std::string& keptAs) {
            u.message(messages::replacedFileKept(file, keptAs), Icon::Information);
        };
        store.keptAside = [&u](const std::string& file, const std::string& keptAs) {
            u.message(messages::damagedFileKept(file, keptAs), Icon::Information);
        };
        store.today = [&u] { return u.today(); };
        store.changedSinceRead = [this](const std::vector<std::string>& files) {
            switch (ui.askReloadOrOverwrite(messages::changedSinceRead(files),
                                            messages::kChangedSinceReadTitle)) {
                case Answer::Yes:
                    if (reopen) reopen();
                    return OnChanged::Reload;
                case Answer::No:
                    return OnChanged::Overwrite;
                case Answer::Cancel:
                    break;
            }
            return OnChanged::Cancel;
        };
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Ui& ui;
    EmployeeStore store;
    EmployeeRecords records;
    ScreenSet screens;
    MainWindow main;
    PayResult result;  // the last pay run
    RunHeld runHeld = RunHeld::None;
    // The files of the last run held unsaved, for the posting that saves them with its own.
    std::vector<FileContent> heldSave;
    FedTable fed;
    // The figures of the last run's year when it is after 2019 (2015's are `fed`).
    std::optional<TaxYear> taxYear;
    int runYear = 2015;  // the tax year of the last run
    CompanyHeader header;
    bool programEnded = false;
    // Opens the employee again from its files, dropping what was not saved.
    std::function<void()> reopen;

    // Told after every command that may have changed what the main window shows, by
    // the number they were added under.
    std::map<int, std::function<void()>> observers;
    int nextObserver = 0;
    void notifyChanged() const {
        for (const auto& [id, o] : observers) o();
    }
};

}  // namespace corvella
