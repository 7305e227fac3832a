#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "common/errors.h"
#include "common/fileio.h"
#include "engine/pay_run_fixture.h"
#include "ledger/ledger.h"

namespace corvella {
namespace {

using test::dataDir;
using test::newYorkSettings;
using test::PayRunFixture;
using test::TempDir;

class EmployeeCommands : public PayRunFixture {
  protected:
    // Files of the folder with their contents, to show that nothing was written.
    std::map<std::string, std::string> snapshot() {
        std::map<std::string, std::string> files;
        for (auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.is_regular_file())  // the daily backup's folder is not one of them
                files[e.path().filename().string()] = dir.read(e.path().filename().string());
        return files;
    }
};

TEST_F(EmployeeCommands, NewWithAnExistingNameIsRefused) {
    openEmployee(profileOf());
    ui.inputAnswers.push_back("Emp");
    s.mnuNew_Click();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back(), "........Emp already exists. Use Open");
    EXPECT_EQ(s.CurrentUser, "Emp");
    EXPECT_EQ(s.main.caption, "  User:  Emp");
}

TEST_F(EmployeeCommands, NewRefusesANameThatLeavesTheFolder) {
    openEmployee(profileOf());
    auto before = snapshot();
    ui.inputAnswers.push_back("../outside");
    s.mnuNew_Click();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().find("cannot be used"), std::string::npos);
    EXPECT_EQ(s.CurrentUser, "Emp");
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "outside.use"));
}

TEST_F(EmployeeCommands, NewStartsFromTheResetProfileAndWritesOnlyOnSave) {
    TaxProfile p = profileOf();
    p.HourRate = 22;
    p.DedCaption9 = "Dental";
    openEmployee(p);
    ui.inputAnswers.push_back("Fresh");
    s.mnuNew_Click();
    EXPECT_EQ(s.CurrentUser, "Fresh");
    EXPECT_EQ(s.main.caption, "  User:  Fresh");
    EXPECT_EQ(s.profile.HourRate, 7.5f);
    EXPECT_EQ(s.main.lbTaxTag[9].caption, "Misc.");
    EXPECT_EQ(s.ledger.YtdWages(), Currency());
    EXPECT_FALSE(std::filesystem::exists(dir / "Fresh.use"));
}

// An employee without a state file of its own is taxed with every flag unchecked, not
// with the special states, Round State and Spouse Works of whoever was open before.
TEST_F(EmployeeCommands, AnEmployeeWithoutAStateFileStartsWithEveryFlagUnchecked) {
    for (bool viaNew : {true, false}) {
        SCOPED_TRACE(viaNew ? "File > New" : "File > Open");
        TempDir fresh;
        std::filesystem::copy_file(dataDir() / "Federal15.dtt", fresh / "Federal15.dtt");
        ScriptedUi ui2;
        Session s2(ui2, fresh.path());
        s2.Form_Load();
        // The tax a fresh program computes for the same employee.
        const TaxProfile p = profileOf();
        StateSettings none;
        writeFileAtomic(
            fresh / "Other.use",
            writeUseFile(p, OvertimeData{}, none, EmployeeExtras::newEmployee(), "11440", "0"));
        ASSERT_TRUE(s2.openEmployee(fresh / "Other.use"));
        s2.main.txtAmount[0].focusAndType("41");
        s2.Calcu_late(RunSave::None);
        const std::string expected = s2.main.lbTaxDed[3].caption;

        StateSettings flagged = newYorkSettings();
        flagged.RoundStateFlag = flagged.SpouseFlag = flagged.IowaFlag = 1;
        openEmployee(p, &flagged);
        ASSERT_EQ(s.state.RoundStateFlag, 1);
        if (viaNew) {
            ui.inputAnswers.push_back("Jane Doe");
            s.mnuNew_Click();
            ASSERT_EQ(s.CurrentUser, "Jane Doe");
        } else {
            std::filesystem::copy_file(fresh / "Other.use", dir / "Other.use");
            ASSERT_TRUE(s.openEmployee(dir / "Other.use"));
        }
        const StateSettings& st = s.state;
        for (int16_t flag : {st.RoundStateFlag, st.SpouseFlag, st.IowaFlag, st.LouisFlag})
            EXPECT_EQ(flag, 0);
        DialogState& screen = s.stateScreen();
        EXPECT_EQ(screen.ckRoundOff.value, 0);
        EXPECT_EQ(screen.ckIowa.value, 0);
        EXPECT_EQ(screen.ckSpouse.value, 0);
        run({{0, "41"}});
        EXPECT_EQ(s.main.lbTaxDed[3].caption, expected);
        std::filesystem::remove(dir / "Other.use");
        std::filesystem::remove(dir / "Emp.sta");
    }
}

