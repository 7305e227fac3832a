// The overtime calculator, the leave screen, the date pickers and saved pay periods,
// opened from the main window and driven through their real widgets.
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "gui_fixture.h"

using namespace corvella;
namespace fs = std::filesystem;

namespace {

// "Emp" at 15.00 an hour, paid weekly or every two weeks.
void writeEmployee(const fs::path& dir, bool weekly) {
    TaxProfile p = weekly ? TaxProfile::resetValues() : test::biWeeklyProfile();
    p.HourRate = 15;
    test::writeEmployeeFiles(dir, "Emp", p);
}

// Focus selects a box's whole text once the focus event is done.
void focus(QLineEdit* e) {
    e->setFocus();
    QCoreApplication::processEvents();
}

// Runs `f` on the modal dialog once it is up (the command that opened it waits in exec).
void whenModal(std::function<void(QWidget*)> f, int tries = 1000) {
    QTimer::singleShot(0, [f, tries] {
        if (QWidget* w = QApplication::activeModalWidget())
            f(w);
        else if (tries > 0)
            whenModal(f, tries - 1);
    });
}

}  // namespace

class ToolsTest : public QObject, public test::GuiTestBase {
    Q_OBJECT

  private:
    template <class T = QWidget>
    T* child(QWidget* in, const QString& name) {
        T* w = in->findChild<T*>(name);
        if (!w) qFatal("no child %s", qPrintable(name));
        return w;
    }
    // "Emp" written, the main window shown over it and "Emp" opened through File > Open.
    void openWindow(bool weekly = true) {
        writeEmployee(dir_, weekly);
        showWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        ui_->openAnswers.push_back(dir_ / "Emp.use");
        child<QAction>(window_.get(), "mnuOpen")->trigger();
    }
    // A window opened by a button of the main window, shown and active.
    QDialog* openBy(const char* button, const char* name) {
        QTest::mouseClick(child(window_.get(), button), Qt::LeftButton);
        auto* d = child<QDialog>(window_.get(), name);
        d->activateWindow();
        if (!QTest::qWaitForWindowActive(d)) qFatal("%s is not active", name);
        QCoreApplication::processEvents();  // the calculator's TOTAL on showing
        return d;
    }

  private slots:
    void init() { startFolder(); }
    void cleanup() { stop(); }

