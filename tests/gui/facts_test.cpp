// Options > Company and User Info's Form W-2 group, worked offscreen from the main
// window's menu as the operator would: typed, refused, saved, and the files checked.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "gui_fixture.h"

using namespace corvella;
using namespace corvella::test;

class FactsTest : public QObject, public GuiTestBase {
    Q_OBJECT

    // Triggers the menu entry and works its modal window with `work`; the window is
    // closed after it if still open, so the test never waits.
    void workModal(const char* action, const std::function<void(QWidget*)>& work) {
        bool worked = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            work(dialog);
            worked = true;
            if (dialog->isVisible()) dialog->close();
        });
        window_->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        QVERIFY(worked);
    }

    template <class T>
    static T* in(QWidget* dialog, const char* name) {
        auto* w = dialog->findChild<T*>(QString::fromLatin1(name));
        if (!w) qWarning("no %s", name);
        return w;
    }

    static std::string contents(const std::filesystem::path& p) {
        return readFileBytes(p).value_or("(missing)");
    }

    static void retype(QLineEdit* e, const QString& text) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }

  private slots:
    void cleanup() { stop(); }

    void companyStartsFromTheHeadingRefusesABadEinAndSaves() {
        startFolder();
        writeFileAtomic(dir_ / "Header.sav",
                        "\"Acme Tools\",\"12 Main St.\",\"Albany, NY 12207\",\"ID Number\"\r\n");
        showWindow();
        workModal("mnuCompany", [&](QWidget* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Company"));
            QCOMPARE(in<QLineEdit>(d, "txtLegalName")->text(), QStringLiteral("Acme Tools"));
            QCOMPARE(in<QLineEdit>(d, "txtCoCityStateZip")->text(),
                     QStringLiteral("Albany, NY 12207"));
            QCOMPARE(in<QLineEdit>(d, "txtEin")->text(), QString());
            retype(in<QLineEdit>(d, "txtTradeName"), "Acme");
            retype(in<QLineEdit>(d, "txtEin"), "12-34567");
            in<QPushButton>(d, "cmdSave")->click();
            QVERIFY(d->isVisible());
            QVERIFY(!ui_->messages.empty());
            QVERIFY(QString::fromStdString(ui_->messages.back()).contains("Company, EIN"));
            QVERIFY(!std::filesystem::exists(dir_ / "Company.sav"));

            retype(in<QLineEdit>(d, "txtEin"), "12-3456789");
            retype(in<QLineEdit>(d, "txtStateId"), "NY-0042");
            auto* schedule = in<QComboBox>(d, "cboDepositSchedule");
            schedule->setCurrentIndex(schedule->findText("Semiweekly"));
            emit schedule->activated(schedule->currentIndex());
            in<QPushButton>(d, "cmdSave")->click();
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(contents(dir_ / "Company.sav"),
                 std::string("1\r\n\"Acme Tools\",\"Acme\",\"12 Main St.\",\"Albany, NY 12207\","
                             "\"123456789\",\"NY-0042\",\"semiweekly\"\r\n"));
        QVERIFY(contents(dir_ / "Header.sav").find("ID Number") != std::string::npos);

        // Cancel leaves the file as it is.
        workModal("mnuCompany", [&](QWidget* d) {
            QCOMPARE(in<QLineEdit>(d, "txtEin")->text(), QStringLiteral("12-3456789"));
            retype(in<QLineEdit>(d, "txtLegalName"), "Other");
            in<QPushButton>(d, "cmdCancel")->click();
        });
        QVERIFY(contents(dir_ / "Company.sav").find("Other") == std::string::npos);
    }

    void userInfoW2GroupIsSavedWithTheProfile() {
        startWindow();
        QVERIFY(folder_->openNew("Emp"));
        workModal("mnuTaxInfoItem", [&](QWidget* d) {
            QVERIFY(in<QWidget>(d, "fraW2"));
            retype(in<QLineEdit>(d, "txtW2First"), "Mary");
            retype(in<QLineEdit>(d, "txtW2Middle"), "J");
            retype(in<QLineEdit>(d, "txtW2Last"), "Smith");
            retype(in<QLineEdit>(d, "txtW2Suffix"), "Jr.");
            retype(in<QLineEdit>(d, "txtW2State"), "oh");
            retype(in<QLineEdit>(d, "txtW2Locality"), "Columbus");
            in<QCheckBox>(d, "ckW2Retirement")->click();
            in<QCheckBox>(d, "ckW2ThirdPartySick")->click();
            QVERIFY(in<QCheckBox>(d, "ckW2Retirement")->isChecked());
            in<QPushButton>(d, "cmdOk")->click();
            QVERIFY(!d->isVisible());
        });
        QVERIFY2(ui_->messages.empty(), ui_->messages.empty() ? "" : ui_->messages[0].c_str());
        QCOMPARE(contents(dir_ / "Emp.w2i"),
                 std::string("\"Mary\",\"J\",\"Smith\",\"Jr.\",0,1,1\r\n\"OH\",\"Columbus\"\r\n"));

        workModal("mnuTaxInfoItem", [&](QWidget* d) {
            QCOMPARE(in<QLineEdit>(d, "txtW2Last")->text(), QStringLiteral("Smith"));
            QCOMPARE(in<QLineEdit>(d, "txtW2State")->text(), QStringLiteral("OH"));
            // A state that is not two letters is refused, naming the box.
            retype(in<QLineEdit>(d, "txtW2State"), "Ohio");
            in<QPushButton>(d, "cmdOk")->click();
            QVERIFY(d->isVisible());
            QVERIFY(!ui_->messages.empty());
            QVERIFY2(ui_->messages.back().find("User Info, Form W-2, State") != std::string::npos,
                     ui_->messages.back().c_str());
            retype(in<QLineEdit>(d, "txtW2State"), "OH");
            in<QPushButton>(d, "cmdOk")->click();
            QVERIFY(!d->isVisible());
            QVERIFY(in<QCheckBox>(d, "ckW2ThirdPartySick")->isChecked());
            QVERIFY(!in<QCheckBox>(d, "ckW2Statutory")->isChecked());
        });
    }
};

QTEST_MAIN(FactsTest)
#include "facts_test.moc"
