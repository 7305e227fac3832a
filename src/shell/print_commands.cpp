#include "shell/print_commands.h"

#include <cstdio>

#include "common/errors.h"
#include "common/format.h"
#include "common/number.h"
#include "ledger/ledger_page.h"
#include "print/amount_words.h"
#include "shell/messages.h"

namespace corvella {

StubSource PrintCommands::stubSource() const {
    const Ledger& l = ws_.records.ledger;
    StubSource s{ws_.main, ws_.result, ws_.records.profile, l.totals, {}, {}};
    // The totals window's boxes: as the open ledger frame shows them, or as it would
    // show them when it loads.
    if (const LedgerWindow* w = ws_.screens.ledger.get()) {
        s.ytdGross = w->total(LedgerColumn::Gross).text;
        s.ytdNet = w->total(LedgerColumn::Net).text;
    } else {
        s.ytdGross = doubleText(l.totals.Gross.toDouble());
        s.ytdNet = doubleText(l.totals.Net.toDouble());
    }
    return s;
}

std::optional<StubValues> PrintCommands::prepareStub(const StubSource& s) {
    for (TextBox& b : ws_.main.txtAmount)
        if (b.text.empty()) b.text.assign(1, '0');
    ws_.notifyChanged();
    try {
        return computeStubValues(s);
    } catch (const ConversionError& e) {
        ws_.ui.message(messages::printoutBoxNotANumber(e.text, amountBoxCaption(2)), Icon::Warning);
        return std::nullopt;
    }
}

bool PrintCommands::loadHeader() {
    try {
        ws_.store.loadHeader(ws_.header);
    } catch (const ReadError& e) {
        ws_.ui.message(messages::printoutFileDamaged(e), Icon::Warning);
        return false;
    }
    return true;
}

bool PrintCommands::send(const TextPage& page) {
    try {
        return ws_.ui.printPage(page);
    } catch (const Error& e) {
        ws_.ui.message(messages::notPrinted(e), Icon::Warning);
        return false;
    }
}

bool PrintCommands::haveRun() {
    if (ws_.runHeld == RunHeld::Run) return true;
    ws_.ui.message(messages::printNeedsRun(ws_.records.CurrentUser), Icon::Warning);
    return false;
}

bool PrintCommands::loadForPrint() {
    try {
        files_.LoadEmployee();
        ws_.store.readLedger(ws_.records);
    } catch (const ReadError& e) {
        ws_.ui.message(messages::printoutFileDamaged(e), Icon::Warning);
        return false;
    }
    return true;
}

bool PrintCommands::printStub() {
    if (!haveRun()) return false;
    // One printer dialog: the choice holds for the whole command.
    if (!ws_.ui.choosePrinter()) return false;
    auto page = stubPage();
    return page && send(*page);
}

std::optional<TextPage> PrintCommands::stubPage() {
    if (!loadForPrint()) return std::nullopt;
    const StubSource s = stubSource();
    auto values = prepareStub(s);
    if (!values || !loadHeader()) return std::nullopt;
    // The open employee's own number: the check screen may be another employee's.
    StubPageInfo info{ws_.header, ws_.records.CurrentUser, maskedSecret(ws_.records.profile.EmpSSN),
                      runner_.todayText()};
    return buildStubPage(s, *values, info);
}

void PrintCommands::fillChecks() {
    float& net = ws_.result.run.NetPay;
    if (net < 0) net = 0;  // and so it stays in the pay run
    CheckScreen& c = *ws_.screens.check;
    AmountWords_ = c.FillCheckForm(ws_.records.profile, net);
    c.txtCheckAmt.text = checkFigure(net);
}

CheckScreen& PrintCommands::openChecks() {
    ScreenSet& set = ws_.screens;
    if (set.check) return *set.check;
    set.create(set.check);
    fillChecks();
    set.check->txtCheckDate.text = ws_.main.txtWeek.text;
    return *set.check;
}

void PrintCommands::refreshChecks() {
    if (ws_.screens.check) fillChecks();
}

void PrintCommands::closeChecks() {
    ws_.screens.discard(ws_.screens.offsets);
    ws_.screens.discard(ws_.screens.check);
}

PrinterOffsetDialog& PrintCommands::openOffsets() {
    try {
        files_.LoadEmployee();
    } catch (const ReadError& e) {
        ws_.ui.message(messages::printoutFileDamaged(e), Icon::Warning);
    }
    PrinterOffsetDialog& d = ws_.screens.create(ws_.screens.offsets);
    const EmployeeExtras& x = ws_.records.extras;
    d.show(x.HorzOffset, x.VertOffset, ws_.main.txtWeek.text);
    return d;
}

RunOutcome PrintCommands::applyOffsets() {
    PrinterOffsetDialog* d = offsetDialog();
    if (!d) return RunOutcome::Refused;
    const std::pair<const TextBox*, const char*> boxes[] = {{&d->cboHorz, "Horizontal"},
                                                            {&d->cboVert, "Vertical"}};
    float values[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        auto v = offsetValue(boxes[i].first->text);
        if (!v) {
            ws_.ui.message(messages::offsetNotANumber(boxes[i].first->text, boxes[i].second),
                           Icon::Warning);
            return RunOutcome::Refused;
        }
        values[i] = *v;
    }
    EmployeeExtras& x = ws_.records.extras;
    const EmployeeExtras before = x;
    x.HorzOffset = values[0];
    x.VertOffset = values[1];
    try {
        files_.SaveEmployee();
    } catch (const Error& e) {
        // Not stored: a later save must not write them either.
        if (!reloadedInstead(e)) x = before;
        ws_.ui.message(messages::employeeNotSaved(e), Icon::Warning);
        return RunOutcome::SaveFailed;
    }
    return RunOutcome::Done;
}

RunOutcome PrintCommands::printCheck() {
    if (const RunOutcome applied = applyOffsets(); applied != RunOutcome::Done) return applied;
    const PrinterOffsetDialog& d = *offsetDialog();
    const CheckOffsets o = checkOffsets(*offsetValue(d.cboHorz.text), *offsetValue(d.cboVert.text));
    // The dialog every time, so that the check-stock printer can be chosen.
    if (!haveRun() || !ws_.ui.choosePrinter()) return RunOutcome::Refused;
    if (!PrintCheck(o)) return RunOutcome::Refused;
    ws_.screens.discard(ws_.screens.offsets);
    return RunOutcome::Done;
}

bool PrintCommands::PrintCheck(CheckOffsets o) {
    auto page = checkPage(o);
    return page && send(*page);
}

std::optional<TextPage> PrintCommands::checkPage(std::optional<CheckOffsets> o) {
    if (!loadForPrint()) return std::nullopt;
    const EmployeeExtras& x = ws_.records.extras;
    const CheckOffsets offsets = o ? *o : checkOffsets(x.HorzOffset, x.VertOffset);
    // The payee and amount of the run on the main window, as its stubs show.
    openChecks();
    fillChecks();
    const StubSource s = stubSource();
    auto values = prepareStub(s);
    if (!values) return std::nullopt;
    return buildCheckPage(s, *values, *ws_.screens.check, AmountWords_, offsets);
}

bool PrintCommands::printLedger() {
    LedgerWindow* w = ws_.screens.ledger.get();
    if (!w || !ws_.ui.choosePrinter()) return false;
    // The header as the file holds it, so the printout carries it.
    if (!loadHeader()) return false;
    const TimeOfDay t = ws_.ui.now();
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char time[32];
    std::snprintf(time, sizeof time, " %d:%02d:%02d %s", hour12, t.minute, t.second,
                  t.hour < 12 ? "AM" : "PM");
    LedgerPageInfo info{ws_.header, ws_.records.CurrentUser, runner_.todayText() + time};
    const bool weekly = ws_.records.profile.weekly();
    return send(buildLedgerPage(ws_.records.ledger, ws_.records.profile, weekly, info));
}

}  // namespace corvella