    void calculatorTotalsWhenShownAndOnItsButton() {
        openWindow();
        QDialog* w = openBy("cmdOT", "Form2");
        QCOMPARE(w->windowTitle(), QStringLiteral("OverTime Percentage"));
        QVERIFY(fs::exists(dir_ / "Emp.ovw"));  // TOTAL saved on showing
        QCOMPARE(child<QLabel>(w, "lbEarned")->text(), QStringLiteral("$.00"));
        QCOMPARE(child<QLineEdit>(w, "txtAnnual")->text(), QStringLiteral("11440"));
        auto* percent = child<QLineEdit>(w, "txtApPercent");
        focus(percent);
        QTest::keyClicks(percent, "10");
        auto* amount = child<QLineEdit>(w, "txtOT(0)");
        focus(amount);
        QTest::keyClicks(amount, "5x00");  // the key filter drops the letter
        QCOMPARE(amount->text(), QStringLiteral("500"));
        QTest::mouseClick(child(w, "cmdADD"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(w, "lbEarned")->text(), QStringLiteral("$500.00"));
        QCOMPARE(child<QLabel>(w, "lbMax")->text(), QStringLiteral("$1,144.00"));
        QCOMPARE(child<QLineEdit>(w, "txtPercent")->text(), QStringLiteral("4.37%"));
        QVERIFY(ui_->messages.empty());

        QTest::mouseClick(child(w, "cmdAdvance"), Qt::LeftButton);
        QCOMPARE(amount->text(), QStringLiteral("0"));
        QTest::mouseClick(child(w, "cmdUndo"), Qt::LeftButton);
        QCOMPARE(amount->text(), QStringLiteral("500"));
        QPointer<QDialog> gone(w);
        QTest::mouseClick(child(w, "cmdClose"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!gone || !gone->isVisible());
        QVERIFY(!s_->overtimeWindow());
    }

    void calculatorKeys_data() {
        QTest::addColumn<bool>("weekly");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        auto row = [](const char* name, bool weekly, const char* from, Qt::Key key,
                      const char* to) {
            QTest::newRow(name) << weekly << QString(from) << int(key) << QString(to);
        };
        row("enter", true, "Text1(3)", Qt::Key_Return, "Text1(4)");
        row("enter wraps from 53", true, "txtOT(52)", Qt::Key_Enter, "txtOT(0)");
        row("enter wraps from 26 bi-weekly", false, "Text1(25)", Qt::Key_Return, "Text1(0)");
        row("down", true, "txtOT(25)", Qt::Key_Down, "txtOT(26)");
        row("down stays on 26 bi-weekly", false, "txtOT(25)", Qt::Key_Down, "txtOT(25)");
        row("up stays on 1", true, "Text1(0)", Qt::Key_Up, "Text1(0)");
        row("up", false, "txtOT(9)", Qt::Key_Up, "txtOT(8)");
        row("right", true, "Text1(7)", Qt::Key_Right, "txtOT(7)");
        row("left", false, "txtOT(7)", Qt::Key_Left, "Text1(7)");
        row("not right from 53", true, "Text1(52)", Qt::Key_Right, "Text1(52)");
    }
    void calculatorKeys() {
        QFETCH(bool, weekly);
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        openWindow(weekly);
        QDialog* w = openBy("cmdOT", "Form2");
        QCOMPARE(child(w, "Text1(26)")->isVisible(), weekly);  // the right panel
        auto* box = child<QLineEdit>(w, from);
        box->setFocus();
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key(key));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
        // Entering a box selects its whole text.
        if (to != from)
            QCOMPARE(child<QLineEdit>(w, to)->selectedText(), child<QLineEdit>(w, to)->text());
    }

    void weekPickerKeepsToTheCalendarsRange() {
        openWindow();
        auto* week = child<QLineEdit>(window_.get(), "txtWeek");
        QCOMPARE(week->text(), QStringLiteral("1/9/2015"));
        bool checked = false;
        whenModal([&](QWidget* picker) {
            QCOMPARE(picker->objectName(), QStringLiteral("frmDateMain"));
            auto* cal = child<QCalendarWidget>(picker, "DTPicker1");
            QCOMPARE(cal->minimumDate(), QDate(2014, 12, 1));
            QCOMPARE(cal->maximumDate(), QDate(2016, 1, 31));
            QCOMPARE(cal->selectedDate(), QDate(2015, 1, 9));
            cal->setSelectedDate(QDate(2015, 3, 6));
            QCOMPARE(week->text(), QStringLiteral("3/6/2015"));  // at once, before Ok
            cal->setSelectedDate(QDate(2016, 6, 1));             // outside: not taken
            QVERIFY(cal->selectedDate() <= QDate(2016, 1, 31));
            cal->setSelectedDate(QDate(2015, 3, 13));
            auto* ok = child<QPushButton>(picker, "Command1");
            QCOMPARE(ok->text(), QStringLiteral("Ok"));
            ok->click();
            checked = true;
        });
        QTest::mouseClick(week, Qt::LeftButton);
        QCoreApplication::processEvents();  // the picker opens, is answered and closes
        QVERIFY(checked);
        QCOMPARE(week->text(), QStringLiteral("3/13/2015"));

        // A field that is not a date: today's date, and the calendar within its range.
        s_->main.setWeek("abc");
        window_->refreshFromModel();
        ui_->date = Date{2026, 12, 10};
        checked = false;
        whenModal([&](QWidget* picker) {
            QCOMPARE(child<QCalendarWidget>(picker, "DTPicker1")->selectedDate(),
                     QDate(2015, 1, 1));
            QCOMPARE(week->text(), QStringLiteral("12/10/2026"));
            picker->close();  // the close box keeps what was written
            checked = true;
        });
        QTest::mouseClick(week, Qt::LeftButton);
        QCoreApplication::processEvents();  // the picker opens, is answered and closes
        QVERIFY(checked);
        QCOMPARE(week->text(), QStringLiteral("12/10/2026"));
    }

    void cellPickerWritesTheDateCell() {
        openWindow();
        QDialog* w = openBy("cmdOT", "Form2");
        bool checked = false;
        whenModal([&](QWidget* picker) {
            QCOMPARE(picker->objectName(), QStringLiteral("frmDate"));
            child<QCalendarWidget>(picker, "DTPicker1")->setSelectedDate(QDate(2015, 2, 20));
            auto* ok = child<QPushButton>(picker, "Command1");
            QCOMPARE(ok->text(), QStringLiteral("&OK"));
            ok->click();
            checked = true;
        });
        QTest::mouseClick(child(w, "Text1(4)"), Qt::LeftButton);
        QCoreApplication::processEvents();  // the picker opens, is answered and closes
        QVERIFY(checked);
        QCOMPARE(child<QLineEdit>(w, "Text1(4)")->text(), QStringLiteral("2/20/2015"));
        QCOMPARE(s_->overtimeWindow()->Text1[4].text, "2/20/2015");
    }

    void leaveBalancesFollowTheTypingAndSave() {
        openWindow();
        QDialog* w = openBy("Command1", "DialogVac");
        QCOMPARE(w->windowTitle(), QStringLiteral("Vacation / Holiday / Sick"));
        auto type = [&](const char* name, const char* keys) {
            auto* e = child<QLineEdit>(w, name);
            focus(e);
            QCOMPARE(e->selectedText(), e->text());
            QTest::keyClicks(e, keys);
        };
        type("txtVacBal", "10");
        type("txtVcnt(0)", ".1");
        type("txtVcnt(1)", ".2");
        QCOMPARE(child<QLabel>(w, "lbVacBal")->text(), QStringLiteral("9.69999998807907"));
        type("txtVdate(0)", "May 5-7");
        QPointer<QDialog> gone(w);
        QTest::mouseClick(child(w, "OKButton"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!gone || !gone->isVisible());
        const std::string hol = readFileBytes(dir_ / "Emp.hol").value_or("");
        QCOMPARE(QString::fromStdString(hol.substr(0, hol.find('\r'))),
                 QStringLiteral("9.7,10,0,0,0,0"));
    }

    // Esc or the close box with a box changed asks first: Cancel keeps the window as
    // typed, Save saves as the window's own save does.
    void escAsksBeforeDroppingTypedChanges_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("saved");  // the line that holds the box
        QTest::newRow("leave") << "Command1"
                               << "DialogVac"
                               << "txtVacBal"
                               << "Emp.hol"
                               << "12,12,0,0,0,0";
        QTest::newRow("calculator") << "cmdOT"
                                    << "Form2"
                                    << "txtOT(0)"
                                    << "Emp.ovw"
                                    << "12";
    }

    void escAsksBeforeDroppingTypedChanges() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, file);
        QFETCH(QString, saved);
        openWindow();
        QDialog* w = openBy(qPrintable(button), qPrintable(window));
        auto* e = child<QLineEdit>(w, box);
        focus(e);
        QTest::keyClicks(e, "12");
        ui_->questions.clear();
        ui_->answers = {Answer::Cancel};
        QTest::keyClick(e, Qt::Key_Escape);
        QCOMPARE(ui_->questions.size(), size_t(1));
        QVERIFY(w->isVisible());
        QCOMPARE(e->text(), QStringLiteral("12"));

