#include "state/dialog_state.h"

#include <iterator>

#include "common/number.h"

namespace corvella {

namespace {

constexpr size_t kRows = 10;

// One table row as the boxes show it: both tables share the minimum.
struct RowFigures {
    const char* min;
    const char* amtSingle;
    const char* amtMarried;
    const char* perSingle;
    const char* perMarried;
};

constexpr RowFigures kDefaultTable[kRows] = {
    {"0", "0", "0", "0.04", "0.04"},
    {"319", "12.77", "12.77", "0.045", "0.045"},
    {"440", "18.23", "18.23", "0.0525", "0.0525"},
    {"521", "22.46", "22.46", "0.059", "0.059"},
    {"802", "39.04", "39.04", "0.0645", "0.0645"},
    {"3015", "181.81", "181.81", "0.0665", "0.0665"},
    {"3619", "221.96", "221.96", "0.0758", "0.0728"},
    {"4023", "252.58", "251.35", "0.0808", "0.0778"},
    {"6035", "415.08", "407.85", "0.0715", "0.0808"},
    {"8048", "559.04", "570.54", "0.0815", "0.0715"},
};

constexpr RowFigures kNewYorkTable[kRows] = {
    {"0", "0", "0", "0.04", "0.04"},
    {"323", "12.92", "12.92", "0.045", "0.045"},
    {"446", "18.46", "18.46", "0.0525", "0.0525"},
    {"529", "22.81", "22.81", "0.059", "0.059"},
    {"813", "39.58", "39.58", "0.0645", "0.0645"},
    {"3062", "184.62", "184.62", "0.0665", "0.0665"},
    {"3675", "225.38", "225.38", "0.0758", "0.0728"},
    {"4085", "256.42", "255.19", "0.0808", "0.0778"},
    {"6129", "421.62", "414.27", "0.0715", "0.0808"},
    {"8173", "567.77", "579.42", "0.0815", "0.0715"},
};

// Exemption amounts step by 38.5 from a base; worked in tenths so that every entry is the
// exact decimal figure (317.3, not 317.29998).
std::string exemptionText(int baseTenths, size_t n) {
    return doubleText((baseTenths + 385 * static_cast<int>(n)) / 10.0);
}

// The screen's check box of each special state, in the order of SpecialState.
constexpr CheckBox DialogState::*kBoxes[] = {
    &DialogState::ckAriz,        &DialogState::ckLouis,    &DialogState::ckIowa,
    &DialogState::ckMissouri,    &DialogState::ckMass,     &DialogState::ckOregon,
    &DialogState::ckUtah,        &DialogState::ckKentucky, &DialogState::ckWiscon,
    &DialogState::ckWisconApril, &DialogState::ckNC,       &DialogState::ckAlabama,
};
static_assert(std::size(kBoxes) == kSpecialStateCount);

enum class SpouseStep { UncheckAndHide, ShowKeepValue };
enum class RoundStep { Uncheck, Keep, Check };

struct SelectionStep {
    SpouseStep spouse;
    RoundStep round;
    bool weekLabelsShown;  // Label19, Label20, Label21
    bool louisPriorShown;
};

SelectionStep selectionStepOf(SpecialState s) {
    switch (s) {
        case SpecialState::Louis:
            return {SpouseStep::UncheckAndHide, RoundStep::Uncheck, true, true};
        case SpecialState::Iowa:
            return {SpouseStep::UncheckAndHide, RoundStep::Keep, false, false};
        case SpecialState::Missouri:
            return {SpouseStep::ShowKeepValue, RoundStep::Keep, true, false};
        case SpecialState::Utah:
            return {SpouseStep::ShowKeepValue, RoundStep::Uncheck, true, false};
        case SpecialState::NC:
            return {SpouseStep::UncheckAndHide, RoundStep::Check, true, false};
        case SpecialState::Ariz:
        case SpecialState::Alabama:
        case SpecialState::Mass:
        case SpecialState::Oregon:
        case SpecialState::Kentucky:
        case SpecialState::Wiscon:
        case SpecialState::WisconApril:
            break;
    }
    return {SpouseStep::UncheckAndHide, RoundStep::Uncheck, true, false};
}

std::string indexed(const char* name, size_t i) {
    return std::string(name) + "(" + std::to_string(i) + ")";
}

}  // namespace

DialogState::DialogState(StateSettings& record) : rec_(record) {
    lbRulesYear.caption = "Built-in states: " + std::to_string(kBuiltInRulesYear) + " rules";
    lbRulesTip.caption = "Each state below computes by its " + std::to_string(kBuiltInRulesYear) +
                         " withholding formula. For a later year, enter the state's schedule "
                         "in the table and check none of these.";
    for (auto* arr : {&txtStateMinBS, &txtStateAmtBS, &txtStatePerBS, &txtStateMinBM,
                      &txtStateAmtBM, &txtStatePerBM, &txtStateSgExp, &txtStateMarExp})
        for (TextBox& b : *arr) b.numericOnly = true;
    for (TextBox* b : {&txtSDIpercent, &txtSDIwageBase, &txtStateAdj, &txtCalAllow, &txtSUIpercent,
                       &txtSUIwageBase})
        b->numericOnly = true;
    ckSpouse.visible = false;  // shown while Missouri or Utah is selected

    Label19.caption = "BIWEEKLY ";
    Label20.caption = "BIWEEKLY ";
    Label21.caption = "BIWEEKLY ";
    Label13.caption = "# of Exemp";
    Label14.caption = "SINGLE";
    Label15.caption = "MARRIED";
    Label5.caption = "Table for MARRIED Persons";
    for (size_t i = 0; i < kRows; ++i) Label27[i].caption = std::to_string(i);
    updateBaseCaptions();

    ckNoStateTax.onChange = [this] { onNoStateTaxChanged(); };
    ckSDI.onChange = [this] { onSdiChanged(); };
    ckSUI.onChange = [this] { onSuiChanged(); };
    ckSpouse.onChange = [this] { onSpouseChanged(); };
}

CheckBox& DialogState::box(SpecialState s) {
    return this->*kBoxes[static_cast<size_t>(s)];
}

const char* DialogState::boxName(SpecialState s) {
    return specialState(s).boxName;
}

void DialogState::refillTableBoxesFromRecord() {
    for (size_t i = 0; i < kRows; ++i) {
        txtStateMinBS[i].text = floatText(rec_.StateMinBS[i]);
        txtStateAmtBS[i].text = floatText(rec_.StateAmtBS[i]);
        txtStatePerBS[i].text = floatText(rec_.StatePerBS[i]);
        txtStateMinBM[i].text = floatText(rec_.StateMinBM[i]);
        txtStateAmtBM[i].text = floatText(rec_.StateAmtBM[i]);
        txtStatePerBM[i].text = floatText(rec_.StatePerBM[i]);
        txtStateSgExp[i].text = floatText(rec_.StateSgExp[i]);
        txtStateMarExp[i].text = floatText(rec_.StateMarExp[i]);
    }
}

void DialogState::refillSingleBoxes() {
    txtSDIpercent.text = floatText(rec_.SdiRate);
    txtSDIwageBase.text = floatText(rec_.SdiWageBase);
    txtStateAdj.text = floatText(rec_.StateAddl);
    txtCalAllow.text = floatText(rec_.CalAllow);
    txtSUIpercent.text = floatText(rec_.SuiRate);
    txtSUIwageBase.text = floatText(rec_.SuiWageBase);
    ckSDI.set(rec_.SdiBaseFlag);
    ckSUI.set(rec_.SuiBaseFlag);
}

void DialogState::refreshFromRecord() {
    refillTableBoxesFromRecord();
    txtSDIpercent.text = floatText(rec_.SdiRate);
    txtSUIpercent.text = floatText(rec_.SuiRate);
    txtSDIwageBase.text = floatText(rec_.SdiWageBase);
    txtSUIwageBase.text = floatText(rec_.SuiWageBase);
    txtStateAdj.text = floatText(rec_.StateAddl);
    txtCalAllow.text = floatText(rec_.CalAllow);
    ckNoStateTax.set(rec_.NoStateTaxFlag);
    ckSDI.set(rec_.SdiBaseFlag);
    ckSUI.set(rec_.SuiBaseFlag);
}

void DialogState::setFlagBoxesFromRecord() {
    for (const SpecialStateRow& row : kSpecialStates) box(row.id).set(rec_.*row.flag);
    ckSpouse.set(rec_.SpouseFlag);
    ckRoundOff.set(rec_.RoundStateFlag);
}

void DialogState::CheckFor() {
    auto fill = [](TextBox& b, const std::string& v) {
        if (b.text.empty()) b.text = v;
    };
    for (size_t i = 0; i < kRows; ++i) fill(txtStateMinBS[i], kDefaultTable[i].min);
    for (size_t i = 0; i < kRows; ++i) fill(txtStateAmtBS[i], kDefaultTable[i].amtSingle);
    for (size_t i = 0; i < kRows; ++i) fill(txtStatePerBS[i], kDefaultTable[i].perSingle);
    for (size_t i = 0; i < kRows; ++i) fill(txtStateMinBM[i], kDefaultTable[i].min);
    for (size_t i = 0; i < kRows; ++i) fill(txtStateAmtBM[i], kDefaultTable[i].amtMarried);
    for (size_t i = 0; i < kRows; ++i) fill(txtStatePerBM[i], kDefaultTable[i].perMarried);
    for (size_t n = 0; n < kRows; ++n) fill(txtStateSgExp[n], exemptionText(2788, n));
    for (size_t n = 0; n < kRows; ++n) fill(txtStateMarExp[n], exemptionText(2981, n));
    for (TextBox* b : {&txtSDIpercent, &txtSDIwageBase, &txtStateAdj, &txtCalAllow, &txtSUIpercent,
                       &txtSUIwageBase})
        fill(*b, "0");
}

void DialogState::fillVari() {
    CheckFor();
    rec_.NoStateTaxFlag = ckNoStateTax.value;
    // Each box goes straight into the record, so a bad box leaves the earlier ones stored.
    for (size_t i = 0; i < kRows; ++i) {
        rec_.StateMinBS[i] = strictFloat(txtStateMinBS[i].text, indexed("txtStateMinBS", i));
        rec_.StateAmtBS[i] = strictFloat(txtStateAmtBS[i].text, indexed("txtStateAmtBS", i));
        rec_.StatePerBS[i] = strictFloat(txtStatePerBS[i].text, indexed("txtStatePerBS", i));
        rec_.StateMinBM[i] = strictFloat(txtStateMinBM[i].text, indexed("txtStateMinBM", i));
        rec_.StateAmtBM[i] = strictFloat(txtStateAmtBM[i].text, indexed("txtStateAmtBM", i));
        rec_.StatePerBM[i] = strictFloat(txtStatePerBM[i].text, indexed("txtStatePerBM", i));
    }
    for (size_t n = 0; n < kRows; ++n) {
        rec_.StateSgExp[n] = strictFloat(txtStateSgExp[n].text, indexed("txtStateSgExp", n));
        rec_.StateMarExp[n] = strictFloat(txtStateMarExp[n].text, indexed("txtStateMarExp", n));
    }
    rec_.SdiRate = strictFloat(txtSDIpercent.text, "txtSDIpercent");
    rec_.SdiWageBase = strictFloat(txtSDIwageBase.text, "txtSDIwageBase");
    rec_.StateAddl = strictFloat(txtStateAdj.text, "txtStateAdj");
    rec_.CalAllow = strictFloat(txtCalAllow.text, "txtCalAllow");
    rec_.SuiRate = strictFloat(txtSUIpercent.text, "txtSUIpercent");
    rec_.SuiWageBase = strictFloat(txtSUIwageBase.text, "txtSUIwageBase");

    rec_.SdiBaseFlag = ckSDI.value;
    rec_.SuiBaseFlag = ckSUI.value;
    for (const SpecialStateRow& row : kSpecialStates) rec_.*row.flag = box(row.id).value;
    rec_.SpouseFlag = ckSpouse.value;
    rec_.RoundStateFlag = ckRoundOff.value;
}

void DialogState::updateBaseCaptions() {
    Label26.caption = ckSDI.checked() ? "Wage Base" : "Flat Rate";
    Label23.caption = ckSUI.checked() ? "Wage Base" : "Flat Rate";
}

void DialogState::NewYorkTable() {
    for (size_t i = 0; i < kRows; ++i) {
        const RowFigures& r = kNewYorkTable[i];
        txtStateMinBS[i].text = r.min;
        txtStateAmtBS[i].text = r.amtSingle;
        txtStatePerBS[i].text = r.perSingle;
        txtStateMinBM[i].text = r.min;
        txtStateAmtBM[i].text = r.amtMarried;
        txtStatePerBM[i].text = r.perMarried;
        txtStateSgExp[i].text = exemptionText(2827, i);
        txtStateMarExp[i].text = exemptionText(3019, i);
    }
    for (TextBox* b : {&txtSDIpercent, &txtSDIwageBase, &txtStateAdj, &txtCalAllow, &txtSUIpercent,
                       &txtSUIwageBase})
        if (b->text.empty()) b->text = "0";
    Label19.visible = Label20.visible = Label21.visible = true;
    Label14.caption = "Single";
    Label15.caption = "Married";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    Label5.caption = "Table for MARRIED Persons";
    singleTableFrameEnabled = true;
    for (Label* l : tableCaptions()) l->enabled = true;
    Label19.enabled = Label20.enabled = true;
    for (size_t i = 0; i < kRows; ++i)
        txtStateMinBS[i].enabled = txtStateAmtBS[i].enabled = txtStatePerBS[i].enabled = true;
}

void DialogState::cmdDefault_Click() {
    ckNoStateTax.set(0);
    for (const SpecialStateRow& row : kSpecialStates) box(row.id).set(0);
    if (setLouisPriorVisible) setLouisPriorVisible(false);
    ckSpouse.set(0);
    ckSpouse.visible = false;
    ckRoundOff.set(0);
    NewYorkTable();
    Label14.caption = "Single";
    Label15.caption = "Married";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    for (size_t i = 0; i < kRows; ++i) Label27[i].caption = std::to_string(i);
    for (auto* arr : {&txtStateMinBS, &txtStateAmtBS, &txtStatePerBS, &txtStateMinBM,
                      &txtStateAmtBM, &txtStatePerBM, &txtStateSgExp, &txtStateMarExp})
        for (TextBox& b : *arr) b.enabled = true;
}

void DialogState::cmdClearAll_Click() {
    for (size_t i = 0; i < kRows; ++i) {
        txtStateMinBS[i].text = txtStateMinBM[i].text = "999999";
        txtStateAmtBS[i].text = txtStateAmtBM[i].text = "0";
        txtStatePerBS[i].text = txtStatePerBM[i].text = "0";
        txtStateSgExp[i].text = txtStateMarExp[i].text = "0";
    }
    ckRoundOff.set(0);
    ckSpouse.set(0);
    ckSpouse.visible = false;
}

void DialogState::BlankStateTable() {
    rec_.NoStateTaxFlag = 1;
    for (size_t i = 0; i < kRows; ++i) {
        txtStateMinBS[i].text = txtStateMinBM[i].text = "999999";
        txtStateAmtBS[i].text = txtStateAmtBM[i].text = "0";
        txtStatePerBS[i].text = txtStatePerBM[i].text = "0";
        txtStateSgExp[i].text = txtStateMarExp[i].text = "0";
    }
    refillSingleBoxes();
    for (const SpecialStateRow& row : kSpecialStates) box(row.id).set(0);
    ckSpouse.set(0);
    ckSpouse.visible = false;
    if (setLouisPriorVisible) setLouisPriorVisible(false);
    ckRoundOff.set(rec_.RoundStateFlag);
}

void DialogState::selectSpecialState(SpecialState s) {
    CheckBox& pressed = box(s);
    const bool wasChecked = pressed.checked();

    for (const SpecialStateRow& other : kSpecialStates)
        if (other.id != s) box(other.id).set(0);
    ckNoStateTax.set(0);

    const SelectionStep step = selectionStepOf(s);
    if (step.spouse == SpouseStep::UncheckAndHide) {
        ckSpouse.set(0);
        ckSpouse.visible = false;
    } else {
        ckSpouse.visible = true;
    }
    if (step.round == RoundStep::Uncheck) ckRoundOff.set(0);
    if (step.round == RoundStep::Check) ckRoundOff.set(1);
    Label19.visible = Label20.visible = Label21.visible = step.weekLabelsShown;
    if (setLouisPriorVisible) setLouisPriorVisible(step.louisPriorShown);

    if (s == SpecialState::Oregon) pressed.set(1);
    if (runPreset && s != SpecialState::Ariz) runPreset(s);
    if (s == SpecialState::Kentucky) exemptionFrameVisible = Label13.visible = true;

    // The press comes before the click, and the click toggles whatever the box holds by
    // then. Only Oregon's step touches the pressed box: it is set checked and its preset
    // puts every box back from the saved flags, so an Oregon not yet saved ends checked
    // and a saved one ends unchecked (without a preset it ends unchecked). Every other box
    // simply ends opposite to how the press found it.
    if (s == SpecialState::Oregon)
        pressed.set(pressed.checked() ? 0 : 1);
    else
        pressed.set(wasChecked ? 0 : 1);
}

void DialogState::runPresetsOfCheckedBoxes() {
    for (SpecialState s : kSpecialStateOrder) {
        if (!box(s).checked()) continue;
        if (s == SpecialState::Louis && setLouisPriorVisible) setLouisPriorVisible(true);
        if (runPreset) runPreset(s);
    }
}

void DialogState::onNoStateTaxChanged() {
    if (ckNoStateTax.checked())
        BlankStateTable();
    else
        refillTableBoxesFromRecord();
    refillSingleBoxes();
}

void DialogState::onSdiChanged() {
    if (ckSDI.checked()) {
        Label26.caption = "Wage Base";
    } else {
        Label26.caption = "Flat Rate";
        txtSDIpercent.text = "0";
    }
}

void DialogState::onSuiChanged() {
    if (ckSUI.checked()) {
        Label23.caption = "Wage Base";
    } else {
        Label23.caption = "Flat Rate";
        txtSUIpercent.text = "0";
    }
}

void DialogState::onSpouseChanged() {
    if (ckMissouri.checked() && runPreset) runPreset(SpecialState::Missouri);
}

}  // namespace corvella
