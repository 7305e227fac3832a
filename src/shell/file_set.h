#pragma once
// The employee's whole file set as the commands read and write it: the members from
// the records and the screens that hold their working copies, saved as one change.
#include <vector>

#include "common/fileio.h"
#include "shell/workspace.h"

namespace corvella {

class Screens;

class FileSet {
  public:
    FileSet(Workspace& ws, Screens& screens) : ws_(ws), screens_(screens) {}

    // Reads the profile, extras, cafeteria and overtime members and shows them on the
    // profile screen; throws ReadError and then changes nothing.
    void LoadEmployee();
    // Writes those four members as one change; throws ConversionError, NameError or
    // WriteError.
    void SaveEmployee();
    // The full save (the save window's files) as one change; throws.
    void saveAllFiles();
    // The ledger of the profile's frequency; throws ReadError.
    void LoadLedger() { ws_.store.readLedger(ws_.records); }
    // Finishes a save that a crash interrupted in `folder`; a failure is reported.
    bool completeInterruptedSave(const std::filesystem::path& folder);

    // Each member's name and bytes from the records and screens (loaded when needed).
    std::vector<FileContent> employeeFileContents();
    FileContent stateFileContent();
    FileContent cityFileContent();
    FileContent nonCityFileContent();

  private:
    Workspace& ws_;
    Screens& screens_;
};

}  // namespace corvella
