#pragma once
// The program's working folder: by default a per-user data folder, created and seeded
// with the shipped federal table and sample employee on first start.
#include <filesystem>
#include <vector>

namespace corvella {

// $XDG_DATA_HOME/corvella, else ~/.local/share/corvella.
std::filesystem::path defaultDataFolder();

// Where the shipped data lies: the installed share folder, else the source tree's data/.
std::filesystem::path shippedDataFolder();

// Creates `folder` when missing and copies in every shipped file it lacks; files already
// there are never replaced. A folder seeded afresh (it had no federal table) is set to take
// each run's tax year from its week-ending date. Returns the names written. Throws
// WriteError.
std::vector<std::string> seedDataFolder(const std::filesystem::path& folder,
                                        const std::filesystem::path& shipped);

}  // namespace corvella
