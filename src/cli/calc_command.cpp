// corvella-cli calc: one pay run of an employee, as ADD computes and saves it.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"

namespace corvella::cli {

namespace {

struct Result {
    std::vector<Field> captions, boxes, payRun;
    std::vector<std::string> messages;
    int taxYear = 0;
};

Result collect(const PayResult& m, const std::vector<std::string>& messages) {
    Result r;
    for (size_t i = 0; i < m.lbTaxDed.size(); ++i)
        r.captions.push_back({"lbTaxDed(" + std::to_string(i) + ")", m.lbTaxDed[i]});
    const std::pair<const char*, const std::string*> labels[] = {
        {"lbSDI", &m.lbSDI},     {"lbSUI", &m.lbSUI},     {"lbCafe", &m.lbCafe},
        {"Label13", &m.Label13}, {"lbTaxes", &m.lbTaxes}, {"lbDeduct", &m.lbDeduct},
        {"lbNet", &m.lbNet},     {"lbOverT", &m.lbOverT}, {"lbTips", &m.lbTips}};
    for (auto [name, caption] : labels) r.captions.push_back({name, *caption});
    for (size_t i = 0; i < m.txtAmount.size(); ++i)
        r.boxes.push_back({"txtAmount(" + std::to_string(i) + ")", m.txtAmount[i]});
    const PayRun& p = m.run;
    const std::pair<const char*, float> values[] = {{"GrossPay", p.GrossPay},
                                                    {"StateWages", p.StateWages},
                                                    {"FedWages", p.FedWages},
                                                    {"FedAllowance", p.FedAllowance},
                                                    {"StateAllowance", p.StateAllowance},
                                                    {"CityAllowance", p.CityAllowance},
                                                    {"KPlanDeduct", p.KPlanDeduct},
                                                    {"PensionDeduct", p.PensionDeduct},
                                                    {"CafeDeduct", p.CafeDeduct},
                                                    {"CafeStateDeduct", p.CafeStateDeduct},
                                                    {"FedTax", p.FedTax},
                                                    {"SocSecTax", p.SocSecTax},
                                                    {"MediTax", p.MediTax},
                                                    {"AddlMediTax", p.AddlMediTax},
                                                    {"StateTax", p.StateTax},
                                                    {"CityTax", p.CityTax},
                                                    {"SdiTax", p.SdiTax},
                                                    {"SuiTax", p.SuiTax},
                                                    {"SdiYtdWages", p.SdiYtdWages},
                                                    {"SuiYtdWages", p.SuiYtdWages},
                                                    {"NetPay", p.NetPay}};
    for (auto [name, v] : values) r.payRun.push_back({name, number9(v)});
    r.messages = messages;
    return r;
}

std::string toJson(const Result& r) {
    std::ostringstream o;
    auto object = [&](const std::vector<Field>& fields, bool quoted) {
        o << "{";
        for (size_t i = 0; i < fields.size(); ++i)
            o << (i ? ", " : "") << jsonString(fields[i].name) << ": "
              << (quoted ? jsonString(fields[i].value) : fields[i].value);
        o << "}";
    };
    o << "{\"tax_year\": " << r.taxYear << ", \"captions\": ";
    object(r.captions, true);
    o << ", \"boxes\": ";
    object(r.boxes, true);
    o << ", \"payRun\": ";
    object(r.payRun, false);
    o << ", \"messages\": [";
    for (size_t i = 0; i < r.messages.size(); ++i)
        o << (i ? ", " : "") << jsonString(r.messages[i]);
    o << "]}\n";
    return o.str();
}

std::string toText(const Result& r, const Session& s) {
    std::ostringstream o;
    const char* tags[] = {"Federal Tax", "Soc Sec", "Medicare", "State Tax", "City Tax"};
    o << "Employee: " << s.CurrentUser << "    Week ending: " << s.main.txtWeek.text
      << "    Tax year: " << r.taxYear << "\n";
    for (int i = 0; i < 11; ++i) {
        std::string tag = i < 5 ? tags[i] : i == 10 ? "K Plan" : s.main.lbTaxTag[i].caption;
        char line[128];
        std::snprintf(line, sizeof line, "  %-22s %14s\n", tag.c_str(),
                      r.captions[i].value.c_str());
        o << line;
    }
    const char* rest[] = {"SDI",        "SUI",     "Cafeteria Plan", "GROSS PAY", "TAXES",
                          "DEDUCTIONS", "NET PAY", "OverTime",       "Tips"};
    for (int i = 0; i < 9; ++i) {
        char line[128];
        std::snprintf(line, sizeof line, "  %-22s %14s\n", rest[i],
                      r.captions[11 + i].value.c_str());
        o << line;
    }
    for (const auto& m : r.messages) o << "Message: " << oneLine(m) << "\n";
    return o.str();
}

}  // namespace

int calc(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, kRunInputs | kJson, o, "calc")) return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    const auto outcome = pressAdd(o, s);
    if (outcome == RunOutcome::Refused) {
        std::cerr << "corvella-cli: " << oneLine(ui.messages.back()) << "\n";
        return code(Exit::Refused);
    }
    Result r = collect(s.result, ui.messages);
    r.taxYear = s.runTaxYear();
    std::cout << (o.json ? toJson(r) : toText(r, s));
    if (outcome == RunOutcome::SaveFailed) {
        std::cerr << "corvella-cli: " << oneLine(ui.messages.back()) << "\n";
        return static_cast<int>(Exit::SaveFailed);
    }
    return static_cast<int>(Exit::Ok);
}

}  // namespace corvella::cli
