#include "shell/payroll_run.h"

#include <memory>
#include <set>

#include "common/errors.h"
#include "common/exact_decimal.h"
#include "shell/messages.h"
#include "shell/session.h"
#include "store/file_kinds.h"

namespace corvella {

namespace {

// The run's own session answers as the operator would and keeps each message for the
// employee's line; the date and time are the desktop's.
class RunUi : public ScriptedUi {
  public:
    explicit RunUi(Ui& outer) : outer_(outer) {}
    Date today() override { return outer_.today(); }
    TimeOfDay now() override { return outer_.now(); }

  private:
    Ui& outer_;
};

struct Scratch {
    explicit Scratch(Workspace& ws) : ui(ws.ui), session(ui, ws.store.folder) {
        session.Form_Load();
    }
    RunUi ui;
    Session session;
};

std::string lastMessage(const RunUi& ui, const char* otherwise) {
    return ui.messages.empty() ? otherwise : ui.messages.back();
}

RunTotals centsOf(const PayResult& r) {
    auto cents = [](const std::string& caption) { return shownCents(caption).value_or(0); };
    return {cents(r.Label13), cents(r.lbTaxes), cents(r.lbDeduct), cents(r.lbNet)};
}

void add(RunTotals& sum, const RunTotals& t) {
    sum.gross += t.gross;
    sum.taxes += t.taxes;
    sum.deductions += t.deductions;
    sum.net += t.net;
}

enum class Step { Preview, Post };

// What the operator does for one employee, up to the posting and Close saving (held, as
// the session stages its writes). `line.ready` when every step went through.
RunLine runOne(Scratch& x, const RunEntry& e, const std::string& weekEnding, int row, bool replace,
               Step step) {
    Session& s = x.session;
    x.ui.messages.clear();
    RunLine line;
    line.name = e.name;
    line.row = row;
    auto refuse = [&](std::string why) {
        line.reason = std::move(why);
        line.messages = x.ui.messages;
        return line;
    };
    const auto useFile = s.dir / memberName(e.name, FileKind::Profile);
    try {
        checkEmployeeName(e.name);
    } catch (const NameError& err) {
        return refuse(err.what());
    }
    if (!fileExists(useFile)) return refuse(messages::noSuchEmployee(e.name, useFile.filename()));
    if (!s.openListed(e.name)) return refuse(lastMessage(x.ui, "Its files could not be read."));
    line.weekly = s.profile.weekly();
    if (!s.ledgerWeekUsed(row)) return refuse(x.ui.messages.back());
    const LedgerRow& held = s.ledger.rows[static_cast<size_t>(row - 1)];
    if (!replace && holdsPosting(held)) return refuse(messages::weekAlreadyPosted(row, held.Date));
    for (size_t i = 0; i < e.boxes.size(); ++i) s.main.txtAmount[i].focusAndType(e.boxes[i]);
    s.main.opt1x.value = e.ot2x ? 0 : -1;
    s.main.opt2x.value = e.ot2x ? -1 : 0;
    s.main.ckLouisPrior.value = e.louisianaPrior ? 1 : 0;
    if (!weekEnding.empty()) s.main.setWeek(weekEnding);
    const RunSave save = step == Step::Post ? RunSave::Hold : RunSave::None;
    if (s.Calcu_late(save) != Session::RunOutcome::Done)
        return refuse(lastMessage(x.ui, "The pay run was refused."));
    line.result = s.result;
    line.taxYear = s.runTaxYear();
    line.cents = centsOf(s.result);
    if (step == Step::Post) {
        s.openLedger();
        if (!s.ledgerPost(row)) return refuse(lastMessage(x.ui, "The week was not posted."));
        x.ui.answers.push_back(Answer::Yes);  // "Do you want to save YTD"
        if (!s.ledgerClose()) return refuse(lastMessage(x.ui, "The posting was not saved."));
    }
    line.ready = true;
    return line;  // its messages are taken once its printouts are made
}

}  // namespace

RunLine PayrollRunCommands::preview(const RunEntry& entry, const std::string& weekEnding, int row,
                                    bool replace) {
    Scratch x(ws_);
    RunLine line = runOne(x, entry, weekEnding, entry.row.value_or(row), replace, Step::Preview);
    line.messages = x.ui.messages;
    return line;
}

RunReport PayrollRunCommands::notStarted() {
    RunReport r;
    r.problem = messages::kRunNotStarted;
    return r;
}

RunReport PayrollRunCommands::run(const RunRequest& request,
                                  const std::function<void(size_t, size_t)>& progress) {
    RunReport report;
    // No other writer between the first read and the write: what is computed is what
    // is written over.
    if (!request.folder.empty()) {
        std::error_code ec;
        if (!std::filesystem::equivalent(request.folder, ws_.store.folder, ec)) {
            report.problem =
                messages::runOfAnotherFolder(request.folder.string(), ws_.store.folder.string());
            return report;
        }
    }
    HeldFolderLock lock(ws_.store.folder);
    // A save cut short is finished first: the run must start from whole files.
    try {
        completePendingCommit(ws_.store.folder, isWrittenFile);
    } catch (const Error& e) {
        report.problem = messages::interruptedSave(ws_.store.folder.string(), e);
        return report;
    }
    Scratch x(ws_);
    Session& s = x.session;
    EmployeeStore& store = s.store();
    store.settled = true;  // Form_Load finished any leftover commit, under this lock
    store.beginStaging();
    std::vector<FileContent> files;
    std::set<std::string> seen;
    const size_t of = request.entries.size();
    for (size_t i = 0; i < of; ++i) {
        const RunEntry& e = request.entries[i];
        RunLine line;
        if (!seen.insert(e.name).second) {
            line.name = e.name;
            line.row = e.row.value_or(request.row);
            line.reason = messages::employeeTwiceInRun(e.name);
        } else {
            line = runOne(x, e, request.weekEnding, e.row.value_or(request.row), request.replace,
                          Step::Post);
        }
        if (line.ready) {
            if (request.stubs) line.stub = s.stubPage();
            if (request.checks) line.check = s.checkPage();
            line.messages = x.ui.messages;
            const bool printed = (!request.stubs || line.stub) && (!request.checks || line.check);
            if (request.pagesNeeded && !printed) {
                line.ready = false;
                line.reason = lastMessage(x.ui, "Its printout could not be made.");
            }
        }
        if (line.ready) {
            // A file the posting leaves as it was is not written again: read under the
            // run's lock, it is what the disk holds.
            for (FileContent& f : store.takeStaged())
                if (!store.holdsAlready(f)) files.push_back(std::move(f));
        } else {
            store.dropStaged();
        }
        report.lines.push_back(std::move(line));
        if (progress) progress(i + 1, of);
    }
    size_t failed = 0;
    for (const RunLine& l : report.lines) {
        if (!l.ready)
            ++failed;
        else
            add(report.totals, l.cents);
    }
    if (failed && !request.skipFailed) {
        report.problem = messages::employeesNotRun(failed);
        return report;
    }
    if (failed == report.lines.size()) {
        report.problem = messages::kNothingToPost;
        return report;
    }
    // Written by this session's own store, which then knows the files as written.
    ws_.store.damaged.insert(store.damaged.begin(), store.damaged.end());
    const int before = ws_.store.syncs();
    try {
        ws_.store.commitRun(files);
    } catch (const PendingCommitError& e) {
        // Past the point of no return: the next start finishes it.
        report.outcome = RunReport::Outcome::CommitFailed;
        report.problem = messages::runLeftForNextStart(e);
        return report;
    } catch (const Error& e) {
        report.outcome = RunReport::Outcome::CommitFailed;
        report.problem = messages::runNotWritten(e);
        return report;
    }
    report.flushes = ws_.store.syncs() - before;
    report.outcome = RunReport::Outcome::Posted;
    report.posted = static_cast<int>(report.lines.size() - failed);
    // The open employee, when it was paid, is shown as the run left it.
    const std::string& open = ws_.records.CurrentUser;
    for (const RunLine& l : report.lines)
        if (l.ready && !open.empty() && l.name == open && ws_.reopen) ws_.reopen();
    return report;
}

}  // namespace corvella