// Round State, Spouse Works and the states the employee's own files keep are read at
// Open; only the flags of a state file the employee does not have start unchecked.
// Every screen's load sequence sees the same bytes, and the disk is asked once a file.
TEST_F(EmployeeCommands, OpenReadsEachFileOfTheSetOnce) {
    const StateSettings ny = newYorkSettings();
    openEmployee(profileOf(), &ny);
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);  // writes every member
    const std::map<std::string, int> before = s.diskReads();
    ASSERT_TRUE(s.openEmployee(dir.path() / "Emp.use"));
    std::map<std::string, int> read;
    for (const auto& [file, count] : s.diskReads())
        if (const int n = count - (before.count(file) ? before.at(file) : 0)) read[file] = n;
    const std::map<std::string, int> once = {{"Emp.and", 1}, {"Emp.cfe", 1}, {"Emp.cti", 1},
                                             {"Emp.hol", 1}, {"Emp.nci", 1}, {"Emp.ovw", 1},
                                             {"Emp.sta", 1}, {"Emp.use", 1}};
    EXPECT_EQ(read, once);
}

TEST_F(EmployeeCommands, OpenWithoutAStateFileKeepsTheFlagsOfTheEmployeesOwnFiles) {
    TaxProfile p = profileOf();
    p.FedStatus = "Married";
    p.FedExemp = "5";
    p.StateStatus = "Married";
    p.StateExemp = 2;
    p.PensionPct = 5.75f;
    p.HourRate = 38;
    const auto runOf = [&](const std::string& name, int16_t roundState) {
        StateSettings own;
        own.RoundStateFlag = roundState;
        own.UtahFlag = 0;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        writeFileAtomic(dir / (name + ".use"),
                        writeUseFile(p, OvertimeData{}, own, x, "11440", "0"));
        writeFileAtomic(dir / (name + ".and"), writeAndFile(p, own, x));
        writeFileAtomic(dir / (name + ".cfe"), writeCfeFile(p));
        // Opened after one whose state file checks Iowa: that flag must not carry over.
        StateSettings iowa = newYorkSettings();
        iowa.IowaFlag = 1;
        openEmployee(profileOf(), &iowa, "Iowa");
        EXPECT_TRUE(s.openEmployee(dir / (name + ".use")));
        EXPECT_EQ(s.state.RoundStateFlag, roundState);
        EXPECT_EQ(s.state.IowaFlag, 0);
        EXPECT_EQ(s.stateScreen().ckRoundOff.value, roundState);
        run({{0, "24"}, {1, "5.65"}, {3, "2.75"}, {4, "7.25"}, {6, "1,056.61"}});
        return s.main.lbTaxDed[3].caption;
    };
    const std::string exact = runOf("Exact", 0);
    const std::string rounded = runOf("Rounded", 1);
    ASSERT_NE(exact.find('.'), std::string::npos) << exact;
    EXPECT_NE(exact.substr(exact.find('.')), ".00") << "pick figures with cents";
    EXPECT_EQ(rounded.substr(rounded.find('.')), ".00") << rounded;
}

