// corvella-cli company and w2-info: the employer's and an employee's facts for year-end
// forms.
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "shell/messages.h"
#include "yearend/year_rows.h"

namespace corvella::cli {

namespace {

int refused(const std::string& what) {
    std::cerr << "corvella-cli: " << what << "; nothing was saved\n";
    return code(Exit::Refused);
}

}  // namespace

int company(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    const std::vector<ExtraOption> extra = {
        {"--legal-name", true},      {"--trade-name", true}, {"--address", true},
        {"--city-state-zip", true},  {"--ein", true},        {"--state-id", true},
        {"--deposit-schedule", true}};
    if (auto bad = parse(args, kJson, o, "company", extra, false)) return *bad;
    if (!o.name.empty()) return usage("company takes no name");
    CliUi ui;
    Session s(ui, dir);
    if (!o.extra.empty()) {
        CompanyScreen& c = s.companyScreen();
        // A damaged file is not replaced by the few facts given here.
        if (!ui.messages.empty()) return fail(ui, Exit::NotOpened);
        for (const auto& [option, value] : o.extra) {
            if (option == "--deposit-schedule") {
                const auto d = depositScheduleOf(value);
                if (!d)
                    return refused("the deposit schedule \"" + value +
                                   "\" is not monthly or semiweekly");
                c.cboDepositSchedule.text = kDepositSchedules[static_cast<size_t>(*d)];
                continue;
            }
            TextBox& box = option == "--legal-name"       ? c.txtLegalName
                           : option == "--trade-name"     ? c.txtTradeName
                           : option == "--address"        ? c.txtCoAddress
                           : option == "--city-state-zip" ? c.txtCoCityStateZip
                           : option == "--ein"            ? c.txtEin
                                                          : c.txtStateId;
            box.text = value;
        }
        try {
            (void)c.take();
        } catch (const ConversionError& e) {
            std::cerr << "corvella-cli: " << oneLine(messages::correctAndSaveAgain(e)) << "\n";
            return code(Exit::Refused);
        }
        if (!s.companySave()) return fail(ui, Exit::SaveFailed);
    }
    CompanyFacts f;
    try {
        f = s.companyFacts();
    } catch (const ReadError& e) {
        std::cerr << "corvella-cli: " << oneLine(messages::fileDamaged(e, "Save the facts again."))
                  << "\n";
        return code(Exit::NotOpened);
    }
    std::ostringstream out;
    if (o.json) {
        out << jsonObject({{"legal_name", f.legalName},
                           {"trade_name", f.tradeName},
                           {"address", f.address},
                           {"city_state_zip", f.cityStateZip},
                           {"ein", einText(f.ein)},
                           {"state_id", f.stateId},
                           {"deposit_schedule", depositScheduleWord(f.deposit)}})
            << "\n";
    } else {
        out << "Company\n"
            << "  Legal name: " << f.legalName << "\n"
            << "  Trade name: " << f.tradeName << "\n"
            << "  Address: " << f.address << "\n"
            << "  City, state and zip: " << f.cityStateZip << "\n"
            << "  EIN: " << einText(f.ein) << "\n"
            << "  State employer account number: " << f.stateId << "\n"
            << "  Deposit schedule: " << depositScheduleWord(f.deposit) << "\n";
    }
    std::cout << out.str();
    return code(Exit::Ok);
}

int w2Info(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    const std::vector<ExtraOption> extra = {{"--first", true},
                                            {"--middle", true},
                                            {"--last", true},
                                            {"--suffix", true},
                                            {"--statutory", true},
                                            {"--retirement-plan", true},
                                            {"--third-party-sick", true},
                                            {"--state", true},
                                            {"--locality", true}};
    if (auto bad = parse(args, kJson, o, "w2-info", extra)) return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    if (!o.extra.empty()) {
        FrmTaxInfo& f = s.taxInfo();
        for (const auto& [option, value] : o.extra) {
            CheckBox* flag = option == "--statutory"          ? &f.ckW2Statutory
                             : option == "--retirement-plan"  ? &f.ckW2Retirement
                             : option == "--third-party-sick" ? &f.ckW2ThirdPartySick
                                                              : nullptr;
            if (flag) {
                if (value != "0" && value != "1")
                    return refused("the " + option.substr(2) + " box \"" + value +
                                   "\" is not 0 or 1");
                flag->set(value == "1" ? 1 : 0);
                continue;
            }
            TextBox& box = option == "--first"      ? f.txtW2First
                           : option == "--middle"   ? f.txtW2Middle
                           : option == "--last"     ? f.txtW2Last
                           : option == "--state"    ? f.txtW2State
                           : option == "--locality" ? f.txtW2Locality
                                                    : f.txtW2Suffix;
            box.text = value;
        }
        // Refused before anything is written, naming the box, as the window's Save does.
        try {
            (void)f.takeW2(s.w2());
        } catch (const ConversionError& e) {
            std::cerr << "corvella-cli: " << oneLine(messages::correctAndSaveAgain(e)) << "\n";
            return code(Exit::Refused);
        }
        if (!s.taxInfoSave()) return fail(ui, Exit::SaveFailed);
    }
    const W2Facts w = s.w2().value_or(W2Facts{});
    const std::string ssn = ssnMasked(s.profile.EmpSSN);
    std::ostringstream out;
    if (o.json) {
        out << "{\"name\": " << jsonString(s.CurrentUser) << ", \"first\": " << jsonString(w.first)
            << ", \"middle\": " << jsonString(w.middle) << ", \"last\": " << jsonString(w.last)
            << ", \"suffix\": " << jsonString(w.suffix) << ", \"statutory\": " << w.statutory
            << ", \"retirement_plan\": " << w.retirementPlan
            << ", \"third_party_sick\": " << w.thirdPartySick
            << ", \"state\": " << jsonString(w.state)
            << ", \"locality\": " << jsonString(w.locality) << ", \"ssn\": " << jsonString(ssn)
            << "}\n";
    } else {
        auto yesNo = [](bool b) { return b ? "yes" : "no"; };
        out << "Form W-2 facts of " << s.CurrentUser << "\n"
            << "  First name: " << w.first << "\n"
            << "  Middle initial: " << w.middle << "\n"
            << "  Last name: " << w.last << "\n"
            << "  Suffix: " << w.suffix << "\n"
            << "  SSN: " << ssn << "\n"
            << "  Statutory employee: " << yesNo(w.statutory) << "\n"
            << "  Retirement plan: " << yesNo(w.retirementPlan) << "\n"
            << "  Third-party sick pay: " << yesNo(w.thirdPartySick) << "\n"
            << "  State: " << w.state << "\n"
            << "  Locality: " << w.locality << "\n";
    }
    std::cout << out.str();
    return code(Exit::Ok);
}

}  // namespace corvella::cli
