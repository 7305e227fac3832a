#pragma once
// The state tax screen "Biweekly State Tax" (DialogState) as a working copy of the
// StateSettings record. The file steps and the load sequence that involve other screens
// are run by the application session; this class holds the screen's controls and every
// behaviour that stays inside the screen and its record.
#include <array>
#include <functional>
#include <string>

#include "common/controls.h"
#include "state/special_state.h"
#include "state/state_settings.h"

namespace corvella {

class DialogState {
  public:
    explicit DialogState(StateSettings& record);
    DialogState(const DialogState&) = delete;
    DialogState& operator=(const DialogState&) = delete;

    // Controls, named as the screen names them. Every text box has the numeric key filter.
    std::array<TextBox, 10> txtStateMinBS, txtStateAmtBS, txtStatePerBS;
    std::array<TextBox, 10> txtStateMinBM, txtStateAmtBM, txtStatePerBM;
    std::array<TextBox, 10> txtStateSgExp, txtStateMarExp;
    TextBox txtSDIpercent, txtSDIwageBase, txtStateAdj, txtCalAllow, txtSUIpercent, txtSUIwageBase;
    CheckBox ckNoStateTax, ckRoundOff, ckSpouse, ckSDI, ckSUI;
    CheckBox ckAriz, ckLouis, ckIowa, ckMissouri, ckMass, ckOregon, ckUtah, ckKentucky, ckWiscon,
        ckWisconApril, ckNC, ckAlabama;
    Label Label5, Label13, Label14, Label15, Label19, Label20, Label21, Label23, Label26;
    // The table's column captions, which Iowa and Missouri grey out.
    Label Label1, Label2, Label3, Label4, Label6, Label8, Label9, Label10, Label11;
    std::array<Label, 10> Label27;
    // Over the special states: the year of their formulas, and where a later year's go.
    Label lbRulesYear, lbRulesTip;
    bool singleTableFrameEnabled = true;
    bool exemptionFrameVisible = true;

    // Effects outside the screen, wired by the session: the main window's ckLouisPrior.
    std::function<void(bool)> setLouisPriorVisible;
    // The special-state presets (runStatePreset), wired by the session.
    std::function<void(SpecialState)> runPreset;

    // What the presets read from the profile screen ("User Info"), wired by the session:
    // its frequency options and its state status box cboStatus2.
    struct ProfileScreenView {
        bool optBiWeek = false;
        bool optWeek = false;
        std::string cboStatus2;
    };
    std::function<ProfileScreenView()> profileScreen;
    // Oregon's preset puts the profile screen's state fields (cboDepend2, cboStatus2,
    // txtFedAddL, ckFedExemp, ckSSMediExemp) back from the profile, as reading the
    // state file does.
    std::function<void()> refreshProfileStateFields;
    // The profile screen as the presets see it: nothing selected while unwired.
    ProfileScreenView profileView() const {
        return profileScreen ? profileScreen() : ProfileScreenView{};
    }

    // The record this screen is the working copy of.
    StateSettings& record() { return rec_; }
    const StateSettings& record() const { return rec_; }
    // The table's column captions Label1 to Label6 and Label8 to Label11.
    std::array<Label*, 10> tableCaptions() {
        return {&Label1, &Label2, &Label3, &Label4,  &Label5,
                &Label6, &Label8, &Label9, &Label10, &Label11};
    }

    CheckBox& box(SpecialState s);
    const CheckBox& box(SpecialState s) const { return const_cast<DialogState*>(this)->box(s); }
    static const char* boxName(SpecialState s);  // "ckAriz", …

    // The first half of reading the state file: every array value, the six single boxes and
    // ckNoStateTax, ckSDI, ckSUI from the record.
    void refreshFromRecord();
    // The second half: the special-state boxes, ckSpouse and ckRoundOff.
    void setFlagBoxesFromRecord();
    // Empty boxes get the built-in defaults.
    void CheckFor();
    // Copies the screen into the record; a box that is not a number throws
    // ConversionError naming it, with the earlier fields already stored.
    void fillVari();
    // Label26/Label23 "Wage Base" or "Flat Rate" from ckSDI/ckSUI.
    void updateBaseCaptions();
    void NewYorkTable();
    void cmdDefault_Click();   // "New York"
    void cmdClearAll_Click();  // "CLEAR ALL"
    void BlankStateTable();
    // Pressing a special-state box: the selection step, then the box flips.
    void selectSpecialState(SpecialState s);
    // For each checked special-state box in the load order, its preset.
    void runPresetsOfCheckedBoxes();

  private:
    void onNoStateTaxChanged();
    void onSdiChanged();
    void onSuiChanged();
    void onSpouseChanged();
    void refillSingleBoxes();
    void refillTableBoxesFromRecord();
    StateSettings& rec_;
};

}  // namespace corvella