// The files under the empty name are the defaults for every new employee: a save that
// would write them asks first, and No writes nothing.
TEST_F(EmployeeCommands, SavingWithNoEmployeeOpenAsksBeforeReplacingTheDefaults) {
    struct Case {
        const char* what;
        std::function<bool(Session&)> save;
        const char* file;  // written by a Yes
    };
    const Case cases[] = {
        {"User Info > Save", [](Session& s) { return s.taxInfoSave(); }, ".use"},
        {"State Tax > SAVE", [](Session& s) { return s.stateSave(); }, ".sta"},
        {"City Tax > SAVE", [](Session& s) { return s.citySave(); }, ".cti"},
        {"Non-resident > SAVE", [](Session& s) { return s.nonCitySave(); }, ".nci"},
        {"File > Save, name emptied",
         [](Session& s) {
             s.saveWindow().txtSaveUser.text.clear();
             return s.cmdSaveUser_Click();
         },
         ".use"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(s.CurrentUser, "");
        const auto before = snapshot();
        ui.questions.clear();
        ui.yesNoAnswers = {false};
        EXPECT_FALSE(c.save(s));
        ASSERT_EQ(ui.questions.size(), 1u);
        EXPECT_NE(ui.questions[0].find("defaults for new employees?"), std::string::npos);
        EXPECT_EQ(snapshot(), before);

        ui.yesNoAnswers = {true};
        EXPECT_TRUE(c.save(s));
        EXPECT_TRUE(std::filesystem::exists(dir / c.file));
        for (auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.path().filename() != "Federal15.dtt") std::filesystem::remove(e.path());
    }
}

TEST_F(EmployeeCommands, MakeDefaultAsksNothingAndSaysItDid) {
    openEmployee(profileOf(), nullptr);
    ui.questions.clear();
    ASSERT_TRUE(s.stateMakeDefault());
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(ui.messages.back(), "Saved. These settings are now the defaults for new employees.");
    EXPECT_TRUE(std::filesystem::exists(dir / ".sta"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Emp.sta"));
}

TEST_F(EmployeeCommands, OpenShowsTheEmployeesDeductionNames) {
    TaxProfile p = profileOf();
    p.DedCaption5 = "Union";
    p.DedCaption9 = "Dental";
    openEmployee(p);
    EXPECT_EQ(s.main.lbTaxTag[5].caption, "Union");
    EXPECT_EQ(s.main.lbTaxTag[9].caption, "Dental");
    EXPECT_EQ(s.main.lbUser.caption, "Emp");
    EXPECT_EQ(s.main.caption, "  User:  Emp");
}

TEST_F(EmployeeCommands, OpenOfADamagedEmployeeSaysWhichFileAndKeepsThePreviousOne) {
    TaxProfile p = profileOf();
    p.HourRate = 18;
    openEmployee(p);
    TaxProfile q = profileOf();
    q.HourRate = 30;
    OvertimeData ot;
    StateSettings flags;
    EmployeeExtras x = EmployeeExtras::newEmployee();
    writeFileAtomic(dir / "Bad.use", writeUseFile(q, ot, flags, x, "0", "0"));
    dir.write("Bad.and", test::fixture("and/text-for-a-number.and"));
    ui.messages.clear();
    EXPECT_FALSE(s.openEmployee(dir / "Bad.use"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Bad.and"), std::string::npos);
    EXPECT_EQ(s.CurrentUser, "Emp");
    EXPECT_EQ(s.profile.HourRate, 18.0f);
    run({{0, "10"}});
    EXPECT_EQ(s.main.Label13.caption, "$180.00");
}

// A missing extras or cafeteria file reads as the defaults, never as the employee open
// before, and Open says so each time: the check name and number start empty.
TEST_F(EmployeeCommands, OpenNamesAMissingMemberAndTakesNothingFromThePreviousEmployee) {
    TaxProfile first = profileOf();
    first.EmpName = "First Person";
    first.EmpSSN = "000-00-1111";
    first.CafeAmt = 35;
    openEmployee(first, nullptr, "First");
    openEmployee(profileOf(), nullptr, "Second");
    for (const char* missing : {"Second.and", "Second.cfe"}) {
        SCOPED_TRACE(missing);
        openEmployee(first, nullptr, "First");
        std::filesystem::remove(dir / missing);
        ui.messages.clear();
        ASSERT_TRUE(s.openEmployee(dir / "Second.use"));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].rfind(std::string(missing) + " is missing: ", 0), 0u)
            << ui.messages[0];
        EXPECT_NE(s.profile.EmpName, "First Person");
        EXPECT_NE(s.profile.EmpSSN, "000-00-1111");
        EXPECT_FLOAT_EQ(s.profile.CafeAmt, 0);
        writeFileAtomic(dir / "Second.and",
                        writeAndFile(profileOf(), StateSettings{}, EmployeeExtras::newEmployee()));
        writeFileAtomic(dir / "Second.cfe", writeCfeFile(profileOf()));
    }
    ui.messages.clear();
    ASSERT_TRUE(s.openEmployee(dir / "Second.use"));
    EXPECT_TRUE(ui.messages.empty());  // a missing state file is an employee without one
}

TEST_F(EmployeeCommands, OpenFromAFolderWithoutTheFederalTableStillLoadsTheEmployee) {
    test::TempDir other;
    TaxProfile p = profileOf();
    p.HourRate = 11;
    OvertimeData ot;
    StateSettings flags;
    EmployeeExtras x = EmployeeExtras::newEmployee();
    writeFileAtomic(other / "Far.use", writeUseFile(p, ot, flags, x, "0", "0"));
    writeFileAtomic(other / "Far.and", writeAndFile(p, flags, x));
    writeFileAtomic(other / "Far.cfe", writeCfeFile(p));
    ui.messages.clear();
    EXPECT_TRUE(s.openEmployee(other / "Far.use"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("   Operation Failed ! ! !", 0), 0u);
    EXPECT_EQ(s.profile.HourRate, 11.0f);
    EXPECT_EQ(s.dir, other.path());
}

TEST_F(EmployeeCommands, CancellingTheOpenDialogKeepsTheCurrentEmployee) {
    openEmployee(profileOf());
    EXPECT_FALSE(s.mnuOpen_Click());  // the save window answered No, the dialog cancelled
    EXPECT_EQ(s.CurrentUser, "Emp");
}

TEST_F(EmployeeCommands, SaveUnderANewNameWritesTheWholeSetThere) {
    openEmployee(profileOf());
    auto oldUse = dir.read("Emp.use");
    ui.saveAnswers.push_back({SaveWindowButton::Save, std::string("Copy")});
    s.mnuSave_Click();
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".hol", ".sta", ".cti", ".nci"})
        EXPECT_TRUE(std::filesystem::exists(dir / (std::string("Copy") + ext))) << ext;
    EXPECT_FALSE(std::filesystem::exists(dir / "Copy.yrw"));
    EXPECT_EQ(dir.read("Emp.use"), oldUse);
    EXPECT_EQ(s.CurrentUser, "Copy");
    EXPECT_EQ(s.main.caption, "Copy");
}

// The full save is one change: a write failing partway, or a crash between the renames,
// never leaves the employee's files part old and part new.
TEST_F(EmployeeCommands, AFullSaveIsWhollyOldOrWhollyNew) {
    TaxProfile p = profileOf();
    openEmployee(p);
    const auto old = snapshot();
    s.profile.EmpName = "Changed Name";
    for (size_t bytes : {0u, 400u, 900u, 1500u}) {
        SCOPED_TRACE(bytes);
        s.writeFaults().failAfterBytes = bytes;
        EXPECT_THROW(s.saveAllFiles(), WriteError);
        EXPECT_EQ(snapshot(), old);
    }
    s.writeFaults() = {};

    s.writeFaults().stopAfterRenames = 3;  // .use, .and and .cfe are in place, the rest not
    EXPECT_THROW(s.saveAllFiles(), SimulatedCrash);
    s.writeFaults() = {};
    EXPECT_NE(dir.read("Emp.and").find("Changed Name"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / kCommitManifest));

    ScriptedUi nextUi;  // the next start finishes the renames before it reads anything
    Session next(nextUi, dir.path());
    next.Form_Load();
    EXPECT_TRUE(nextUi.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / kCommitManifest));
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".hol", ".sta", ".cti", ".nci"})
        EXPECT_TRUE(std::filesystem::exists(dir / (std::string("Emp") + ext))) << ext;
    for (const auto& [name, bytes] : snapshot())
        EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;

    // Eight files, the manifest, and the folder before and after the renames.
    const int before = s.fileSyncs();
    s.saveAllFiles();
    EXPECT_EQ(s.fileSyncs() - before, 11);
}

