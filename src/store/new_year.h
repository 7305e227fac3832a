#pragma once
// A new year: an employee's ledger kept as a file of its own for the year it closes
// ("Smith.yrw.2026"), byte for byte, and an empty ledger in its place. Only reads here:
// the shell writes what this gives, for every employee at once, as one commit.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/errors.h"
#include "common/fileio.h"
#include "ledger/ledger.h"
#include "store/employee_store.h"

namespace corvella {

// The years a ledger may be kept as.
inline constexpr int kFirstKeptYear = 1900, kLastKeptYear = 2100;

// A year typed as digits (blanks around them allowed) within those years; nothing otherwise.
std::optional<int> readKeptYear(std::string_view text);

// The year to offer: that of the latest row date of the ledger's first `rows` rows that
// reads as a date, else `today`'s.
int defaultKeptYear(const Ledger& ledger, int rows, const Date& today);

// A kept year is never written over: the file is there already.
struct KeptYearExists : Error {
    explicit KeptYearExists(std::string file)
        : Error(file + " exists already"), file(std::move(file)) {}
    std::string file;
};

// One employee's part in a new year.
struct KeptYear {
    std::string name;
    bool weekly = true;
    std::string ledger;  // "Smith.yrw", whether it exists or not
    std::string kept;    // "Smith.yrw.2026"; empty when it has no ledger
    // The kept copy, then the empty ledger; the same again for a ledger of the other
    // frequency.
    std::vector<FileContent> files;
};

// The files of `name`'s new year: its profile read for the frequency, its ledger read
// whole and checked. Throws ReadError (the profile missing or damaged, the ledger
// damaged) or KeptYearExists; reads nothing else.
KeptYear planKeptYear(const EmployeeStore& store, const std::string& name, int year);

}  // namespace corvella
