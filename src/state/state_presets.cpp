#include "state/state_presets.h"

#include <string>

#include "common/number.h"

namespace corvella {

namespace {

constexpr size_t kRows = 10;

// One table row as the presets write it, single and married.
struct PresetRow {
    const char* minS;
    const char* amtS;
    const char* perS;
    const char* minM;
    const char* amtM;
    const char* perM;
};

// A figure that steps by a fixed amount per exemption, worked in whole units of
// `scale` so that every entry is the exact decimal (7.7, not 7.7000003).
std::string stepText(int step, size_t n, double scale) {
    return doubleText(step * static_cast<int>(n) / scale);
}

void setNumbers(std::array<Label, 10>& captions) {
    for (size_t i = 0; i < kRows; ++i) captions[i].caption = std::to_string(i);
}

void setRow(DialogState& s, size_t i, const PresetRow& r) {
    s.txtStateMinBS[i].text = r.minS;
    s.txtStateAmtBS[i].text = r.amtS;
    s.txtStatePerBS[i].text = r.perS;
    s.txtStateMinBM[i].text = r.minM;
    s.txtStateAmtBM[i].text = r.amtM;
    s.txtStatePerBM[i].text = r.perM;
}

// A row no wage reaches: minimum 999999, amount and rate 0.
void unusedRow(DialogState& s, size_t i) {
    setRow(s, i, {"999999", "0", "0", "999999", "0", "0"});
}

void enableRow(DialogState& s, size_t i, bool enabled) {
    for (auto* arr : {&s.txtStateMinBS, &s.txtStateAmtBS, &s.txtStatePerBS, &s.txtStateMinBM,
                      &s.txtStateAmtBM, &s.txtStatePerBM})
        (*arr)[i].enabled = enabled;
}

void setExemptions(DialogState& s, const std::string (&texts)[kRows]) {
    for (size_t n = 0; n < kRows; ++n)
        s.txtStateSgExp[n].text = s.txtStateMarExp[n].text = texts[n];
}

// Iowa and Missouri show only the exemption columns.
void greyOutTable(DialogState& s) {
    s.singleTableFrameEnabled = false;
    for (Label* l : s.tableCaptions()) l->enabled = false;
    s.Label19.enabled = s.Label20.enabled = false;
    setNumbers(s.Label27);
    for (size_t i = 0; i < kRows; ++i) {
        enableRow(s, i, false);
        unusedRow(s, i);
    }
}

}  // namespace

void runStatePreset(DialogState& s, SpecialState which) {
    switch (which) {
        case SpecialState::Ariz:
            return;
        case SpecialState::Louis:
            return LouisianaSet(s);
        case SpecialState::Iowa:
            return IowaSet(s);
        case SpecialState::Missouri:
            return MissouriSet(s);
        case SpecialState::Mass:
            return MassSet(s);
        case SpecialState::Oregon:
            return OregonSet(s);
        case SpecialState::Utah:
            return UtahSet(s);
        case SpecialState::Kentucky:
            return KentuckySet(s);
        case SpecialState::Wiscon:
            return WisconsinSet(s);
        case SpecialState::WisconApril:
            return WisconsinAprilSet(s);
        case SpecialState::NC:
            return NCSet(s);
        case SpecialState::Alabama:
            return AlabamaSet(s);
    }
}

// ---------------------------------------------------------------- Louisiana

void LouisianaLayout(DialogState& s) {
    const StateSettings& rec = s.record();
    s.txtStatePerBS[0].text = s.txtStatePerBM[0].text = "0";
    for (size_t i = 1; i < kRows; ++i) unusedRow(s, i);
    for (size_t i = 0; i < kRows; ++i) enableRow(s, i, false);
    for (size_t i = 1; i < kRows; ++i) s.txtStateSgExp[i].text = s.txtStateMarExp[i].text = "0";
    s.txtStateSgExp[0].text = floatText(rec.StateSgExp[0]);
    s.txtStateMarExp[0].text = floatText(rec.StateMarExp[0]);
    for (size_t i = 1; i < kRows; ++i)
        s.txtStateSgExp[i].enabled = s.txtStateMarExp[i].enabled = false;
}

void LouisianaSet(DialogState& s) {
    s.Label14.caption = "Personal";
    s.Label15.caption = "Dependent";
    s.Label21.caption = "Enter Number Of";
    s.Label13.caption = "";
    s.Label5.caption = "Table for MARRIED Persons";
    for (Label& l : s.Label27) l.caption = "";
    for (size_t i = 1; i < kRows; ++i)
        s.txtStateSgExp[i].enabled = s.txtStateMarExp[i].enabled = false;
    LouisianaLayout(s);
    // The formula knows at most two personal exemptions and six dependents; the record
    // keeps a larger count until the next save copies the boxes.
    if (s.record().StateSgExp[0] > 2) s.txtStateSgExp[0].text = "2";
    if (s.record().StateMarExp[0] > 6) s.txtStateMarExp[0].text = "6";
    s.txtStateSgExp[0].enabled = s.txtStateMarExp[0].enabled = true;
}

// ---------------------------------------------------------------- Iowa and Missouri

void IowaSet(DialogState& s) {
    s.Label19.visible = s.Label20.visible = s.Label21.visible = false;
    s.Label14.caption = "Standard";
    s.Label15.caption = "Credit";
    s.Label21.caption = "BiWeekly";
    s.Label13.caption = "# of Exemp";
    greyOutTable(s);
    const bool biWeek = s.profileView().optBiWeek;
    const char* const one = biWeek ? "63.46" : "31.73";
    const char* const more = biWeek ? "156.15" : "78.08";
    const int credit = biWeek ? 154 : 77;  // cents per exemption
    for (size_t n = 0; n < kRows; ++n) {
        s.txtStateSgExp[n].text = n < 2 ? one : more;
        s.txtStateMarExp[n].text = stepText(credit, n, 100);
    }
    s.ckRoundOff.set(1);
}

void MissouriSet(DialogState& s) {
    s.Label14.caption = "Standard";
    s.Label15.caption = "W4 Allowance";
    s.Label21.caption = "BiWeekly";
    s.Label13.caption = "# of Exemp";
    greyOutTable(s);
    const DialogState::ProfileScreenView profile = s.profileView();
    const bool biWeek = profile.optBiWeek;

    // The standard deduction: a married person whose spouse does not work gets twice
    // the single figure.
    const char* standard = nullptr;
    if (profile.cboStatus2 == "Single" || (profile.cboStatus2 == "Married" && s.ckSpouse.checked()))
        standard = biWeek ? "242.31" : "121.15";
    else if (profile.cboStatus2 == "Married")
        standard = biWeek ? "484.62" : "242.31";
    if (standard)
        for (TextBox& b : s.txtStateSgExp) b.text = standard;

    static const char* const kW4BiWeekly[kRows] = {"0",      "80.77",  "126.92", "173.07",
                                                   "219.22", "265.37", "311.52", "357.67",
                                                   "403.82", "449.97"};
    // The published weekly list breaks the even step at its last two entries.
    static const char* const kW4Weekly[kRows] = {"0",     "40.38",  "63.46",  "86.54",  "109.62",
                                                 "132.7", "155.78", "178.86", "184.64", "201.94"};
    for (size_t n = 0; n < kRows; ++n)
        s.txtStateMarExp[n].text = biWeek ? kW4BiWeekly[n] : kW4Weekly[n];
    s.ckRoundOff.set(1);
}

// ---------------------------------------------------------------- Oregon, Utah, Mass

void OregonSet(DialogState& s) {
    s.refreshFromRecord();
    s.setFlagBoxesFromRecord();
    if (s.refreshProfileStateFields) s.refreshProfileStateFields();
    s.ckUtah.set(0);

    setNumbers(s.Label27);
    for (size_t i = 3; i < kRows; ++i) {
        enableRow(s, i, false);
        unusedRow(s, i);
    }
    for (size_t i = 0; i < 3; ++i) enableRow(s, i, true);

    static const PresetRow kWeekly[3] = {
        {"0", "3.73", "0.05", "0", "3.73", "0.05"},
        {"64.42", "6.96", "0.07", "128.85", "10.17", "0.07"},
        {"161.54", "13.75", "0.09", "323.08", "23.77", "0.09"},
    };
    static const PresetRow kBiWeekly[3] = {
        {"0", "7.46", "0.05", "0", "7.46", "0.05"},
        {"128.85", "13.92", "0.07", "257.69", "20.35", "0.07"},
        {"323.08", "27.5", "0.09", "646.15", "47.56", "0.09"},
    };
    const bool week = s.profileView().optWeek;
    const char* const caption = week ? "WEEKLY" : "BIWEEKLY";
    s.Label19.caption = s.Label20.caption = s.Label21.caption = caption;
    for (size_t i = 0; i < 3; ++i) setRow(s, i, week ? kWeekly[i] : kBiWeekly[i]);
    // Credits in cents per exemption.
    const int single = week ? 373 : 735;
    const int married = week ? 373 : 746;
    for (size_t n = 0; n < kRows; ++n) {
        s.txtStateSgExp[n].text = stepText(single, n, 100);
        s.txtStateMarExp[n].text = stepText(married, n, 100);
    }
}

void UtahSet(DialogState& s) {
    setNumbers(s.Label27);
    for (size_t i = 7; i < kRows; ++i) unusedRow(s, i);
    for (size_t i = 0; i < kRows; ++i) enableRow(s, i, true);

    static const PresetRow kRowsUtah[7] = {
        {"0", "0", "0", "0", "0", "0"},
        {"254", "0", "0.01", "508", "0", "0.01"},
        {"315", "0", "0.02", "631", "0", "0.02"},
        {"423", "0", "0.03", "846", "0", "0.03"},
        {"565", "0", "0.04", "1131", "0", "0.04"},
        {"812", "0", "0.05", "1623", "0", "0.05"},
        {"1531", "0", "0.05", "3062", "0", "0.05"},
    };
    for (size_t i = 0; i < 7; ++i) setRow(s, i, kRowsUtah[i]);

    const DialogState::ProfileScreenView profile = s.profileView();
    int credit = 0;  // dollars per exemption; neither frequency leaves the credits as they are
    if (profile.optBiWeek)
        credit = 5;
    else if (profile.optWeek)
        credit = 2;
    if (credit != 0)
        for (size_t n = 0; n < kRows; ++n)
            s.txtStateSgExp[n].text = s.txtStateMarExp[n].text = stepText(credit, n, 1);

    s.ckSpouse.set(0);
    s.ckSpouse.visible = false;
}

void MassSet(DialogState& s) {
    setNumbers(s.Label27);
    for (size_t i = 1; i < kRows; ++i) {
        enableRow(s, i, false);
        unusedRow(s, i);
    }
    enableRow(s, 0, true);
    setRow(s, 0, {"0", "0", "0.0515", "0", "0", "0.0515"});
    static const std::string kExemptions[kRows] = {"0",   "169", "207", "245", "283",
                                                   "321", "359", "397", "435", "473"};
    setExemptions(s, kExemptions);
}

// ---------------------------------------------------------------- Kentucky and N.C.

void KentuckySet(DialogState& s) {
    setNumbers(s.Label27);
    const bool biWeek = s.profileView().optBiWeek;
    s.Label19.enabled = s.Label20.enabled = s.Label21.enabled = biWeek;
    for (size_t i = 6; i < kRows; ++i) {
        enableRow(s, i, false);
        unusedRow(s, i);
    }
    for (size_t i = 0; i < 6; ++i) enableRow(s, i, true);

    // Bracket tops, not minimums; the amount column holds the standard deduction.
    static const char* const kTopBiWeekly[6] = {"115.38", "153.84",  "192.3",
                                                "307.68", "2884.61", "5769.22"};
    static const char* const kTopWeekly[6] = {"57.69",  "76.92",  "96.15",
                                              "153.85", "1442.3", "2884.61"};
    static const char* const kRate[6] = {"0.02", "0.03", "0.04", "0.05", "0.058", "0.06"};
    const char* const deduction = biWeek ? "93.85" : "46.92";
    for (size_t i = 0; i < 6; ++i) {
        const char* top = biWeek ? kTopBiWeekly[i] : kTopWeekly[i];
        setRow(s, i, {top, deduction, kRate[i], top, deduction, kRate[i]});
    }
    const int credit = biWeek ? 385 : 192;  // thousandths per exemption
    for (size_t n = 0; n < kRows; ++n)
        s.txtStateSgExp[n].text = s.txtStateMarExp[n].text = stepText(credit, n, 1000);
}

void NCSet(DialogState& s) {
    setNumbers(s.Label27);
    for (size_t i = 4; i < kRows; ++i) unusedRow(s, i);
    for (size_t i = 0; i < kRows; ++i) enableRow(s, i, true);
    static const PresetRow kRowsNC[4] = {
        {"0", "0", "0", "0", "0", "0"},
        {"115.38", "6.92", "0.06", "115.38", "6.92", "0.06"},
        {"605.77", "12.98", "0.07", "524.04", "12.16", "0.07"},
        {"2423.08", "31.15", "0.0775", "2038.46", "27.45", "0.0775"},
    };
    for (size_t i = 0; i < 4; ++i) setRow(s, i, kRowsNC[i]);
    for (size_t n = 0; n < kRows; ++n)
        s.txtStateSgExp[n].text = s.txtStateMarExp[n].text = stepText(9615, n, 100);
}

// ---------------------------------------------------------------- Wisconsin

namespace {

void wisconsinPreset(DialogState& s, const PresetRow (&rows)[7]) {
    setNumbers(s.Label27);
    for (size_t i = 7; i < kRows; ++i) unusedRow(s, i);
    for (size_t i = 0; i < kRows; ++i) enableRow(s, i, true);
    for (size_t i = 0; i < 7; ++i) setRow(s, i, rows[i]);
    // 0.85 per exemption per bi-weekly period.
    for (size_t n = 0; n < kRows; ++n)
        s.txtStateSgExp[n].text = s.txtStateMarExp[n].text = stepText(85, n, 100);
}

}  // namespace

void WisconsinSet(DialogState& s) {
    static const PresetRow kPrior[7] = {
        {"0", "0", "0", "0", "0", "0"},
        {"153.85", "0", "0.046", "211.54", "0", "0.046"},
        {"408.46", "11.73", "0.05154", "518.08", "14.12", "0.0615"},
        {"454.81", "14.12", "0.06888", "575", "17.62", "0.0738"},
        {"716.5", "32.15", "0.0728", "771.81", "32.15", "0.078"},
        {"1690.5", "103.08", "0.065", "1632.69", "99.31", "0.065"},
        {"4428.46", "281.04", "0.0675", "4428.46", "281.04", "0.0675"},
    };
    wisconsinPreset(s, kPrior);
}

void WisconsinAprilSet(DialogState& s) {
    static const PresetRow kApril[7] = {
        {"0", "0", "0", "0", "0", "0"},
        {"220.38", "0", "0.04", "302.69", "0", "0.04"},
        {"584.62", "14.57", "0.0448", "722.31", "16.78", "0.0584"},
        {"634.08", "16.79", "0.065408", "823.08", "22.67", "0.07008"},
        {"1008.73", "41.29", "0.070224", "1088.77", "41.29", "0.07524"},
        {"2421.15", "140.48", "0.0627", "2336.54", "135.17", "0.0627"},
        {"9238.08", "567.9", "0.0765", "9238.08", "567.9", "0.0765"},
    };
    wisconsinPreset(s, kApril);
}

// ---------------------------------------------------------------- Alabama

void AlabamaSet(DialogState& s) {
    setNumbers(s.Label27);
    // The formula needs no table: every box shows 0 and is locked.
    for (size_t i = 0; i < kRows; ++i) {
        setRow(s, i, {"0", "0", "0", "0", "0", "0"});
        enableRow(s, i, false);
        s.txtStateSgExp[i].text = s.txtStateMarExp[i].text = "0";
        s.txtStateSgExp[i].enabled = s.txtStateMarExp[i].enabled = false;
    }
}

std::string rulesOf(SpecialState s) {
    const SpecialStateRow& row = kSpecialStates[static_cast<size_t>(s)];
    // The box of the rules before April 2014 says so in its caption.
    if (s == SpecialState::Wiscon)
        return std::string(row.listName) + ": its formula before 4/1/2014";
    return std::string(row.listName) + ": its " + std::to_string(kBuiltInRulesYear) +
           " withholding formula";
}

}  // namespace corvella
