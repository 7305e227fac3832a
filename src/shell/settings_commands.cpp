#include "shell/settings_commands.h"

#include "common/errors.h"
#include "shell/messages.h"
#include "shell/pay_runner.h"

namespace corvella {

bool SettingsCommands::mayOverwriteDefaults(const std::string& name) {
    return !name.empty() || ws_.ui.askYesNo(messages::kSaveAsDefaults, "Defaults");
}

bool SettingsCommands::taxInfoSave() {
    if (!mayOverwriteDefaults(screens_.saveWindow().txtSaveUser.text)) return false;
    const TaxYearMode mode = screens_.taxInfo().cboTaxYear.text == kTaxYearChoices[0]
                                 ? TaxYearMode::Year2015
                                 : TaxYearMode::ByWeekEnding;
    try {
        screens_.storeTaxInfo();
        files_.saveAllFiles();
    } catch (const ConversionError& e) {
        ws_.ui.message(messages::correctAndSaveAgain(e), Icon::Warning);
        return false;
    } catch (const Error& e) {
        ws_.ui.message(messages::employeeNotSaved(e), Icon::Warning);
        return false;
    }
    if (mode != taxYearMode() && !setTaxYearMode(mode)) return false;
    ws_.screens.discard(ws_.screens.taxInfo);
    ws_.notifyChanged();
    return true;
}

DialogState& SettingsCommands::mnuState_Click() {
    DialogState& s = files_.stateScreen();
    s.runPresetsOfCheckedBoxes();
    if (s.ckMissouri.checked() || s.ckUtah.checked()) s.ckSpouse.visible = true;
    return s;
}

bool SettingsCommands::stateSave() {
    return saveState(true);
}

bool SettingsCommands::saveState(bool askForDefaults) {
    if (askForDefaults && !mayOverwriteDefaults(ws_.records.CurrentUser)) return false;
    DialogState& s = files_.stateScreen();
    try {
        s.fillVari();
    } catch (const ConversionError& e) {
        ws_.ui.message(messages::stateBoxNotANumber(e), Icon::Warning);
        return false;
    }
    try {
        // The state file is only read back together with the rest: one change.
        std::vector<FileContent> files{files_.stateFileContent()};
        for (auto& f : files_.employeeFileContents()) files.push_back(std::move(f));
        ws_.store.commit(files);
    } catch (const ConversionError& e) {
        ws_.ui.message(messages::stateBoxNotANumber(e), Icon::Warning);
        return false;
    } catch (const Error& e) {
        ws_.ui.message(messages::stateNotSaved(e), Icon::Warning);
        return false;
    }
    ws_.screens.discard(ws_.screens.state);
    ws_.notifyChanged();
    return true;
}

bool SettingsCommands::stateMakeDefault() {
    if (!saveState(false)) return false;  // the employee's own files first
    // The defaults are the employee's files under the empty name.
    screens_.saveWindow().txtSaveUser.text.clear();
    bool made = true;
    try {
        files_.saveAllFiles();
    } catch (const Error& e) {
        ws_.ui.message(messages::defaultsNotSaved(e), Icon::Warning);
        made = false;
    }
    if (made) ws_.ui.message(messages::kDefaultsMade);
    ws_.screens.close(Closing::PayRun);
    ws_.records.CurrentUser = ws_.main.lbUser.caption;
    ws_.notifyChanged();
    return made;
}

bool SettingsCommands::reportingSave(const std::function<void()>& save) {
    try {
        save();
    } catch (const ConversionError& e) {
        ws_.ui.message(messages::correctAndSaveAgain(e), Icon::Warning);
        return false;
    } catch (const Error& e) {
        ws_.ui.message(messages::checkYourNumbers(e), Icon::Warning);
        return false;
    }
    return true;
}

bool SettingsCommands::citySave() {
    if (!mayOverwriteDefaults(ws_.records.CurrentUser)) return false;
    if (!reportingSave([this] { ws_.store.commit({files_.cityFileContent()}); })) return false;
    ws_.screens.discard(ws_.screens.city);
    return true;
}

bool SettingsCommands::nonCitySave() {
    if (!mayOverwriteDefaults(ws_.records.CurrentUser)) return false;
    if (!reportingSave([this] { ws_.store.commit({files_.nonCityFileContent()}); })) return false;
    ws_.screens.discard(ws_.screens.nonCity);
    return true;
}

HeaderScreen& SettingsCommands::headerScreen() {
    auto& screen = ws_.screens.header;
    if (screen) return *screen;
    try {
        ws_.store.loadHeader(ws_.header);
    } catch (const ReadError& e) {
        ws_.ui.message(corruptedFileMessage(e.file), Icon::Warning);
    }
    fillHeaderDefaults(ws_.header);
    ws_.screens.create(screen);
    const CompanyHeader& h = ws_.header;
    const std::string* fields[] = {&h.Company, &h.Address, &h.ZipLine, &h.IdNumber};
    for (size_t i = 0; i < 4; ++i) screen->txtHeader[i].text = *fields[i];
    return *screen;
}

TaxYearMode SettingsCommands::taxYearMode() {
    try {
        return ws_.store.loadTaxYearMode();
    } catch (const ReadError& e) {
        ws_.ui.message(messages::fileDamaged(e, "Choose the tax year again to replace it."),
                       Icon::Warning);
        return TaxYearMode::Year2015;
    }
}

bool SettingsCommands::setTaxYearMode(TaxYearMode mode) {
    try {
        ws_.store.saveTaxYearMode(mode);
    } catch (const Error& e) {
        ws_.ui.message(messages::taxYearNotSaved(e), Icon::Warning);
        return false;
    }
    showTaxYear(ws_);
    ws_.notifyChanged();
    return true;
}

bool SettingsCommands::headerSave() {
    HeaderScreen& screen = headerScreen();
    CompanyHeader& h = ws_.header;
    std::string* fields[] = {&h.Company, &h.Address, &h.ZipLine, &h.IdNumber};
    for (size_t i = 0; i < 4; ++i) *fields[i] = screen.txtHeader[i].text;
    try {
        ws_.store.saveHeader(h);
    } catch (const Error& e) {
        ws_.ui.message(messages::headingNotSaved(e), Icon::Warning);
        return false;
    }
    return true;
}

}  // namespace corvella