        ui_->answers = {Answer::Yes};
        QPointer<QDialog> gone(w);
        w->close();  // the close box
        QCoreApplication::processEvents();
        QVERIFY(!gone || !gone->isVisible());
        const QString bytes =
            QString::fromStdString(readFileBytes(dir_ / file.toStdString()).value_or(""));
        QVERIFY2(bytes.split(QStringLiteral("\r\n")).contains(saved), qPrintable(bytes));
    }

    void leaveHelpOpensAtTheLeavePage() {
        openWindow();
        QDialog* w = openBy("Command1", "DialogVac");
        child<QAction>(w, "mnuHelp")->trigger();
        auto* browser = w->findChild<QTextBrowser*>("helpBrowser");
        QVERIFY(browser);
        QCOMPARE(browser->source().fragment(), QStringLiteral("leave"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Vacation / Holiday / Sick")));
    }

    void aPayPeriodSavedAndGotBack() {
        openWindow();
        auto* box0 = child<QLineEdit>(window_.get(), "txtAmount(0)");
        focus(box0);
        QTest::keyClicks(box0, "40");
        QTest::mouseClick(child(window_.get(), "cmdCal"), Qt::LeftButton);
        QTest::mouseClick(child(window_.get(), "cmdSavePrev"), Qt::LeftButton);
        QVERIFY(fs::exists(dir_ / "1_9_2015  Emp.prv"));
        child<QAction>(window_.get(), "mnuClearIitem")->trigger();
        QCOMPARE(box0->text(), QString());
        ui_->openAnswers.push_back(dir_ / "1_9_2015  Emp.prv");
        QTest::mouseClick(child(window_.get(), "cmdPeriod"), Qt::LeftButton);
        QCOMPARE(box0->text(), QStringLiteral("40"));
        QCOMPARE(child<QLabel>(window_.get(), "Label13")->text(), QStringLiteral("600.00"));
        QCOMPARE(child<QLineEdit>(window_.get(), "txtWeek")->text(), QStringLiteral("1/9/2015  "));
        QVERIFY2(ui_->messages.empty(), ui_->messages.empty() ? "" : ui_->messages[0].c_str());
    }
};

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
