// File > "Restore from Backup…" on the real main window, offscreen, its questions and the
// day list answered by a ScriptedUi; and the desktop's day list (QtUi::chooseItem) itself.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QTest>
#include <QTimer>

#include "gui/qt_ui.h"
#include "gui_fixture.h"

using namespace corvella;

class BackupMenuTest : public QObject, public test::GuiTestBase {
    Q_OBJECT

  private:
    QAction* action(const char* name) {
        auto* a = window_->findChild<QAction*>(QString::fromLatin1(name));
        if (!a) qFatal("no action %s", name);
        return a;
    }

  private slots:
    // "Emp", named "As It Was", opened through File > Open.
    void init() {
        startFolder();
        TaxProfile p = TaxProfile::resetValues();
        p.EmpName = "As It Was";
        test::writeEmployeeFiles(dir_, "Emp", p);
        showWindow();
        ui_->openAnswers.push_back(dir_ / "Emp.use");
        action("mnuOpen")->trigger();
    }

    void cleanup() { stop(); }

    void withoutABackupItSaysSo() {
        ui_->messages.clear();
        action("mnuRestoreBackup")->trigger();
        QCOMPARE(ui_->messages.size(), size_t(1));
        QVERIFY(ui_->messages[0].find("no backup of Emp") != std::string::npos);
    }

    void aChosenDayIsPutBackAfterAsking() {
        const std::string before = *readFileBytes(dir_ / "Emp.and");
        s_->profile.EmpName = "Changed";
        s_->saveAllFiles();  // the day's first write keeps the set as it was
        QVERIFY(*readFileBytes(dir_ / "Emp.and") != before);

        ui_->choiceAnswers.push_back("2015-01-09");
        ui_->yesNoAnswers.push_back(true);
        action("mnuRestoreBackup")->trigger();
        QCOMPARE(ui_->questions.size(), size_t(2));
        QCOMPARE(ui_->questions[0], std::string("Day of the backup:"));
        QCOMPARE(*readFileBytes(dir_ / "Emp.and"), before);
        QCOMPARE(s_->profile.EmpName, std::string("As It Was"));
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
