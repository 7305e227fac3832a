#include "store/new_year.h"

#include <filesystem>
#include <tuple>

#include "store/file_kinds.h"
#include "store/pay_period.h"

namespace corvella {

std::optional<int> readKeptYear(std::string_view text) {
    const size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return std::nullopt;
    text = text.substr(b, text.find_last_not_of(' ') - b + 1);
    if (text.size() != 4) return std::nullopt;
    int year = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        year = year * 10 + (c - '0');
    }
    if (year < kFirstKeptYear || year > kLastKeptYear) return std::nullopt;
    return year;
}

int defaultKeptYear(const Ledger& ledger, int rows, const Date& today) {
    std::optional<Date> latest;
    for (int i = 0; i < rows && i < static_cast<int>(ledger.rows.size()); ++i) {
        const auto d = readShortDate(ledger.rows[static_cast<size_t>(i)].Date);
        if (!d) continue;
        if (!latest || std::tie(d->year, d->month, d->day) >
                           std::tie(latest->year, latest->month, latest->day))
            latest = d;
    }
    return latest ? latest->year : today.year;
}

KeptYear planKeptYear(const EmployeeStore& store, const std::string& name, int year) {
    KeptYear k;
    k.name = name;
    EmployeeRecords r;
    r.CurrentUser = name;
    if (!store.readMember(FileKind::Profile, r))
        throw ReadError(memberName(name, FileKind::Profile), "it was not found");
    k.weekly = r.profile.weekly();
    k.ledger = memberName(name, FileKind::Ledger, k.weekly);
    // An employee whose frequency changed in the year has a ledger of each: both are the
    // year's and both are kept.
    for (bool weekly : {k.weekly, !k.weekly}) {
        const std::string ledger = memberName(name, FileKind::Ledger, weekly);
        auto bytes = store.readFile(ledger);
        if (!bytes) continue;
        // A damaged ledger kept as the year would be the year's figures for its forms.
        Ledger check;
        check.read(*bytes, ledger, weekly);
        const std::string kept = keptLedgerName(name, weekly, year);
        // Whatever is there, even a folder or a link to nothing, is not taken over.
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(store.folder / kept, ec)))
            throw KeptYearExists(kept);
        if (k.kept.empty()) {
            k.ledger = ledger;
            k.kept = kept;
        }
        Ledger empty;
        empty.ClearLedger();
        k.files.push_back({kept, std::move(*bytes)});
        k.files.push_back({ledger, empty.write(weekly)});
    }
    return k;
}

}  // namespace corvella
