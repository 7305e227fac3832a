#pragma once
// The commands of the settings screens: "User Info", the state tax screen, the city
// and non-resident city screens, and the company header ("Print Out Heading").
#include <array>
#include <functional>
#include <memory>

#include "common/controls.h"
#include "shell/file_set.h"
#include "shell/screens.h"
#include "shell/workspace.h"

namespace corvella {

class SettingsCommands {
  public:
    SettingsCommands(Workspace& ws, Screens& screens, FileSet& files)
        : ws_(ws), screens_(screens), files_(files) {}

    // "User Info" Save: store the screen, write the employee; false when refused (a
    // message says why).
    bool taxInfoSave();
    void taxInfoClose() {
        ws_.screens.discard(ws_.screens.taxInfo);
        ws_.notifyChanged();
    }

    // The menu entry "S&tate Tax": the screen (loaded if needed), each checked state's
    // preset again, "Spouse Works" shown for Missouri and Utah.
    DialogState& mnuState_Click();
    // "SAVE": false when a box is not a number or a file cannot be written.
    bool stateSave();
    void stateCancel() {
        ws_.screens.discard(ws_.screens.state);
        ws_.notifyChanged();
    }
    // "Make Default": the defaults (empty name) written from this employee.
    bool stateMakeDefault();
    // "Get Default": the state defaults into the screen and the profile screen.
    void stateGetDefault() { files_.LoadStateFile(files_.stateScreen(), true); }

    bool citySave();
    void cityCancel() { ws_.screens.discard(ws_.screens.city); }
    bool nonCitySave();
    void nonCityCancel() { ws_.screens.discard(ws_.screens.nonCity); }

    // The heading dialog: Header.sav read (a damaged file is reported; the fields read
    // before the fault are kept), empty fields defaulted, shown in the boxes.
    HeaderScreen& headerScreen();
    // "OK": the boxes into the header and Header.sav; false when the write failed.
    bool headerSave();
    // The folder's tax year mode; 2015's when the setting is damaged (after saying so).
    TaxYearMode taxYearMode();
    // Saves the mode for every run of the folder; false after a message when it cannot.
    bool setTaxYearMode(TaxYearMode mode);
    void headerClose() { ws_.screens.discard(ws_.screens.header); }

  private:
    // Runs a screen's save; a refused box or a failed write is reported.
    bool reportingSave(const std::function<void()>& save);
    // Files under the empty name are the defaults for new employees: a save that would
    // write them (no employee open) asks first. True when the save may go on.
    bool mayOverwriteDefaults(const std::string& name);
    bool saveState(bool askForDefaults);

    Workspace& ws_;
    Screens& screens_;
    FileSet& files_;
};

}  // namespace corvella
