// corvella-cli tax-year and w4: the folder's tax year and an employee's Form W-4.
#include <cmath>
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "common/exact_decimal.h"
#include "federal/federal.h"
#include "federal/tax_year.h"
#include "shell/messages.h"
#include "store/w4_file.h"

namespace corvella::cli {

namespace {

std::vector<int> installedYears(const std::filesystem::path& dir) {
    std::vector<int> years;
    if (fileExists(dir / kFedFileName)) years.push_back(2015);
    for (int y : installedTaxYears(dir)) years.push_back(y);
    return years;
}

}  // namespace

int taxYear(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, kJson, o, "tax-year", {}, false)) return *bad;
    if (!o.positional.empty()) return usage("tax-year takes one mode: 2015 or by-date");
    CliUi ui;
    Session s(ui, dir);
    if (!o.name.empty()) {
        if (o.name != "2015" && o.name != "by-date")
            return usage("the tax year mode is 2015 or by-date, not " + o.name);
        const TaxYearMode mode =
            o.name == "2015" ? TaxYearMode::Year2015 : TaxYearMode::ByWeekEnding;
        if (!s.setTaxYearMode(mode)) return fail(ui, Exit::SaveFailed);
    }
    const TaxYearMode mode = s.taxYearMode();
    if (!ui.messages.empty()) return fail(ui, Exit::NotOpened);  // a damaged setting
    const std::vector<int> years = installedYears(dir);
    std::ostringstream out;
    if (o.json) {
        out << "{\"mode\": " << jsonString(taxYearModeWord(mode)) << ", \"installed\": [";
        for (size_t i = 0; i < years.size(); ++i) out << (i ? ", " : "") << years[i];
        out << "]}\n";
    } else {
        out << "Tax year: "
            << (mode == TaxYearMode::Year2015 ? "2015 (whatever the week-ending date)"
                                              : "the year of each run's week-ending date")
            << "\nInstalled:";
        for (int y : years) out << " " << y;
        out << "\n";
    }
    std::cout << out.str();
    return code(Exit::Ok);
}

namespace {

struct W4Settings {
    std::optional<std::string> form, status, step2, step3, step4a, step4b;
    bool any() const { return form || status || step2 || step3 || step4a || step4b; }
};

// The options into the profile screen's Form W-4 group, as the operator would set them;
// the words of a value no list holds, or nothing.
std::optional<std::string> setBoxes(const W4Settings& w, FrmTaxInfo& f) {
    if (w.form) {
        if (*w.form != "2019" && *w.form != "2020")
            return "the Form W-4 version \"" + *w.form + "\" is not 2019 or 2020";
        f.cboW4Version.text = kW4Versions[*w.form == "2019" ? 0 : 1];
    }
    if (w.status) {
        size_t i = 0;
        while (i < std::size(kW4Statuses) &&
               *w.status != w4StatusWord(static_cast<W4Form::Status>(i)))
            ++i;
        if (i == std::size(kW4Statuses))
            return "the filing status \"" + *w.status + "\" is not single, married or hoh";
        f.cboW4Status.text = kW4Statuses[i];
    }
    if (w.step2) {
        if (*w.step2 != "0" && *w.step2 != "1")
            return "the Step 2 box \"" + *w.step2 + "\" is not 0 or 1";
        f.ckW4Step2.set(*w.step2 == "1" ? 1 : 0);
    }
    if (w.step3) f.txtW4Step3.text = *w.step3;
    if (w.step4a) f.txtW4Step4a.text = *w.step4a;
    if (w.step4b) f.txtW4Step4b.text = *w.step4b;
    return std::nullopt;
}

// "1234.50": dollars with both cents, as the JSON gives every amount.
std::string amount(int64_t cents) {
    const int64_t whole = cents < 0 ? -cents : cents;
    const int64_t rest = whole % 100;
    return (cents < 0 ? "-" : "") + std::to_string(whole / 100) + (rest < 10 ? ".0" : ".") +
           std::to_string(rest);
}

}  // namespace

int w4(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    const std::vector<ExtraOption> extra = {{"--form", true},   {"--status", true},
                                            {"--step2", true},  {"--step3", true},
                                            {"--step4a", true}, {"--step4b", true}};
    if (auto bad = parse(args, kJson, o, "w4", extra)) return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    W4Settings w;
    for (const auto& [option, value] : o.extra) {
        std::optional<std::string>* field = option == "--form"     ? &w.form
                                            : option == "--status" ? &w.status
                                            : option == "--step2"  ? &w.step2
                                            : option == "--step3"  ? &w.step3
                                            : option == "--step4a" ? &w.step4a
                                                                   : &w.step4b;
        *field = value;
    }
    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    if (w.any()) {
        FrmTaxInfo& f = s.taxInfo();
        if (auto refused = setBoxes(w, f)) {
            std::cerr << "corvella-cli: " << *refused << "; nothing was saved\n";
            return code(Exit::Refused);
        }
        // Refused before anything is written, naming the box, as the window's OK does.
        try {
            (void)f.takeW4(s.w4());
        } catch (const ConversionError& e) {
            std::cerr << "corvella-cli: " << oneLine(messages::correctAndSaveAgain(e)) << "\n";
            return code(Exit::Refused);
        }
        if (!s.taxInfoSave()) return fail(ui, Exit::SaveFailed);
    }
    const W4Form form = s.w4().value_or(W4Form{.version = W4Form::Version::Before2020});
    const bool older = form.version == W4Form::Version::Before2020;
    const std::string extraAmount =
        amount(std::llround(static_cast<double>(s.profile.FedAddl) * 100));
    std::ostringstream out;
    if (o.json) {
        out << "{\"name\": " << jsonString(s.CurrentUser)
            << ", \"form\": " << jsonString(older ? "2019" : "2020")
            << ", \"status\": " << jsonString(w4StatusWord(form.status))
            << ", \"step2\": " << (form.step2 ? 1 : 0)
            << ", \"step3\": " << jsonString(amount(form.step3Cents))
            << ", \"step4a\": " << jsonString(amount(form.step4aCents))
            << ", \"step4b\": " << jsonString(amount(form.step4bCents))
            << ", \"extra\": " << jsonString(extraAmount) << "}\n";
    } else {
        out << "Form W-4 of " << s.CurrentUser << ": " << kW4Versions[older ? 0 : 1] << "\n";
        if (older) {
            out << "  Allowances and status: " << s.profile.FedExemp << ", " << s.profile.FedStatus
                << " (User Info, FEDERAL STATUS)\n";
        } else {
            out << "  Filing status: " << kW4Statuses[static_cast<size_t>(form.status)] << "\n"
                << "  Step 2 box: " << (form.step2 ? "checked" : "not checked") << "\n"
                << "  Step 3 credits: " << amount(form.step3Cents) << "\n"
                << "  Step 4(a) other income: " << amount(form.step4aCents) << "\n"
                << "  Step 4(b) deductions: " << amount(form.step4bCents) << "\n";
        }
        out << "  Extra withholding a period: " << extraAmount << "\n";
    }
    std::cout << out.str();
    return code(Exit::Ok);
}

}  // namespace corvella::cli
