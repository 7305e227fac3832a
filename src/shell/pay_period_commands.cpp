#include "shell/pay_period_commands.h"

#include <cfloat>
#include <cmath>
#include <vector>

#include "common/errors.h"
#include "common/fileio.h"
#include "common/format.h"
#include "common/number.h"
#include "engine/pay_calc.h"
#include "federal/tax_year.h"
#include "shell/messages.h"

namespace corvella {

CalendarRange PayPeriodCommands::calendar() {
    TaxYearMode mode = TaxYearMode::Year2015;
    try {
        mode = ws_.store.loadTaxYearMode();
    } catch (const ReadError&) {
        // The run names the damaged setting; the calendar stays 2015's.
    }
    std::vector<int> years{2015};
    if (mode == TaxYearMode::ByWeekEnding)
        for (int y : installedTaxYears(ws_.store.folder)) years.push_back(y);
    return calendarOf(years);
}

Date PayPeriodCommands::openWeekPicker() {
    std::string field = ws_.main.txtWeek.text;
    const Date start = pickerStart(field, ws_.ui.today(), calendar());
    if (field != ws_.main.txtWeek.text) {
        ws_.main.setWeek(field);
        ws_.notifyChanged();
    }
    return start;
}

void PayPeriodCommands::pickWeek(Date d) {
    ws_.main.setWeek(shortDate(d));
    ws_.notifyChanged();
}

std::optional<Date> PayPeriodCommands::openCellPicker(int row) {
    OvertimeScreen* o = ws_.screens.overtime.get();
    if (!o || row < 0 || row >= kOtRows) return std::nullopt;
    DateCellIndex = row;
    return pickerStart(o->Text1[row].text, ws_.ui.today(), calendar());
}

void PayPeriodCommands::pickCell(Date d) {
    if (OvertimeScreen* o = ws_.screens.overtime.get()) o->Text1[DateCellIndex].text = shortDate(d);
}

PayPeriodCommands::Saved PayPeriodCommands::SavePayPeriod() {
    MainWindow& m = ws_.main;
    std::string fileName;
    try {
        fileName = payPeriodFileName(m.txtWeek.text, ws_.records.CurrentUser);
    } catch (const NameError& e) {
        ws_.ui.message(e.what(), Icon::Warning);
        return {RunOutcome::Refused, {}};
    }
    // Every value is read before anything changes: a refused save leaves the window as it was.
    struct Source {
        std::string* text;
        std::string where;
        bool caption;
    };
    std::vector<Source> sources;
    for (int i = 0; i < 8; ++i)
        sources.push_back({&m.txtAmount[i].text, amountBoxCaption(i), false});
    for (int i = 0; i < 11; ++i)
        sources.push_back({&m.lbTaxDed[i].caption, m.lbTaxTag[i].caption, true});
    sources.push_back({&m.lbSDI.caption, m.lbTaxTag[14].caption, true});
    sources.push_back({&m.lbSUI.caption, m.lbTaxTag[15].caption, true});
    sources.push_back({&m.lbCafe.caption, m.lbTaxTag[16].caption, true});
    sources.push_back({&m.Label13.caption, "GROSS PAY", true});
    sources.push_back({&m.lbTaxes.caption, "TAXES", true});
    sources.push_back({&m.lbDeduct.caption, "DEDUCTIONS", true});
    sources.push_back({&m.lbNet.caption, "NET PAY", true});
    PayPeriodValues values{};
    for (size_t k = 0; k < sources.size(); ++k) {
        const std::string& text = *sources[k].text;
        if (text.empty()) continue;
        auto v = sources[k].caption ? captionNumber(text) : strictNumber(text);
        if (!v || std::fabs(*v) > FLT_MAX) {
            ws_.ui.message(messages::payPeriodNotANumber(sources[k].where, text), Icon::Warning);
            return {RunOutcome::Refused, {}};
        }
        values[k] = static_cast<float>(*v);
    }
    // A period saved before is the record of what was paid: replaced only when asked.
    if (fileExists(ws_.store.folder / fileName) &&
        !ws_.ui.askYesNo(messages::replacePayPeriod(fileName), "Save This Pay Period"))
        return {RunOutcome::Refused, {}};
    try {
        ws_.store.commit({{fileName, writePayPeriodFile(values)}});
    } catch (const RangeError& e) {
        // A figure no pay period holds: refused before anything is written.
        ws_.ui.message(messages::payPeriodNotSaved(fileName, e), Icon::Warning);
        return {RunOutcome::Refused, {}};
    } catch (const Error& e) {
        ws_.ui.message(messages::payPeriodNotSaved(fileName, e), Icon::Warning);
        return {RunOutcome::SaveFailed, fileName};
    }
    for (const Source& s : sources)
        if (s.text->empty()) s.text->assign(1, '0');
    ws_.notifyChanged();
    return {RunOutcome::Done, fileName};
}

bool PayPeriodCommands::LoadPayPeriod() {
    auto chosen = ws_.ui.openFile("Saved Files (*.prv)|*.prv");
    if (!chosen) return false;
    return loadPayPeriodFile(*chosen);
}

bool PayPeriodCommands::loadPayPeriodFile(const std::filesystem::path& file) {
    // Read where the dialog chose it; the working folder stays the employee's.
    const std::string name = file.filename().string();
    const auto path = file.has_parent_path() ? file : ws_.store.folder / file;
    PayPeriodValues v;
    try {
        auto bytes = readFileBytes(path);
        if (!bytes) {
            ws_.ui.message(messages::payPeriodMissing(name), Icon::Warning);
            return false;
        }
        v = readPayPeriodFile(*bytes, name);
    } catch (const ReadError& e) {
        ws_.ui.message(messages::fileDamaged(e, "Nothing was loaded from it."), Icon::Warning);
        return false;
    }
    const std::string& open = ws_.records.CurrentUser;
    const bool own = isPayPeriodOf(name, open);
    if (!own && !open.empty() &&
        !ws_.ui.askYesNo(messages::periodOfAnother(name, employeeOfPayPeriodFile(name), open),
                         "Get Pay Period"))
        return false;
    // The record now holds this period, and only the open employee's own may be posted;
    // nothing printed from the run before stays open.
    ws_.result = PayResult{};
    ws_.runHeld = RunHeld::None;
    ws_.heldSave.clear();
    ws_.screens.close(Closing::Cleared);
    if (own) {
        const TaxProfile& p = ws_.records.profile;
        const float rate = p.HourRate != 0 ? p.HourRate : ws_.main.DefaultPayRate;
        const float otVar = ws_.main.opt1x.selected() ? v[2] : v[2] * 2;
        PayResult& r = ws_.result;
        r.TotalOt = overtimePay(otVar, v[3], rate);
        r.TotalTips = p.TipsRate * v[7];
        r.run.GrossPay = v[22];
        r.run.NetPay = v[25];
        ws_.runHeld = RunHeld::SavedPeriod;
    }
    MainWindow& m = ws_.main;
    for (int i = 0; i < 8; ++i) m.txtAmount[i].text = floatText(v[i]);
    Label* captions[] = {&m.lbSDI,   &m.lbSUI,    &m.lbCafe, &m.Label13,
                         &m.lbTaxes, &m.lbDeduct, &m.lbNet};
    for (int i = 0; i < 11; ++i) m.lbTaxDed[i].caption = format(v[8 + i], Pattern::Plain2);
    for (int i = 0; i < 7; ++i) captions[i]->caption = format(v[19 + i], Pattern::Plain2);
    m.setWeek(weekOfPayPeriodFile(name));
    ws_.notifyChanged();
    return true;
}

}  // namespace corvella
