#pragma once
// The employee's file set as the commands read and write it. The load steps read the
// members into the records and build the screens over them; the saves take the screens'
// values into the records and write the members as one change.
#include <vector>

#include "common/fileio.h"
#include "shell/screens.h"
#include "shell/workspace.h"
#include "store/file_kinds.h"

namespace corvella {

class FileSet {
  public:
    FileSet(Workspace& ws, Screens& screens) : ws_(ws), screens_(screens) {}

    // Reads the profile, extras, cafeteria and overtime members and shows them on the
    // profile screen; throws ReadError and then changes nothing.
    void LoadEmployee();
    // The ledger of the profile's frequency; throws ReadError.
    void LoadLedger() { ws_.store.readLedger(ws_.records); }
    // The state file (the employee's, or the defaults) into the record and the screen; a
    // damaged file is reported and changes nothing.
    void LoadStateFile(DialogState& s, bool defaults = false);

    // The screens that the employee's files fill: the one that exists, or a new one by
    // its load sequence. The state screen's reads the employee again.
    DialogState& stateScreen();
    DialogCity& cityScreen();
    DialogNonCity& nonCityScreen();
    LeaveScreen& leaveScreen();

    // Writes the profile, extras, cafeteria and overtime members as one change; throws
    // ConversionError, NameError or WriteError.
    void SaveEmployee();
    // The full save (the save window's files) as one change; throws.
    void saveAllFiles() { ws_.store.commit(allFileContents()); }
    // The full save's files, the screens' values taken into the records; throws.
    std::vector<FileContent> allFileContents();
    // Finishes a save that a crash interrupted in `folder`; a failure is reported.
    bool completeInterruptedSave(const std::filesystem::path& folder);

    // Members' names and bytes, after the screens' values went into the records.
    std::vector<FileContent> employeeFileContents();
    FileContent stateFileContent();
    FileContent cityFileContent();
    FileContent nonCityFileContent();

  private:
    // Takes the save window's name and the profile and overtime screens into the records.
    void takeEmployeeScreens();
    // The city and non-resident city screens into their records; throw ConversionError.
    void takeCityScreen();
    void takeNonCityScreen();
    SaveValues saveValues(bool withLeave);
    FileContent content(FileKind kind, const SaveValues& v) const;

    Workspace& ws_;
    Screens& screens_;
};

}  // namespace corvella
