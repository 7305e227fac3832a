// A 2026 pay run set up through the desktop program's windows alone: User Info's "Tax year"
// and Form W-4, the week picker, the hours typed and ADD.
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "city/city.h"
#include "gui_fixture.h"
#include "state/state_file.h"

using namespace corvella;
namespace fs = std::filesystem;

namespace {

// Runs `f` on the modal dialog once it is up (the command that opened it waits in exec).
void whenModal(std::function<void(QWidget*)> f, int tries = 1000) {
    QTimer::singleShot(0, [f, tries] {
        if (QWidget* w = QApplication::activeModalWidget())
            f(w);
        else if (tries > 0)
            whenModal(f, tries - 1);
    });
}

// Chooses `text` in a list from the keyboard, as an operator does.
void choose(QComboBox* list, const QString& text) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentText() != text; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), text);
}

// "Emp" at 25.00 an hour, weekly, with neither state nor city tax.
void writeEmployee(const fs::path& dir) {
    TaxProfile p = TaxProfile::resetValues();
    p.HourRate = 25;
    test::writeEmployeeFiles(dir, "Emp", p);
    CityTable city;
    city.CityMinBS.fill(999999);
    city.CityMinBM.fill(999999);
    city.NoLocalTaxFlag = 1;
    writeFileAtomic(dir / "Emp.cti", writeCityFile(city));
    StateSettings state;
    state.StateMinBS.fill(999999);
    state.StateMinBM.fill(999999);
    state.NoStateTaxFlag = 1;
    const StateProfileFields fields{p.StateExemp, p.StateStatus, p.FedAddl, p.FedExempFlag,
                                    p.SSMediExempFlag};
    writeFileAtomic(dir / "Emp.sta", writeStateFile(state, fields));
}

}  // namespace

class TaxYearTest : public QObject, public test::GuiTestBase {
    Q_OBJECT

  private:
    template <class T = QWidget>
    T* child(QWidget* in, const QString& name) {
        T* w = in->findChild<T*>(name);
        if (!w) qFatal("no child %s", qPrintable(name));
        return w;
    }

  private slots:
    void init() {
        startFolder();
        fs::copy_file(fs::path(CORVELLA_SOURCE_DIR) / "data" / "Federal2026.txt",
                      dir_ / "Federal2026.txt");
        writeEmployee(dir_);
        showWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        ui_->openAnswers.push_back(dir_ / "Emp.use");
        child<QAction>(window_.get(), "mnuOpen")->trigger();
    }

    void cleanup() { stop(); }

    void weekOf2026ByTheWeekEndingDate() {
        bool saved = false;
        whenModal([&](QWidget* info) {
            QCOMPARE(info->windowTitle(), QStringLiteral("User Info"));
            choose(child<QComboBox>(info, "cboTaxYear"), "By the week-ending date");
            choose(child<QComboBox>(info, "cboW4Version"), "2020 or later");
            auto* status = child<QComboBox>(info, "cboW4Status");
            QVERIFY(status->isEnabled());
            choose(status, "Single or Married filing separately");
            child<QPushButton>(info, "cmdOk")->click();
            saved = !info->isVisible();
            if (info->isVisible()) info->close();  // never leave the test waiting
        });
        child<QAction>(window_.get(), "mnuTaxInfoItem")->trigger();
        QVERIFY(saved);
        QVERIFY2(ui_->messages.empty(), ui_->messages.empty() ? "" : ui_->messages[0].c_str());

        // The picker reaches 2026 now that the folder goes by the date.
        auto* week = child<QLineEdit>(window_.get(), "txtWeek");
        bool picked = false;
        whenModal([&](QWidget* picker) {
            child<QCalendarWidget>(picker, "DTPicker1")->setSelectedDate(QDate(2026, 1, 9));
            child<QPushButton>(picker, "Command1")->click();
            picked = true;
        });
        QTest::mouseClick(week, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(picked);
        QCOMPARE(week->text(), QStringLiteral("1/9/2026"));

        // Weekly 1,000.00, Single, nothing else entered: the published 78.08.
        auto* hours = child<QLineEdit>(window_.get(), "txtAmount(0)");
        hours->setFocus();
        hours->selectAll();
        QTest::keyClicks(hours, QStringLiteral("40"));
        QTest::mouseClick(child<QToolButton>(window_.get(), "cmdCal"), Qt::LeftButton);
        QVERIFY2(ui_->messages.empty(), ui_->messages.empty() ? "" : ui_->messages[0].c_str());
        QCOMPARE(child<QLabel>(window_.get(), "Label13")->text(), QStringLiteral("$1,000.00"));
        QCOMPARE(child<QLabel>(window_.get(), "lbTaxDed(0)")->text(), QStringLiteral("78.08"));
        QCOMPARE(child<QLabel>(window_.get(), "lbTaxYear")->text(),
                 QStringLiteral("Tax year 2026 (by week ending)"));
    }
};

QTEST_MAIN(TaxYearTest)
#include "tax_year_test.moc"
