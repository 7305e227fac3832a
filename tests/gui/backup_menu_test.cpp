// File > "Restore from Backup…" on the real main window, offscreen, its questions and the
// day list answered by a ScriptedUi; and the desktop's day list (QtUi::chooseItem) itself.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "common/fileio.h"
#include "employee/employee_files.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "shell/session.h"

namespace fs = std::filesystem;

class BackupMenuTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> tmp_;
    fs::path dir_;
    std::unique_ptr<corvella::ScriptedUi> ui_;
    std::unique_ptr<corvella::Session> session_;
    std::unique_ptr<Form1> window_;

    QAction* action(const char* name) {
        auto* a = window_->findChild<QAction*>(QString::fromLatin1(name));
        if (!a) qFatal("no action %s", name);
        return a;
    }

  private slots:
    void init() {
        tmp_ = std::make_unique<QTemporaryDir>();
        dir_ = fs::path(tmp_->path().toStdString());
        fs::copy_file(fs::path(CORVELLA_SOURCE_DIR) / "data" / "Federal15.dtt",
                      dir_ / "Federal15.dtt");
        corvella::TaxProfile p = corvella::TaxProfile::resetValues();
        p.EmpName = "As It Was";
        corvella::StateSettings s;
        corvella::EmployeeExtras x = corvella::EmployeeExtras::newEmployee();
        corvella::writeFileAtomic(dir_ / "Emp.use",
                                  corvella::writeUseFile(p, {}, s, x, "11440", "0"));
        corvella::writeFileAtomic(dir_ / "Emp.and", corvella::writeAndFile(p, s, x));
        ui_ = std::make_unique<corvella::ScriptedUi>();
        session_ = std::make_unique<corvella::Session>(*ui_, dir_);
        window_ = std::make_unique<Form1>(*session_);
        window_->show();
        ui_->openAnswers.push_back(dir_ / "Emp.use");
        action("mnuOpen")->trigger();
    }

    void cleanup() {
        window_.reset();
        session_.reset();
        ui_.reset();
        tmp_.reset();
    }

    void withoutABackupItSaysSo() {
        ui_->messages.clear();
        action("mnuRestoreBackup")->trigger();
        QCOMPARE(ui_->messages.size(), size_t(1));
        QVERIFY(ui_->messages[0].find("no backup of Emp") != std::string::npos);
    }

    void aChosenDayIsPutBackAfterAsking() {
        const std::string before = *corvella::readFileBytes(dir_ / "Emp.and");
        session_->profile.EmpName = "Changed";
        session_->saveAllFiles();  // the day's first write keeps the set as it was
        QVERIFY(*corvella::readFileBytes(dir_ / "Emp.and") != before);

        ui_->choiceAnswers.push_back("2015-01-09");
        ui_->yesNoAnswers.push_back(true);
        action("mnuRestoreBackup")->trigger();
        QCOMPARE(ui_->questions.size(), size_t(2));
        QCOMPARE(ui_->questions[0], std::string("Day of the backup:"));
        QCOMPARE(*corvella::readFileBytes(dir_ / "Emp.and"), before);
        QCOMPARE(session_->profile.EmpName, std::string("As It Was"));
    }

    // The list offers the items given, the first chosen; OK gives the one chosen, Esc none.
    void theDesktopsChoiceOfADay() {
        QtUi ui;
        ui.setParentWindow(window_.get());
        const std::vector<std::string> days{"2015-01-10", "2015-01-09"};
        for (const bool accept : {true, false}) {
            QStringList offered;
            QTimer::singleShot(0, this, [&] {
                auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                offered = dialog->comboBoxItems();
                if (accept)
                    dialog->accept();
                else
                    dialog->reject();
            });
            const auto chosen = ui.chooseItem("Day of the backup:", "Restore from Backup", days);
            QCOMPARE(offered,
                     (QStringList{QStringLiteral("2015-01-10"), QStringLiteral("2015-01-09")}));
            QCOMPARE(chosen, accept ? std::optional<std::string>("2015-01-10") : std::nullopt);
        }
    }
};

QTEST_MAIN(BackupMenuTest)
#include "backup_menu_test.moc"