TEST_F(EmployeeCommands, ANameTooLongForAFileIsReportedNotFatal) {
    openEmployee(profileOf());
    const auto before = snapshot();
    ui.saveAnswers.push_back({SaveWindowButton::Save, std::string(300, 'x')});
    ui.saveAnswers.push_back({SaveWindowButton::No, std::nullopt});
    ui.messages.clear();
    s.mnuSave_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "The name is 300 bytes long; a name may have at most " +
                                  std::to_string(kLongestEmployeeName) +
                                  " bytes (a letter such as \"é\" takes two). Choose a shorter "
                                  "name.");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(EmployeeCommands, AFailedSaveIsReportedAndTheWindowStaysOpen) {
    openEmployee(profileOf());
    s.writeFaults().failAfterBytes = 0;
    ui.saveAnswers.push_back({SaveWindowButton::Save, std::nullopt});
    ui.saveAnswers.push_back({SaveWindowButton::No, std::nullopt});  // then the user gives up
    ui.messages.clear();
    s.mnuSave_Click();
    s.writeFaults().failAfterBytes.reset();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("not saved"), std::string::npos);
    EXPECT_TRUE(ui.saveAnswers.empty());  // the window was shown again
}

TEST_F(EmployeeCommands, ASaveIntoAFolderThatCannotTakeFilesIsReportedAndWritesNothing) {
    openEmployee(profileOf());
    dir.write("afile", "in the way");
    auto before = snapshot();
    // A folder under a regular file cannot be made, even by root.
    s.dir = dir / "afile" / "sub";
    ui.saveAnswers.push_back({SaveWindowButton::Save, std::nullopt});
    ui.saveAnswers.push_back({SaveWindowButton::No, std::nullopt});
    ui.messages.clear();
    s.mnuSave_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("not saved"), std::string::npos) << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("Emp.use"), std::string::npos) << ui.messages[0];
    EXPECT_EQ(snapshot(), before);
}

