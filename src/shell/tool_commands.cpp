#include "shell/tool_commands.h"

#include "common/errors.h"
#include "shell/messages.h"

namespace corvella {

namespace {

std::string refusalMessage(const OvertimeRefusal& r, const std::string& button) {
    switch (r.kind) {
        case OvertimeRefusal::Attention:
            return messages::kOtAttention;
        case OvertimeRefusal::NotANumber:
            return messages::overtimeNotANumber(r.box, r.text, button);
        case OvertimeRefusal::NoSalary:
            return messages::overtimeNoSalary(r.text);
        case OvertimeRefusal::TooLarge:
            return messages::overtimeTooLarge();
    }
    return {};
}

// The leave screen's box behind a control name of the .hol writer, as the screen
// captions it: "txtHcnt(4)" is "Holiday/Personel #Taken, line 5".
std::string leaveBoxCaption(const std::string& control) {
    const std::string account = control.rfind("txtV", 0) == 0   ? "Vacation"
                                : control.rfind("txtH", 0) == 0 ? "Holiday/Personel"
                                                                : "Sick";
    const auto open = control.find('(');
    if (open == std::string::npos) return account + " Start Balance";
    const int row = std::stoi(control.substr(open + 1)) + 1;
    return account + " #Taken, line " + std::to_string(row);
}

}  // namespace

OvertimeScreen& ToolCommands::openOvertime() {
    OvertimeScreen& o = screens_.overtimeScreen();
    o.lb_OT.caption = ws_.main.lbOverT.caption;
    o.lbWk.caption = ws_.main.txtWeek.text;
    o.showResults(ws_.records.ot);
    o.markUnchanged();
    return o;
}

bool ToolCommands::saveEmployee() {
    if (screens_.saveWindow().txtSaveUser.text.empty()) return true;
    try {
        files_.SaveEmployee();
    } catch (const Error& e) {
        ws_.ui.message(messages::overtimeNotSaved(e), Icon::Warning);
        return false;
    }
    if (OvertimeScreen* o = overtimeWindow()) o->markUnchanged();
    ws_.notifyChanged();
    return true;
}

Answer ToolCommands::askSaveChanges(const std::string& window) {
    return ws_.ui.askSaveChanges(messages::saveChangesBeforeClosing(window),
                                 messages::kSaveChangesTitle);
}

RunOutcome ToolCommands::otTotal() {
    OvertimeScreen* o = overtimeWindow();
    if (!o) return RunOutcome::Refused;
    if (auto refusal = o->TOTAL(ws_.records.ot, weekly())) {
        const bool attention = refusal->kind == OvertimeRefusal::Attention;
        ws_.ui.message(refusalMessage(*refusal, "TOTAL"), Icon::Warning,
                       attention ? messages::kOtAttentionTitle : "");
        return RunOutcome::Refused;
    }
    return saveEmployee() ? RunOutcome::Done : RunOutcome::SaveFailed;
}

void ToolCommands::otNewWeek() {
    if (OvertimeScreen* o = overtimeWindow()) o->NewWeek(weekly());
}

bool ToolCommands::otUndo() {
    OvertimeScreen* o = overtimeWindow();
    if (!o) return false;
    try {
        files_.LoadEmployee();
    } catch (const ReadError& e) {
        ws_.ui.message(
            messages::fileDamaged(e, "Undo was not done: the calculator keeps its figures."),
            Icon::Warning);
        return false;
    }
    o->Undo(ws_.records.ot, weekly());
    o->markUnchanged();
    ws_.notifyChanged();
    return true;
}

RunOutcome ToolCommands::otBack() {
    OvertimeScreen* o = overtimeWindow();
    if (!o) return RunOutcome::Done;
    if (auto refusal = o->checkNumbers(weekly())) {
        ws_.ui.message(refusalMessage(*refusal, "Back"), Icon::Warning);
        return RunOutcome::Refused;
    }
    OvertimeData& ot = ws_.records.ot;
    for (int i = 0; i < overtimeRowCount(weekly()); ++i) {
        if (o->txtOT[i].text.empty()) o->txtOT[i].text = "0";
        ot.OtWeekEnding[i] = o->Text1[i].text;
        ot.OtAmount[i] = o->txtOT[i].text;
    }
    if (!saveEmployee()) return RunOutcome::SaveFailed;
    ws_.screens.discard(ws_.screens.overtime);
    ws_.notifyChanged();
    return RunOutcome::Done;
}

bool ToolCommands::otCloseBox() {
    if (OvertimeScreen* o = overtimeWindow(); o && o->changed()) {
        switch (askSaveChanges("OverTime Percentage")) {
            case Answer::Cancel:
                return false;
            case Answer::Yes:
                return otBack() == RunOutcome::Done;  // a refusal has said why
            case Answer::No:
                break;
        }
    }
    ws_.screens.discard(ws_.screens.overtime);
    ws_.notifyChanged();
    return true;
}

LeaveScreen& ToolCommands::openLeave() {
    LeaveScreen& l = files_.leaveScreen();
    l.opened();
    return l;
}

RunOutcome ToolCommands::leaveSave() {
    LeaveScreen* l = leaveWindow();
    if (!l) return RunOutcome::Refused;
    const std::string& name = ws_.records.CurrentUser;
    // The empty name's file holds the defaults of new employees: not this screen's to write.
    if (name.empty()) {
        ws_.ui.message(messages::leaveNoEmployee(), Icon::Warning);
        return RunOutcome::Refused;
    }
    const std::string fileName = memberName(name, FileKind::Leave);
    try {
        const std::string bytes = writeLeaveFile(l->values());
        ws_.store.commit({{fileName, bytes}});
    } catch (const ConversionError& e) {
        ws_.ui.message(messages::numberTooLarge(leaveBoxCaption(e.control), "Save"), Icon::Warning);
        return RunOutcome::Refused;
    } catch (const RangeError& e) {
        // A balance no file may hold (say a start of a million less a negative taking):
        // refused before anything is written, as the boxes say what to correct.
        ws_.ui.message(messages::leaveNotSaved(fileName, e), Icon::Warning);
        return RunOutcome::Refused;
    } catch (const Error& e) {
        ws_.ui.message(messages::leaveNotSaved(fileName, e), Icon::Warning);
        return RunOutcome::SaveFailed;
    }
    ws_.screens.discard(ws_.screens.leave);
    ws_.notifyChanged();
    return RunOutcome::Done;
}

void ToolCommands::leaveClearAll() {
    if (LeaveScreen* l = leaveWindow()) l->clearVac();
}

bool ToolCommands::leaveCloseBox() {
    if (LeaveScreen* l = leaveWindow(); l && l->changed()) {
        switch (askSaveChanges("Vacation / Holiday / Sick")) {
            case Answer::Cancel:
                return false;
            case Answer::Yes:
                return leaveSave() == RunOutcome::Done;  // a refusal has said why
            case Answer::No:
                break;
        }
    }
    ws_.screens.discard(ws_.screens.leave);
    ws_.notifyChanged();
    return true;
}

}  // namespace corvella
