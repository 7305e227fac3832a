#include "shell/screens.h"

#include "common/errors.h"
#include "common/number.h"
#include "shell/messages.h"
#include "state/state_presets.h"

namespace corvella {

FrmTaxInfo& Screens::taxInfo() {
    auto& screen = ws_.screens.taxInfo;
    if (!screen) {
        ws_.screens.create(screen);
        screen->load(ws_.records.profile);
        screen->showW4(ws_.records.w4);
        screen->showW2(ws_.records.w2);
        TaxYearMode mode = TaxYearMode::Year2015;
        try {
            mode = ws_.store.loadTaxYearMode();
        } catch (const ReadError&) {
            // Shown as 2015's; the run names the damaged setting.
        }
        screen->cboTaxYear.text = kTaxYearChoices[mode == TaxYearMode::Year2015 ? 0 : 1];
        try {
            storeTaxInfo();
        } catch (const ConversionError&) {
            // A value read from a file outside the lists stays as it was read.
        }
    }
    return *screen;
}

void Screens::storeTaxInfo() {
    TaxProfile& profile = ws_.records.profile;
    MainWindow& main = ws_.main;
    ws_.screens.taxInfo->store(profile);
    main.lbTaxTag[5].caption = profile.DedCaption5;
    main.lbTaxTag[6].caption = profile.DedCaption6;
    main.lbTaxTag[7].caption = profile.DedCaption7;
    main.lbTaxTag[8].caption = profile.DedCaption8;
    main.lbTaxTag[9].caption = profile.DedCaption9;
    main.lbTableNotice.caption =
        profile.WeeklyFlag == -1 ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
}

void Screens::showProfile() {
    TaxProfile& profile = ws_.records.profile;
    ws_.main.lbTableNotice.caption =
        profile.weekly() ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
    taxInfo().show(profile);
    taxInfo().showW4(ws_.records.w4);
    taxInfo().showW2(ws_.records.w2);
    if (ws_.screens.overtime) ws_.screens.overtime->FillInOT(ws_.records.ot, profile.weekly());
}

DialogState& Screens::newStateScreen() {
    DialogState& s = ws_.screens.create(ws_.screens.state, ws_.records.state);
    s.setLouisPriorVisible = [this](bool v) { ws_.main.ckLouisPrior.visible = v; };
    s.runPreset = [&s](SpecialState which) { runStatePreset(s, which); };
    s.profileScreen = [this] {
        FrmTaxInfo& f = taxInfo();
        return DialogState::ProfileScreenView{f.optBiWeek.selected(), f.optWeek.selected(),
                                              f.cboStatus2.text};
    };
    s.refreshProfileStateFields = [this] { taxInfo().showStateFields(ws_.records.profile); };
    return s;
}

void Screens::showStateFile(DialogState& s, bool fileRead) {
    if (fileRead) s.refreshFromRecord();
    s.setFlagBoxesFromRecord();
    taxInfo().showStateFields(ws_.records.profile);
}

void Screens::finishStateScreen(DialogState& s) {
    s.runPresetsOfCheckedBoxes();
    try {
        s.fillVari();
    } catch (const ConversionError&) {
        ws_.ui.message(messages::kNonNumerial, Icon::Warning);
    }
    s.updateBaseCaptions();
}

DialogCity& Screens::newCityScreen(bool fileRead) {
    DialogCity& c = ws_.screens.create(ws_.screens.city, ws_.records.city);
    // Without a file the boxes stay empty and take the defaults.
    if (fileRead) c.refreshFromTable();
    c.CheckFor();
    try {
        c.fillVar();
    } catch (const ConversionError&) {
    }
    return c;
}

DialogNonCity& Screens::newNonCityScreen(bool fileRead) {
    DialogNonCity& n = ws_.screens.create(ws_.screens.nonCity, ws_.records.nonCity);
    if (fileRead) n.refreshFromTable();
    n.fillEmptyWithDefaults();
    try {
        n.fillVar();
    } catch (const ConversionError&) {
    }
    return n;
}

LeaveScreen& Screens::newLeaveScreen(const std::optional<LeaveBalances>& read) {
    LeaveScreen& l = ws_.screens.create(ws_.screens.leave);
    if (read) l.show(*read);
    return l;
}

FrmSaveUser& Screens::saveWindow() {
    auto& screen = ws_.screens.saveWindow;
    if (!screen) {
        ws_.screens.create(screen);
        screen->txtSaveUser.text = ws_.records.CurrentUser;
    }
    return *screen;
}

OvertimeScreen& Screens::overtimeScreen() {
    auto& screen = ws_.screens.overtime;
    if (!screen) {
        ws_.screens.create(screen);
        screen->FillInOT(ws_.records.ot, ws_.records.profile.weekly());
        for (auto& b : screen->txtOT)
            if (b.text.empty()) b.text = "0";
    }
    return *screen;
}

}  // namespace corvella
