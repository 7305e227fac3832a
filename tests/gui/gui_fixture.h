#pragma once
// What the Qt tests share: a temporary working folder with the shipped federal table,
// a session over it driven by scripted answers, and employees written into it.
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <string>

#include "common/fileio.h"
#include "common/ports.h"
#include "employee/employee_files.h"
#include "shell/session.h"

namespace corvella::test {

// A new employee's files (.use, .and, .cfe) under `name` in `dir`.
inline void writeEmployeeFiles(const std::filesystem::path& dir, const std::string& name,
                               const TaxProfile& p = TaxProfile::resetValues()) {
    OvertimeData ot;
    StateSettings flags;
    EmployeeExtras x = EmployeeExtras::newEmployee();
    writeFileAtomic(dir / (name + ".use"), writeUseFile(p, ot, flags, x, "11440", "0"));
    writeFileAtomic(dir / (name + ".and"), writeAndFile(p, flags, x));
    writeFileAtomic(dir / (name + ".cfe"), writeCfeFile(p));
}

// A new employee's profile, paid every two weeks.
inline TaxProfile biWeeklyProfile() {
    TaxProfile p = TaxProfile::resetValues();
    p.WeeklyFlag = 0;
    p.BiWeeklyFlag = -1;
    return p;
}

// A started session over a fresh folder holding the federal table.
struct GuiFolder {
    QTemporaryDir tmp;
    std::filesystem::path dir{tmp.path().toStdString()};
    ScriptedUi ui;
    Session s{ui, dir};

    GuiFolder() {
        std::filesystem::copy_file(
            std::filesystem::path(CORVELLA_SOURCE_DIR) / "data" / "Federal15.dtt",
            dir / "Federal15.dtt");
        s.Form_Load();
    }
    // Writes a new employee's files and opens them as File > Open does.
    bool openNew(const std::string& name = "Emp", const TaxProfile& p = TaxProfile::resetValues()) {
        writeEmployeeFiles(dir, name, p);
        return s.openEmployee(dir / (name + ".use"));
    }
};

// For a QtTest class: a fresh folder with "Emp" opened before each test (call start()
// from init()), gone after it (stop() from cleanup()).
class GuiTestBase {
  protected:
    std::unique_ptr<GuiFolder> folder_;
    std::filesystem::path dir_;
    ScriptedUi* ui_ = nullptr;
    Session* s_ = nullptr;

    void start() {
        folder_ = std::make_unique<GuiFolder>();
        QVERIFY(folder_->tmp.isValid());
        dir_ = folder_->dir;
        ui_ = &folder_->ui;
        s_ = &folder_->s;
        openEmployee();
    }
    void stop() { folder_.reset(); }
    void openEmployee(const std::string& name = "Emp",
                      const TaxProfile& p = TaxProfile::resetValues()) {
        QVERIFY(folder_->openNew(name, p));
    }
};

}  // namespace corvella::test
