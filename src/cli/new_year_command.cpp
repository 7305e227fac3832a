// corvella-cli new-year: every employee's ledger kept as the year given, and empty ledgers
// started, as one change.
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "shell/messages.h"
#include "store/new_year.h"

namespace corvella::cli {

int newYear(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, 0, o, "new-year", {}, false)) return *bad;
    if (o.name.empty()) return usage("new-year needs the YEAR to keep the ledgers as");
    if (!o.positional.empty()) return usage("new-year takes one YEAR");
    const auto year = readKeptYear(o.name);
    if (!year) {
        std::cerr << "corvella-cli: " << oneLine(messages::notAKeptYear(o.name, "YEAR")) << "\n";
        return code(Exit::Refused);
    }
    CliUi ui;
    Session s(ui, dir);
    const NewYearReport r = s.startNewYear(*year);
    if (r.outcome != NewYearReport::Outcome::Done) {
        // The first line says what happened, then each employee's reason.
        std::istringstream lines(r.problem);
        for (std::string line; std::getline(lines, line);)
            std::cerr << "corvella-cli: " << line << "\n";
        return code(r.outcome == NewYearReport::Outcome::CommitFailed ? Exit::SaveFailed
                                                                      : Exit::Refused);
    }
    if (r.lines.empty())
        std::cerr << "corvella-cli: " << oneLine(messages::noLedgerToKeep(0)) << "\n";
    std::ostringstream out;
    for (const NewYearLine& l : r.lines) {
        if (l.kept.empty())
            out << l.name << ": no ledger (" << l.ledger << "); nothing kept\n";
        else
            out << l.name << ": " << l.ledger << " kept as " << l.kept
                << "; the ledger starts empty\n";
    }
    std::cout << out.str();
    return code(Exit::Ok);
}

}  // namespace corvella::cli
