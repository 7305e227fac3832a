#include "store/employee_list.h"

#include <gtest/gtest.h>

#include "common/fileio.h"
#include "employee/employee_files.h"
#include "engine/pay_run_fixture.h"
#include "state/state_file.h"

namespace corvella {
namespace {

using test::PayRunFixture;

class EmployeeList : public PayRunFixture {
  protected:
    void writeEmployee(const std::string& name, bool weekly, const StateSettings* st) {
        TaxProfile p = TaxProfile::resetValues();
        p.WeeklyFlag = weekly ? -1 : 0;
        p.BiWeeklyFlag = weekly ? 0 : -1;
        StateSettings flags;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        writeFileAtomic(dir / (name + ".use"),
                        writeUseFile(p, OvertimeData{}, flags, x, "11440", "0"));
        writeFileAtomic(dir / (name + ".and"), writeAndFile(p, flags, x));
        writeFileAtomic(dir / (name + ".cfe"), writeCfeFile(p));
        if (st) {
            StateProfileFields pf;
            writeFileAtomic(dir / (name + ".sta"), writeStateFile(*st, pf));
        }
    }
};

TEST_F(EmployeeList, ListsEveryEmployeeByNameWithFrequencyAndState) {
    StateSettings iowa = test::newYorkSettings();
    iowa.IowaFlag = 1;
    StateSettings none = noStateTax();
    writeEmployee("bob", false, nullptr);
    writeEmployee("Ann Lee", true, &iowa);
    writeEmployee("Carl", true, &none);
    writeEmployee("", true, nullptr);  // the defaults for new employees
    dir.write("Dora.use", "\"Single\",not a number");
    dir.write("Ed.txt", "");

    const std::vector<EmployeeEntry> want = {
        {"Ann Lee", "Weekly", "Iowa", false},
        {"bob", "Bi-Weekly", "Tax table", false},
        {"Carl", "Weekly", "No state tax", false},
        {"Dora", "", "", true},
    };
    EXPECT_EQ(listEmployees(dir.path()), want);
    EXPECT_EQ(s.employeeList(), want);
    EXPECT_TRUE(listEmployees(dir / "no such folder").empty());
}

TEST_F(EmployeeList, TheFilterLooksAtNameStateAndFrequencyWithoutCase) {
    const EmployeeEntry ann{"Ann Lee", "Weekly", "Iowa", false};
    struct Case {
        const char* filter;
        bool shown;
    } cases[] = {{"", true},       {"ann", true},  {"LEE", true}, {"iow", true},
                 {"weekly", true}, {"bi-", false}, {"Bob", false}};
    for (auto c : cases) EXPECT_EQ(entryMatches(ann, c.filter), c.shown) << c.filter;
}

// Opening from the list is File > Open with the file already chosen: the save window
// comes first, and a name that leaves the folder is refused.
TEST_F(EmployeeList, OpeningFromTheListTakesTheStepsOfFileOpen) {
    writeEmployee("Ann Lee", true, nullptr);
    openEmployee(profileOf());
    ui.saveAnswers.push_back({SaveWindowButton::No, std::nullopt});
    ASSERT_TRUE(s.openListed("Ann Lee"));
    EXPECT_TRUE(ui.saveAnswers.empty());
    EXPECT_EQ(s.CurrentUser, "Ann Lee");
    EXPECT_EQ(s.main.caption, "  User:  Ann Lee");

    ui.saveAnswers.push_back({SaveWindowButton::Quit, std::nullopt});
    EXPECT_FALSE(s.openListed("Emp"));
    EXPECT_TRUE(s.programEnded);
    EXPECT_EQ(s.CurrentUser, "Ann Lee");
}

TEST_F(EmployeeList, ANameThatLeavesTheFolderIsNotOpened) {
    openEmployee(profileOf());
    ui.messages.clear();
    EXPECT_FALSE(s.openListed("../Emp"));
    EXPECT_EQ(s.CurrentUser, "Emp");
    ASSERT_FALSE(ui.messages.empty());
}

}  // namespace
}  // namespace corvella
