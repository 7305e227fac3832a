#pragma once
// What the Qt tests share: a temporary working folder with the shipped federal table (or
// all of data/), a session over it driven by scripted answers, employees written into it,
// and the main window over it.
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <string>

#include "common/fileio.h"
#include "common/ports.h"
#include "employee/employee_files.h"
#include "gui/main_window.h"
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

// What a fresh folder starts with: the shipped federal table alone, or all of data/ (the
// federal table and the sample employee "Sample").
enum class Holds { FederalTable, DataFolder };

// A fresh temporary folder, removed when the object goes.
struct FreshFolder {
    QTemporaryDir tmp;
    std::filesystem::path dir{tmp.path().toStdString()};

    explicit FreshFolder(Holds holds = Holds::FederalTable) {
        const std::filesystem::path data = std::filesystem::path(CORVELLA_SOURCE_DIR) / "data";
        if (holds == Holds::FederalTable) {
            std::filesystem::copy_file(data / "Federal15.dtt", dir / "Federal15.dtt");
            return;
        }
        for (const auto& f : std::filesystem::directory_iterator(data))
            if (f.is_regular_file())
                std::filesystem::copy_file(f.path(), dir / f.path().filename());
    }
};

// A session over a fresh folder, driven by scripted answers, or by the desktop's own
// dialogs when a desktop Ui (a QtUi) is given.
struct GuiFolder : FreshFolder {
    ScriptedUi ui;
    std::unique_ptr<Ui> desktopUi;
    Session s{desktopUi ? *desktopUi : static_cast<Ui&>(ui), dir};

    // Started, as the screens' tests want it.
    GuiFolder() { s.Form_Load(); }
    // Not started: the main window starts the session when it is made.
    GuiFolder(Holds holds, std::unique_ptr<Ui> desktop)
        : FreshFolder(holds), desktopUi(std::move(desktop)) {}

    // Writes a new employee's files and opens them as File > Open does.
    bool openNew(const std::string& name = "Emp", const TaxProfile& p = TaxProfile::resetValues()) {
        writeEmployeeFiles(dir, name, p);
        return s.openEmployee(dir / (name + ".use"));
    }
};

// For a QtTest class: a fresh folder with "Emp" opened before each test (call start()
// from init()), or the main window shown over a fresh folder with no employee open
// (startWindow(), or startFolder() and showWindow() with files written between them);
// gone after it (stop() from cleanup()).
class GuiTestBase {
  protected:
    std::unique_ptr<GuiFolder> folder_;
    std::filesystem::path dir_;
    ScriptedUi* ui_ = nullptr;
    Session* s_ = nullptr;
    std::unique_ptr<Form1> window_;

    void start() {
        use(std::make_unique<GuiFolder>());
        openEmployee();
    }
    // The session not yet started: the window starts it.
    void startFolder(Holds holds = Holds::FederalTable, std::unique_ptr<Ui> desktopUi = nullptr) {
        use(std::make_unique<GuiFolder>(holds, std::move(desktopUi)));
    }
    void showWindow() {
        window_ = std::make_unique<Form1>(*s_);
        window_->show();
    }
    void startWindow(Holds holds = Holds::FederalTable, std::unique_ptr<Ui> desktopUi = nullptr) {
        startFolder(holds, std::move(desktopUi));
        showWindow();
    }
    void stop() {
        window_.reset();
        folder_.reset();
    }
    void openEmployee(const std::string& name = "Emp",
                      const TaxProfile& p = TaxProfile::resetValues()) {
        QVERIFY(folder_->openNew(name, p));
    }

  private:
    void use(std::unique_ptr<GuiFolder> folder) {
        folder_ = std::move(folder);
        dir_ = folder_->dir;
        ui_ = &folder_->ui;
        s_ = &folder_->s;
        QVERIFY(folder_->tmp.isValid());
    }
};

}  // namespace corvella::test
