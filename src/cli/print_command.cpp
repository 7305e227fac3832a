// corvella-cli words, stub, check and print-ledger: the printouts, as plain text, as a
// PDF drawn by the desktop program's renderer, or (the check) as its screen's fields.
#include <cmath>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/pdf_output.h"
#include "common/errors.h"
#include "print/amount_words.h"

namespace corvella::cli {

namespace {

// --text or --pdf FILE (or --json where the command takes it): exactly one.
std::optional<int> checkOutput(const Options& o, const std::string& command) {
    const int given = (extra(o, "--text") ? 1 : 0) + (extra(o, "--pdf") ? 1 : 0) + (o.json ? 1 : 0);
    if (given == 1) return std::nullopt;
    return usage(command +
                 (given == 0 ? " needs --text or --pdf FILE" : " takes one of --text, --pdf"));
}

// Refused before anything runs or is saved.
std::optional<int> noPdf(const Options& o) {
    if (!extra(o, "--pdf")) return std::nullopt;
    const std::string problem = pdfUnavailable();
    if (problem.empty()) return std::nullopt;
    std::cerr << "corvella-cli: " << problem << "\n";
    return code(Exit::Usage);
}

// The page on stdout, or as a PDF file.
int output(const Options& o, const TextPage& page) {
    if (!extra(o, "--pdf")) {
        std::cout << plainText(page);
        return code(Exit::Ok);
    }
    try {
        // The PDF module writes through a writer of its own, which would wait for this
        // command's lock; the employee's files are written by now.
        commandLock().reset();
        writePdf(page, *extra(o, "--pdf"));
    } catch (const Error& e) {
        std::cerr << "corvella-cli: the PDF was not written: " << e.what() << "\n";
        return code(Exit::SaveFailed);
    }
    return code(Exit::Ok);
}

const TextPage* printedPage(const CliUi& ui) {
    return ui.printed.empty() ? nullptr : &ui.printed.back();
}

}  // namespace

int words(const std::vector<std::string>& args) {
    if (args.size() != 1) return usage("words needs one AMOUNT");
    auto v = strictNumber(args[0]);
    if (!v || std::fabs(*v) > 3.4e38) {
        std::cerr << "corvella-cli: \"" << args[0] << "\" is not an amount\n";
        return code(Exit::Refused);
    }
    const float amount = static_cast<float>(*v);  // as the pay run holds its net pay
    if (amount < 0) {
        std::cerr << "corvella-cli: " << args[0]
                  << " is below zero: a check's amount is 0 or more\n";
        return code(Exit::Refused);
    }
    std::cout << "\"" << SpellAmount(amount) << "\"\n";
    return code(Exit::Ok);
}

int printout(const std::filesystem::path& dir, const std::vector<std::string>& args,
             Printout what) {
    const char* command = what == Printout::Stub    ? "stub"
                          : what == Printout::Check ? "check"
                                                    : "print-ledger";
    std::vector<ExtraOption> options = {{"--text", false}, {"--pdf", true}};
    if (what == Printout::Check) {
        options.push_back({"--memo", true});
        options.push_back({"--offset", true});
    }
    const unsigned takes = what == Printout::Ledger  ? 0u
                           : what == Printout::Check ? (kRunInputs | kJson)
                                                     : kRunInputs;
    Options o;
    if (auto bad = parse(args, takes, o, command, options)) return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    if (auto bad = checkOutput(o, command)) return *bad;
    if (auto bad = noPdf(o)) return *bad;
    std::optional<std::pair<std::string, std::string>> offset;
    if (auto given = extra(o, "--offset")) {
        const auto comma = given->find(',');
        if (comma == std::string::npos) return usage("--offset needs H,V");
        offset.emplace(given->substr(0, comma), given->substr(comma + 1));
    }

    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    bool saveFailed = false;
    if (what != Printout::Ledger) {
        const auto outcome = pressAdd(o, s);
        if (outcome == RunOutcome::Refused) return fail(ui, Exit::Refused);
        saveFailed = outcome == RunOutcome::SaveFailed;
        // The check saves its offsets: nothing more is written after the run's files failed.
        if (saveFailed && what == Printout::Check) return fail(ui, Exit::SaveFailed);
    }
    ui.printerAnswers.assign(2, true);  // the printer dialog: OK
    bool printed = false;
    if (what == Printout::Stub) {
        printed = s.printStub();
    } else if (what == Printout::Ledger) {
        s.openLedger();
        printed = s.printLedger();
    } else {
        CheckScreen& c = s.openChecks();
        if (auto memo = extra(o, "--memo")) c.txtMemo.focusAndType(*memo);
        PrinterOffsetDialog& d = s.openOffsets();
        if (offset) {
            d.cboHorz.text = offset->first;
            d.cboVert.text = offset->second;
        }
        const RunOutcome outcome = s.printCheck();
        if (outcome == RunOutcome::SaveFailed) return fail(ui, Exit::SaveFailed);
        printed = outcome == RunOutcome::Done;
    }
    if (!printed || !printedPage(ui)) return fail(ui, Exit::Refused);
    int status = code(Exit::Ok);
    if (o.json) {
        const CheckScreen& c = *s.checkScreen();
        std::vector<Field> fields = {{"txtCheckDate", c.txtCheckDate.text},
                                     {"txtPayTo", c.txtPayTo.text},
                                     {"txtCheckAmt", c.txtCheckAmt.text},
                                     {"txtDollars", c.txtDollars.text},
                                     {"txtMemo", c.txtMemo.text},
                                     {"txtUserName", c.txtUserName.text},
                                     {"txtUserAddress", c.txtUserAddress.text},
                                     {"txtUserState", c.txtUserState.text},
                                     {"txtUserSSnum", c.txtUserSSnum.text}};
        std::string json = jsonObject(fields);
        json.pop_back();
        std::cout << json << ", \"tax_year\": " << s.runTaxYear()
                  << ", \"messages\": " << jsonArray(ui.messages) << "}\n";
    } else {
        status = output(o, *printedPage(ui));
    }
    if (saveFailed) return fail(ui, Exit::SaveFailed);
    return status;
}

}  // namespace corvella::cli
