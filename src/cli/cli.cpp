#include "cli/cli.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "common/errors.h"
#include "common/fileio.h"
#include "store/data_folder.h"

namespace corvella::cli {

namespace {

const char* const kUsage =
    "usage: corvella-cli [-C DIR] calc NAME [--box I=TEXT]... [--ot2x] [--louisiana-prior]\n"
    "                    [--week TEXT] [--json]\n"
    "       corvella-cli [-C DIR] ledger NAME [--json]\n"
    "       corvella-cli [-C DIR] post NAME --row N [--box I=TEXT]... [--ot2x]\n"
    "                    [--louisiana-prior] [--week TEXT] [--json]\n"
    "       corvella-cli [-C DIR] unpost NAME --row N [--json]\n"
    "       corvella-cli [-C DIR] export NAME FILE\n"
    "       corvella-cli [-C DIR] ot NAME [--annual TEXT] [--percent TEXT] [--amount W=TEXT]...\n"
    "                    [--date W=TEXT]... [--new-week] [--json]\n"
    "       corvella-cli [-C DIR] leave NAME [--start A=TEXT]... [--count A,I=TEXT]...\n"
    "                    [--date A,I=TEXT]... [--clear] [--json]   (A: vac, hol or sick)\n"
    "       corvella-cli [-C DIR] period-save NAME [--box I=TEXT]... [--ot2x] [--louisiana-prior]\n"
    "                    [--week TEXT] [--replace]\n"
    "       corvella-cli [-C DIR] period-get FILE [--json]\n"
    "       corvella-cli words AMOUNT\n"
    "       corvella-cli [-C DIR] stub NAME [--box I=TEXT]... [--ot2x] [--louisiana-prior]\n"
    "                    [--week TEXT] (--text | --pdf FILE)\n"
    "       corvella-cli [-C DIR] check NAME [--box I=TEXT]... [--ot2x] [--louisiana-prior]\n"
    "                    [--week TEXT] [--memo TEXT] [--offset H,V] (--text | --pdf FILE | "
    "--json)\n"
    "       corvella-cli [-C DIR] print-ledger NAME (--text | --pdf FILE)\n"
    "       corvella-cli [-C DIR] restore NAME [--day YYYY-MM-DD]   (no --day: lists the days)\n"
    "       corvella-cli [-C DIR] tax-year [2015 | by-date] [--json]\n"
    "       corvella-cli [-C DIR] w4 NAME [--form 2019|2020] [--status single|married|hoh]\n"
    "                    [--step2 0|1] [--step3 AMOUNT] [--step4a AMOUNT] [--step4b AMOUNT]\n"
    "                    [--json]\n"
    "       corvella-cli [-C DIR] company [--legal-name T] [--trade-name T] [--address T]\n"
    "                    [--city-state-zip T] [--ein NN-NNNNNNN] [--state-id T]\n"
    "                    [--deposit-schedule monthly|semiweekly] [--json]\n"
    "       corvella-cli [-C DIR] w2-info NAME [--first T] [--middle T] [--last T] [--suffix T]\n"
    "                    [--statutory 0|1] [--retirement-plan 0|1] [--third-party-sick 0|1]\n"
    "                    [--state XX] [--locality T] [--json]\n"
    "       corvella-cli [-C DIR] w2 YEAR [--json | --csv | --pdf FILE] [--show-ssn]\n"
    "       corvella-cli [-C DIR] form941 YEAR QUARTER [--json | --csv | --pdf FILE]\n"
    "       corvella-cli [-C DIR] batch HOURS.csv --row N [--week TEXT] [--skip-failed]\n"
    "                    [--replace] [--stubs PDF | --checks PDF] [--json]\n"
    "                    (HOURS.csv: name,box0,...,box7,ot2x[,row]; every employee posted\n"
    "                    as one change, or none)\n"
    "       corvella-cli [-C DIR] new-year YEAR\n"
    "                    (keeps every employee's ledger as the year YEAR and starts empty\n"
    "                    ledgers; prints one line per employee. Exit 4 (nothing changed)\n"
    "                    when a ledger cannot be read, naming it)\n"
    "       corvella-cli data-folder   (creates and seeds the default data folder, prints it)\n"
    "       (-- before NAME: a name that starts with '-')\n";

}  // namespace

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::filesystem::path dir = ".";
    size_t i = 0;
    if (i < args.size() && args[i] == "-C") {
        if (i + 1 >= args.size()) {
            std::cerr << "corvella-cli: -C needs a folder (see corvella-cli --help)\n";
            return static_cast<int>(Exit::Usage);
        }
        dir = args[i + 1];
        i += 2;
    }
    if (i >= args.size()) {
        std::cerr << "corvella-cli: a command is needed (see corvella-cli --help)\n";
        return static_cast<int>(Exit::Usage);
    }
    std::string command = args[i];
    std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
    // From the employee's first read to its last write no other writer comes in between:
    // two commands at once would each write back what it read and undo the other's change.
    if (command != "words" && command != "data-folder") commandLock().emplace(dir);
    // Let go before the statics go, which the lock's release reads.
    struct Release {
        ~Release() { commandLock().reset(); }
    } release;
    if (command == "calc") return calc(dir, rest);
    if (command == "ledger") return ledger(dir, rest, LedgerAction::Show);
    if (command == "post") return ledger(dir, rest, LedgerAction::Post);
    if (command == "unpost") return ledger(dir, rest, LedgerAction::Unpost);
    if (command == "export") return ledger(dir, rest, LedgerAction::Export);
    if (command == "ot") return ot(dir, rest);
    if (command == "leave") return leave(dir, rest);
    if (command == "period-save") return periodSave(dir, rest);
    if (command == "period-get") return periodGet(dir, rest);
    if (command == "words") return words(rest);
    if (command == "restore") return restore(dir, rest);
    if (command == "tax-year") return taxYear(dir, rest);
    if (command == "w4") return w4(dir, rest);
    if (command == "company") return company(dir, rest);
    if (command == "w2-info") return w2Info(dir, rest);
    if (command == "batch") return batch(dir, rest);
    if (command == "w2") return w2(dir, rest);
    if (command == "form941") return form941(dir, rest);
    if (command == "new-year") return newYear(dir, rest);
    if (command == "stub") return printout(dir, rest, Printout::Stub);
    if (command == "check") return printout(dir, rest, Printout::Check);
    if (command == "print-ledger") return printout(dir, rest, Printout::Ledger);
    if (command == "data-folder") {
        auto folder = defaultDataFolder();
        try {
            seedDataFolder(folder, shippedDataFolder());
        } catch (const Error& e) {
            std::cerr << "corvella-cli: cannot set up the data folder: " << e.what() << "\n";
            return static_cast<int>(Exit::NotFound);
        }
        std::cout << folder.string() << "\n";
        return 0;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    std::cerr << "corvella-cli: unknown command " << command << " (see corvella-cli --help)\n";
    return static_cast<int>(Exit::Usage);
}

}  // namespace corvella::cli