TEST_F(EmployeeCommands, SaveRefusesARateThatIsNotANumber) {
    openEmployee(profileOf());
    auto before = snapshot();
    s.taxInfo().txtHourRate2.text = "1.2.3";
    // Under a new name: refused, the employee stays under its own.
    ui.saveAnswers.push_back({SaveWindowButton::Save, std::string("Emp2")});
    ui.messages.clear();
    s.mnuSave_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("\"1.2.3\" in User Info, Hourly Rate 2 is not a number"),
              std::string::npos);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(s.CurrentUser, "Emp");
}

TEST_F(EmployeeCommands, SaveRefusesANameThatLeavesTheFolder) {
    openEmployee(profileOf());
    auto before = snapshot();
    ui.saveAnswers.push_back({SaveWindowButton::Save, std::string("sub/Emp")});
    ui.messages.clear();
    s.mnuSave_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("cannot be used"), std::string::npos);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(s.CurrentUser, "Emp");
}

TEST_F(EmployeeCommands, ADamagedStateFileStopsTheOpenAndKeepsThePreviousEmployee) {
    TaxProfile first = profileOf();
    first.FedExempFlag = 1;
    first.FedAddl = 25;
    auto ny = newYorkSettings();
    openEmployee(first, &ny, "First");
    TaxProfile second = profileOf();
    auto st = noStateTax();
    openEmployee(second, &st, "Second");
    ASSERT_TRUE(s.openEmployee(dir / "First.use"));
    const std::string damaged = test::fixture("state/cut-at-line-two.sta");
    dir.write("Second.sta", damaged);
    ui.messages.clear();
    EXPECT_FALSE(s.openEmployee(dir / "Second.use"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Second.sta"), std::string::npos);
    EXPECT_EQ(s.CurrentUser, "First");
    EXPECT_EQ(s.profile.FedAddl, 25.0f);
    EXPECT_EQ(s.state.StateMinBS[1], 323.0f);
    EXPECT_EQ(dir.read("Second.sta"), damaged);  // left for the user to mend
}

// The run saves the defaults over the damaged file: it is moved aside first, and the
// operator hears where it went.
TEST_F(EmployeeCommands, ADamagedCityFileIsReportedTheDefaultsUsedAndTheFileKept) {
    for (const char* ext : {".cti", ".nci"}) {
        SCOPED_TRACE(ext);
        const std::string name = std::string("Emp") + ext;
        openEmployee(profileOf());
        dir.write(name, "1,2,x\r\n");
        ui.messages.clear();
        ASSERT_TRUE(s.openEmployee(dir / "Emp.use"));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].rfind("You have corupted a file.\nFind file,\n" + name +
                                           "\nand delete it.\n(Until then it is kept",
                                       0),
                  0u)
            << ui.messages[0];
        if (std::string(ext) == ".cti") {
            EXPECT_EQ(s.city.CityMinBS[1], 308.0f);  // the screen's built-in figures
        }
        ui.messages.clear();
        EXPECT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
        std::vector<std::string> kept;
        for (auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.path().filename().string().rfind(name + ".damaged-", 0) == 0)
                kept.push_back(e.path().filename().string());
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(kept[0].size(), name.size() + std::string(".damaged-20261210-142501").size());
        EXPECT_EQ(dir.read(kept[0]), "1,2,x\r\n");
        EXPECT_NE(dir.read(name), "1,2,x\r\n");
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].find("was kept as " + kept[0]), std::string::npos);
        // Written once: the next save has nothing to move.
        ui.messages.clear();
        EXPECT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
        EXPECT_TRUE(ui.messages.empty());
        std::filesystem::remove(dir / kept[0]);
    }
}

