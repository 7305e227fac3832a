#include "shell/pay_runner.h"

#include "common/errors.h"
#include "common/number.h"
#include "engine/pay_calc.h"
#include "federal/federal.h"
#include "federal/tax_year.h"
#include "shell/messages.h"
#include "store/pay_period.h"

namespace corvella {

std::string PayRunner::todayText() {
    Date d = ws_.ui.today();
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

bool PayRunner::LoadFedTable(bool report) {
    auto path = ws_.store.folder / kFedFileName;
    try {
        auto bytes = readFileBytes(path);
        if (!bytes) {
            ws_.fed.clearNumbers();
            if (report)
                ws_.ui.message(messages::fedTableNotFound(kFedFileName, ws_.store.folder.string()),
                               Icon::Warning);
            return false;
        }
        ws_.fed = readFedTable(*bytes, kFedFileName);
    } catch (const ReadError& e) {
        ws_.fed.clearNumbers();
        if (report)
            ws_.ui.message(messages::fedTableUnreadable(kFedFileName, ws_.store.folder.string(), e),
                           Icon::Warning);
        return false;
    }
    ws_.main.lbTaxVer.caption = ws_.fed.FedTableVer;
    return true;
}

namespace {

constexpr int kTableYear = 2015;  // the year of Federal15.dtt and the constants

}  // namespace

namespace {

void showTaxYear(Workspace& ws, TaxYearMode mode) {
    std::string& caption = ws.main.lbTaxYear.caption;
    if (mode == TaxYearMode::Year2015) {
        caption = "Tax year " + std::to_string(kTableYear);
        return;
    }
    const auto date = readShortDate(ws.main.txtWeek.text);
    caption = date ? "Tax year " + std::to_string(date->year) + " (by week ending)"
                   : "Tax year by week ending";
}

}  // namespace

void showTaxYear(Workspace& ws) {
    try {
        showTaxYear(ws, ws.store.loadTaxYearMode());
    } catch (const ReadError&) {
        ws.main.lbTaxYear.caption =
            "Tax year: " + std::string(kTaxYearModeFileName) + " is damaged";
    }
}

bool PayRunner::loadRunYear() {
    ws_.taxYear.reset();
    TaxYearMode mode = TaxYearMode::Year2015;
    try {
        mode = ws_.store.loadTaxYearMode();
    } catch (const ReadError& e) {
        ws_.ui.message(messages::fileDamaged(e, "The tax year to use is not known."),
                       Icon::Warning);
        return false;
    }
    int year = kTableYear;
    if (mode == TaxYearMode::ByWeekEnding) {
        const auto date = readShortDate(ws_.main.txtWeek.text);
        if (!date) {
            ws_.ui.message(messages::weekEndingNotADate(ws_.main.txtWeek.text), Icon::Warning);
            return false;
        }
        year = date->year;
    }
    showTaxYear(ws_, mode);  // read once: this is every run's path
    if (year == kTableYear) {
        // Without the federal table no pay can be right: refuse before anything changes.
        if (LoadFedTable(false)) {
            ws_.runYear = year;
            return true;
        }
        ws_.ui.message(messages::fedTableMissing(kFedFileName, ws_.store.folder.string()),
                       Icon::Warning);
        return false;
    }
    const std::string file = taxYearFileName(year);
    try {
        auto bytes = readFileBytes(ws_.store.folder / file);
        if (!bytes) {
            ws_.ui.message(messages::taxYearNotInstalled(year, file, ws_.store.folder.string()),
                           Icon::Warning);
            return false;
        }
        TaxYear figures = readTaxYearFile(*bytes, file);
        // A file renamed from another year's would withhold by that year's figures.
        if (figures.year != year)
            throw ReadError(file, "it holds the figures of " + std::to_string(figures.year));
        ws_.taxYear = std::move(figures);
    } catch (const ReadError& e) {
        ws_.ui.message(messages::fedTableUnreadable(file, ws_.store.folder.string(), e),
                       Icon::Warning);
        return false;
    }
    ws_.runYear = year;
    return true;
}

void PayRunner::Form_Load() {
    files_.completeInterruptedSave(ws_.store.folder);
    LoadFedTable();
    MainWindow& main = ws_.main;
    main.setWeek(todayText());
    main.DefaultPayRate = 7.5f;
    PayRun& r = ws_.result.run;
    r.StateWages = r.NetPay = r.FedTax = r.StateTax = 0;
    r.SdiTax = r.SuiTax = r.CityTax = 0;
    ws_.result.TotDeduct = 0;
    ws_.result.TaxDeduct = 0;
    main.clearResultCaptions();
    main.lbTaxVer.caption = ws_.fed.FedTableVer;
    showTaxYear(ws_);
    if (ws_.records.state.LouisFlag == 1) main.ckLouisPrior.visible = true;
    screens_.taxInfo();  // fills the profile's defaults and the deduction names
    ws_.notifyChanged();
}

std::optional<std::string> PayRunner::refusal() {
    std::array<std::string, 8> amounts;
    for (size_t i = 0; i < amounts.size(); ++i) amounts[i] = ws_.main.txtAmount[i].text;
    const DialogState* state = ws_.screens.state.get();
    if (auto r = checkPayRunInputs(amounts, state ? state->txtStateAdj.text : "",
                                   state ? state->txtCalAllow.text : ""))
        return messages::payRunRefused(*r);
    if (const FrmTaxInfo* f = ws_.screens.taxInfo.get()) {
        for (auto [box, name] : {std::pair{&f->txtHourRate, "txtHourRate"},
                                 std::pair{&f->txtHourRate2, "txtHourRate2"},
                                 std::pair{&f->txtTipsRate, "txtTipsRate"}})
            if (!strictNumber(box->text)) return messages::userInfoRateNotANumber(box->text, name);
    }
    return std::nullopt;
}

PayRunInputs payRunInputs(const MainWindow& main, const DialogState& state) {
    PayRunInputs in;
    for (size_t i = 0; i < in.txtAmount.size(); ++i) in.txtAmount[i] = main.txtAmount[i].text;
    in.opt1x = main.opt1x.selected();
    in.louisianaPrior = main.ckLouisPrior.checked();
    in.DefaultPayRate = main.DefaultPayRate;
    for (int s = 0; s < kSpecialStateCount; ++s)
        in.special[static_cast<size_t>(s)] = state.box(static_cast<SpecialState>(s)).checked();
    in.spouse = state.ckSpouse.value;
    in.roundState = state.ckRoundOff.checked();
    in.useSdiBase = state.ckSDI.checked();
    in.useSuiBase = state.ckSUI.checked();
    in.txtStateAdj = state.txtStateAdj.text;
    in.txtCalAllow = state.txtCalAllow.text;
    return in;
}

void FillStateBoxes(DialogState& s) {
    for (TextBox* b : {&s.txtSDIpercent, &s.txtSDIwageBase, &s.txtStateAdj, &s.txtCalAllow,
                       &s.txtSUIpercent, &s.txtSUIwageBase})
        if (b->text.empty()) b->text = "0";
}

namespace {

// The run's figures stand as computed (the check reads zero); the operator hears which
// tax or deduction is the largest, the likeliest cause.
std::string negativeNetPay(const MainWindow& m) {
    std::vector<std::pair<const Label*, const Label*>> items;
    for (size_t i = 0; i < m.lbTaxDed.size(); ++i)
        items.push_back({&m.lbTaxTag[i], &m.lbTaxDed[i]});
    items.push_back({&m.lbTaxTag[14], &m.lbSDI});
    items.push_back({&m.lbTaxTag[15], &m.lbSUI});
    items.push_back({&m.lbTaxTag[16], &m.lbCafe});
    std::string largest, amount;
    double most = 0;
    for (auto [tag, value] : items) {
        const auto v = captionNumber(value->caption);
        if (v && *v > most) {
            most = *v;
            largest = tag->caption;
            amount = value->caption;
        }
    }
    return messages::netPayBelowZero(m.lbNet.caption, m.Label13.caption, largest, amount);
}

}  // namespace

RunOutcome PayRunner::Calcu_late(RunSave save) {
    // Refuse before anything changes: text that is not a number in an entry box, the
    // state screen's adjustment boxes or the profile's rate boxes.
    if (auto message = refusal()) {
        ws_.ui.message(*message, Icon::Warning);
        return RunOutcome::Refused;
    }
    if (!loadRunYear()) return RunOutcome::Refused;

    MainWindow& main = ws_.main;
    EmployeeRecords& rec = ws_.records;
    const MainWindow mainBefore = main;
    main.clearDeductionCaptions();
    main.clearResultCaptions();
    // The cafeteria amount is the run's first input: the state screen's load that follows
    // reads the employee's files again.
    const float cafeAmt = rec.profile.CafeAmt;
    files_.cityScreen();
    DialogState& s = files_.stateScreen();
    FrmTaxInfo& f = screens_.taxInfo();
    PayRunInputs in = payRunInputs(main, s);
    in.CafeAmt = cafeAmt;
    in.optBiWeek = f.optBiWeek.selected();
    in.optWeek = f.optWeek.selected();
    in.YtdWages = rec.ledger.YtdWages();
    in.YtdSocSec = rec.ledger.totals.SS;
    in.YtdMedi = rec.ledger.totals.Medi;
    if (ws_.taxYear) {
        in.year = &*ws_.taxYear;
        in.w4 = rec.w4.value_or(W4Form{.version = W4Form::Version::Before2020});
    }
    PayResult computed = computePayRun(in, rec.profile, rec.state, rec.city, rec.nonCity, ws_.fed);
    ws_.fed.clearNumbers();
    // A rate or amount no real pay has (read from a file, say) must not end in a shown,
    // saved or posted pay: refuse the run before anything takes its results.
    if (auto amount = unsoundAmount(computed)) {
        main = mainBefore;
        ws_.screens.close(Closing::PayRun);
        ws_.ui.message(messages::payRunUnsound(*amount), Icon::Warning);
        ws_.notifyChanged();
        return RunOutcome::Refused;
    }
    ws_.result = std::move(computed);
    ws_.runHeld = RunHeld::Run;
    // What the run hands back: the rounded standing deductions, the adjustment boxes'
    // values, "Round State" and the boxes it fills.
    const PayResult& result = ws_.result;
    rec.profile.MuniDeduct = result.MuniDeduct;
    rec.profile.BondDeduct = result.BondDeduct;
    rec.profile.DuesDeduct = result.DuesDeduct;
    rec.profile.MiscDeduct = result.MiscDeduct;
    rec.state.StateAddl = result.StateAddl;
    rec.state.CalAllow = result.CalAllow;
    if (result.roundState) s.ckRoundOff.set(1);
    FillStateBoxes(s);
    main.show(result);
    if (result.run.NetPay < 0) ws_.ui.message(negativeNetPay(main), Icon::Warning);

    bool saved = true;
    ws_.heldSave.clear();
    // No employee named: nothing to save.
    if (save != RunSave::None && !screens_.saveWindow().txtSaveUser.text.empty()) {
        try {
            if (save == RunSave::Hold)
                ws_.heldSave = files_.allFileContents();
            else
                files_.saveAllFiles();
        } catch (const Error& e) {
            ws_.ui.message(
                reloadedInstead(e) ? messages::payRunReloaded(e) : messages::payRunNotSaved(e),
                Icon::Warning);
            saved = false;
        }
    }
    ws_.screens.close(Closing::PayRun);
    ws_.notifyChanged();
    return saved ? RunOutcome::Done : RunOutcome::SaveFailed;
}

void PayRunner::Clear_All() {
    MainWindow& main = ws_.main;
    for (auto& b : main.txtAmount) b.text.clear();
    main.clearDeductionCaptions();
    // The whole record goes: nothing of this run may be printed or posted later.
    ws_.result = PayResult{};
    ws_.runHeld = RunHeld::None;
    ws_.heldSave.clear();
    ws_.screens.close(Closing::Cleared);
    ws_.records.state.StateAddl = 0;
    main.clearResultCaptions();
    main.setWeek(todayText());
    ws_.notifyChanged();
}

}  // namespace corvella