// The kept copy's name must fit the file system too: the longest name leaves room for it,
// whole.
TEST_F(EmployeeCommands, ADamagedFileOfTheLongestNameIsKeptUnderItsFullName) {
    for (size_t length : {size_t{200}, kLongestEmployeeName}) {
        SCOPED_TRACE(length);
        const std::string name(length, 'n');
        openEmployee(profileOf(), nullptr, name);
        dir.write(name + ".cti", "1,2,x\r\n");
        ASSERT_TRUE(s.openEmployee(dir / (name + ".use")));
        ui.messages.clear();
        ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
        std::vector<std::string> kept;
        for (auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.path().filename().string().find(".damaged-") != std::string::npos)
                kept.push_back(e.path().filename().string());
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_LE(kept[0].size(), 255u - 11u) << kept[0];
        EXPECT_EQ(kept[0].rfind(name + ".cti.damaged-", 0), 0u) << kept[0];
        EXPECT_EQ(dir.read(kept[0]), "1,2,x\r\n");
        std::filesystem::remove(dir / kept[0]);
    }
}

// The damaged file is copied aside, not moved: a save that then fails leaves the employee's
// files where they were, so the employee still opens.
TEST_F(EmployeeCommands, AFailedSaveAfterADamagedFileLeavesItInPlace) {
    openEmployee(profileOf());
    dir.write("Emp.cti", "1,2,x\r\n");
    ASSERT_TRUE(s.openEmployee(dir / "Emp.use"));
    s.writeFaults().failAfterBytes = 0;
    EXPECT_EQ(run({{0, "40"}}), Session::RunOutcome::SaveFailed);
    s.writeFaults() = {};
    EXPECT_EQ(dir.read("Emp.cti"), "1,2,x\r\n");
    ASSERT_TRUE(std::filesystem::exists(dir / "Emp.use"));
    EXPECT_TRUE(s.openEmployee(dir / "Emp.use"));
}

// A status outside the list would withhold with no allowance at all: the file holding it
// is damaged, and the employee open before stays.
TEST_F(EmployeeCommands, AnUnknownStatusIsADamagedFileNotAZeroAllowance) {
    TaxProfile p = profileOf();
    p.HourRate = 15;
    p.FedExemp = "2";
    p.WeeklyFlag = 0;
    p.BiWeeklyFlag = -1;
    auto st = noStateTax();
    openEmployee(p, &st);
    run({{0, "80"}});
    EXPECT_FLOAT_EQ(s.result.run.FedAllowance, 307.6f);

    std::string use = dir.read("Emp.use");
    use.replace(use.find("\"Single\""), 8, "\"Head of household\"");  // hand-made
    writeFileAtomic(dir / "Other.use", use);
    ui.messages.clear();
    EXPECT_FALSE(s.openEmployee(dir / "Other.use"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Other.use is damaged at line 4"), std::string::npos);
    const size_t said = ui.messages[0].find("federal status \"Head of household\"");
    EXPECT_NE(said, std::string::npos);
    EXPECT_EQ(ui.messages[0].find("federal status", said + 1), std::string::npos)
        << "said twice: " << ui.messages[0];
    EXPECT_EQ(s.CurrentUser, "Emp");
    run({{0, "80"}});
    EXPECT_FLOAT_EQ(s.result.run.FedAllowance, 307.6f);

    // Nor is such a status ever written.
    p.FedStatus = "Head of household";
    EXPECT_THROW(writeUseFile(p, OvertimeData{}, StateSettings{}, EmployeeExtras{}, "0", "0"),
                 RangeError);
}

TEST_F(EmployeeCommands, AnEntryFarTooLargeIsRefused) {
    openEmployee(profileOf());
    ui.messages.clear();
    EXPECT_EQ(run({{6, "922337203685477"}, {0, "100000"}}), Session::RunOutcome::Refused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("too large"), std::string::npos);
}

TEST_F(EmployeeCommands, ARunRefusesAStateAdjustmentThatIsNotANumber) {
    openEmployee(profileOf());
    s.stateScreen().txtStateAdj.focusAndType("1.2.3");
    ui.messages.clear();
    EXPECT_EQ(run({{0, "40"}}), Session::RunOutcome::Refused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("txtStateAdj"), std::string::npos);
}

TEST_F(EmployeeCommands, ExitAnsweredNoOrCancelWritesNothing) {
    openEmployee(profileOf());
    auto before = snapshot();
    // Cancel (and Esc): no save window, and the program goes on.
    ui.answers.push_back(Answer::Cancel);
    ui.saveAnswers.push_back({SaveWindowButton::Save, std::nullopt});
    EXPECT_FALSE(s.mnuExit_Click());
    EXPECT_FALSE(s.programEnded);
    EXPECT_EQ(ui.saveAnswers.size(), 1u);
    EXPECT_EQ(snapshot(), before);
    ui.saveAnswers.clear();

    ui.answers.push_back(Answer::No);
    EXPECT_TRUE(s.mnuExit_Click());
    EXPECT_TRUE(s.programEnded);
    EXPECT_EQ(ui.questions.back(), "     SAVE USER'S SETTINGS?");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(EmployeeCommands, ExitAnsweredYesSavesThroughTheSaveWindow) {
    openEmployee(profileOf());
    std::filesystem::remove(dir / "Emp.hol");
    ui.answers.push_back(Answer::Yes);
    ui.saveAnswers.push_back({SaveWindowButton::Save, std::nullopt});
    EXPECT_TRUE(s.mnuExit_Click());
    EXPECT_TRUE(s.programEnded);
    EXPECT_TRUE(std::filesystem::exists(dir / "Emp.hol"));
}

// Yes, then Esc (or the close box) in the save window: no answer to "save?", so the
// program goes on with nothing written; its No button still ends the program unsaved.
TEST_F(EmployeeCommands, ExitThenEscInTheSaveWindowKeepsTheProgramOpen) {
    openEmployee(profileOf());
    const auto before = snapshot();
    ui.answers.push_back(Answer::Yes);
    ui.saveAnswers.push_back({SaveWindowButton::Close, std::string("Typed")});
    EXPECT_FALSE(s.mnuExit_Click());
    EXPECT_FALSE(s.programEnded);
    EXPECT_EQ(snapshot(), before);

    ui.answers.push_back(Answer::Yes);
    ui.saveAnswers.push_back({SaveWindowButton::No, std::nullopt});
    EXPECT_TRUE(s.mnuExit_Click());
    EXPECT_TRUE(s.programEnded);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(EmployeeCommands, TheLedgersGrossTotalBoundsSocialSecurity) {
    Ledger l;
    l.rows[0].Gross = 116500;
    l.RecomputeTotals(true);
    writeFileAtomic(dir / "Emp.yrw", l.write(true));
    TaxProfile p = profileOf();
    p.HourRate = 25;
    openEmployee(p);
    EXPECT_EQ(s.ledger.YtdWages().toDouble(), 116500.0);
    run({{0, "40"}});  // 1000 of which 500 lie under the base
    EXPECT_EQ(s.main.lbTaxDed[1].caption, "31.00");
    EXPECT_EQ(s.main.lbTaxDed[2].caption, "14.50");
}

}  // namespace
}  // namespace corvella
