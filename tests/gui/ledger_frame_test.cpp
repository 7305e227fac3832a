// The frame "Year To Date" driven through its real widgets over a session whose
// questions are answered from a script.
#include "gui/ledger_frame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "common/fileio.h"
#include "common/ports.h"
#include "employee/employee_files.h"
#include "gui/qt_ui.h"
#include "gui_fixture.h"
#include "shell/session.h"

using namespace corvella;

namespace {

std::string readFile(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

template <class T>
T* child(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    if (!c) qFatal("no widget named %s", qPrintable(name));
    return c;
}

QString cell(QWidget* w, const QString& name) {
    return child<QLineEdit>(w, name)->text();
}

void clickWeek(QWidget* w, int week, Qt::MouseButton button) {
    QTest::mouseClick(child<QLabel>(w, QStringLiteral("lbWeek(%1)").arg(week)), button);
}

}  // namespace

class LedgerFrameTest : public QObject, public test::GuiTestBase {
    Q_OBJECT

  private:
    void payForty() {
        s_->main.setWeek("01/09/2015");
        s_->main.txtAmount[0].focusAndType("40");
        QCOMPARE(s_->Calcu_late(), RunOutcome::Done);
    }

    // Week 1 paid, posted and saved; the ledger file's bytes.
    std::string postAndSaveWeekOne() {
        payForty();
        auto f = openFrame();
        clickWeek(f.get(), 1, Qt::LeftButton);
        ui_->answers.push_back(Answer::Yes);
        QTest::mouseClick(child<QPushButton>(f.get(), "cmdClose"), Qt::LeftButton);
        return readFile(dir_ / "Emp.yrw");
    }

    std::unique_ptr<LedgerFrame> openFrame() {
        auto f = std::make_unique<LedgerFrame>(*s_);
        f->show();
        return f;
    }

  private slots:
    void init() { start(); }

    void cleanup() { stop(); }

    void leftClickPostsAndRightClickDeletes() {
        payForty();
        auto f = openFrame();
        clickWeek(f.get(), 1, Qt::LeftButton);
        QCOMPARE(cell(f.get(), "txtDate(1)"), QString("01/09/2015"));
        QCOMPARE(cell(f.get(), "Gross(1)"), QString("300.00"));
        QCOMPARE(cell(f.get(), "totGross"), QString("300.00"));
        QVERIFY(child<QLineEdit>(f.get(), "Fed(1)")->isReadOnly());
        clickWeek(f.get(), 1, Qt::RightButton);
        QCOMPARE(cell(f.get(), "txtDate(1)"), QString());
        QCOMPARE(cell(f.get(), "Gross(1)"), QString("0"));
        QCOMPARE(cell(f.get(), "totGross"), QString(".00"));
    }

    void closeWithYesSavesAndWithNoLeavesTheFile() {
        payForty();
        auto f = openFrame();
        clickWeek(f.get(), 1, Qt::LeftButton);
        ui_->answers.push_back(Answer::Yes);
        QTest::mouseClick(child<QPushButton>(f.get(), "cmdClose"), Qt::LeftButton);
        QVERIFY(!f->isVisible());
        const std::string saved = readFile(dir_ / "Emp.yrw");
        QVERIFY(saved.rfind("\"01/09/2015\",", 0) == 0);

        auto again = openFrame();
        QCOMPARE(cell(again.get(), "Gross(1)"), QString("300.00"));
        clickWeek(again.get(), 2, Qt::LeftButton);
        ui_->answers.push_back(Answer::No);
        QTest::mouseClick(child<QPushButton>(again.get(), "cmdClose"), Qt::LeftButton);
        QVERIFY(!again->isVisible());
        QCOMPARE(readFile(dir_ / "Emp.yrw"), saved);
    }

    void theCloseBoxWaitsForTheLedgersOwnClose() {
        auto f = openFrame();  // no pay run, no Close yet in this session
        ui_->messages.clear();
        f->close();
        QVERIFY(f->isVisible());
        QCOMPARE(ui_->messages, std::vector<std::string>{"USE CLOSE INSTEAD"});
        ui_->answers.push_back(Answer::No);
        QTest::mouseClick(child<QPushButton>(f.get(), "cmdClose"), Qt::LeftButton);
        auto next = openFrame();
        next->close();
        QVERIFY(!next->isVisible());
    }

    // After a pay run Esc may close the frame, but asks before weeks posted in it go.
    void escAfterAPayRunAsksBeforePostedWeeksGo() {
        payForty();
        auto f = openFrame();
        clickWeek(f.get(), 1, Qt::LeftButton);
        ui_->questions.clear();
        ui_->answers = {Answer::Cancel};
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QCOMPARE(ui_->questions.size(), size_t(1));
        QVERIFY(f->isVisible());
        QCOMPARE(cell(f.get(), "Gross(1)"), QString("300.00"));
        ui_->answers = {Answer::Yes};
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        QVERIFY(readFile(dir_ / "Emp.yrw").rfind("\"01/09/2015\",", 0) == 0);
    }

    void netAndGrossTakeOnlyFigures() {
        auto f = openFrame();
        auto* net = child<QLineEdit>(f.get(), "Net(1)");
        net->selectAll();
        QTest::keyClicks(net, "1a2 -.5");
        QCOMPARE(net->text(), QString("12 -.5"));
        auto* tips = child<QLineEdit>(f.get(), "Tips(1)");
        tips->selectAll();
        QTest::keyClicks(tips, "3x");
        QCOMPARE(tips->text(), QString("3x"));
        child<QLineEdit>(f.get(), "Gross(1)")->selectAll();
        QTest::keyClicks(child<QLineEdit>(f.get(), "Gross(1)"), "12.50");
        QVERIFY(QMetaObject::invokeMethod(f->findChild<QAction*>("mnuAdd"), "trigger"));
        QCOMPARE(cell(f.get(), "totGross"), QString("12.50"));
        QCOMPARE(cell(f.get(), "totTips"), QString("3.00"));
    }

    void reopeningTheLedgerReplacesAnOpenFrame() {
        auto f = openFrame();
        s_->openLedger();  // as the Year to Date button does; the new copy may take the
                           // old one's address, and the old frame must not take it for its own
        QTRY_VERIFY(!f->isVisible());
        QVERIFY(s_->ledgerWindow() != nullptr);
    }

    // Clear All asks Keep, Clear or Cancel: Cancel leaves the rows, Clear empties them and
    // writes nothing, Keep keeps the file as the year typed and shows the ledger empty.
    void clearAllAsksWhetherToKeepTheYearFirst() {
        const std::string saved = postAndSaveWeekOne();
        auto f = openFrame();
        QAction* clearAll = child<QAction>(f.get(), "mnuClearAll");

        ui_->answers = {Answer::Cancel};
        clearAll->trigger();
        QCOMPARE(cell(f.get(), "Gross(1)"), QString("300.00"));
        QVERIFY(ui_->questions.back().rfind("Keep the ledger of Emp as a year", 0) == 0);

        ui_->answers = {Answer::No};
        clearAll->trigger();
        QCOMPARE(cell(f.get(), "Gross(1)"), QString("0"));
        QCOMPARE(cell(f.get(), "totGross"), QString(".00"));
        QCOMPARE(readFile(dir_ / "Emp.yrw"), saved);

        ui_->answers = {Answer::No};  // "Do you want to save YTD": the cleared rows go
        QTest::mouseClick(child<QPushButton>(f.get(), "cmdClose"), Qt::LeftButton);
        f = openFrame();
        ui_->answers = {Answer::Yes};
        ui_->inputAnswers = {std::string("2015")};
        child<QAction>(f.get(), "mnuClearAll")->trigger();
        QCOMPARE(ui_->inputDefaults.back(), std::string("2015"));  // the row's year
        QVERIFY(f->isVisible());
        QCOMPARE(cell(f.get(), "txtDate(1)"), QString());
        QCOMPARE(cell(f.get(), "totGross"), QString(".00"));
        QCOMPARE(readFile(dir_ / "Emp.yrw.2015"), saved);
    }

    // "Start a New Year" under Clear: every employee's ledger kept as the year, after a
    // question that counts them; the frame stays, showing the empty ledger.
    void startANewYearKeepsEveryEmployeesLedger() {
        const std::string saved = postAndSaveWeekOne();
        test::writeEmployeeFiles(dir_, "Other");
        writeFileAtomic(dir_ / "Other.yrw", saved);
        auto f = openFrame();
        QAction* newYear = child<QAction>(f.get(), "mnuNewYear");
        QCOMPARE(newYear->text(), QString::fromUtf8("Start a &New Year…"));
        QCOMPARE(newYear->parent()->objectName(), QString("mnuClear"));

        ui_->inputAnswers = {std::string("2015")};
        ui_->yesNoAnswers = {false};
        newYear->trigger();
        QVERIFY(ui_->questions.back().find("the ledgers of 2 employees as the year 2015") !=
                std::string::npos);
        QVERIFY(!std::filesystem::exists(dir_ / "Emp.yrw.2015"));
        QCOMPARE(cell(f.get(), "Gross(1)"), QString("300.00"));

        ui_->inputAnswers = {std::string("2015")};
        ui_->yesNoAnswers = {true};
        newYear->trigger();
        QCOMPARE(readFile(dir_ / "Emp.yrw.2015"), saved);
        QCOMPARE(readFile(dir_ / "Other.yrw.2015"), saved);
        QVERIFY(f->isVisible());
        QCOMPARE(cell(f.get(), "txtDate(1)"), QString());
        QCOMPARE(cell(f.get(), "totGross"), QString(".00"));
    }

    // The desktop's own box for the question: its three captions, Esc for Cancel.
    void theDesktopsThreeWayQuestion() {
        QtUi qtUi;
        QStringList captions;
        auto answer = [&](const char* button) {
            QTimer::singleShot(0, this, [&, button] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                captions.clear();
                for (QAbstractButton* b : box->buttons()) captions << b->text();
                if (button)
                    child<QPushButton>(box, button)->click();
                else
                    QTest::keyClick(box, Qt::Key_Escape);
            });
        };
        const ThreeButtons buttons{"&Keep", "&Clear", "Cancel"};
        answer("cmdYes");
        QCOMPARE(qtUi.askThreeWay("Keep the year?", "Clear All", buttons), Answer::Yes);
        captions.sort();
        QCOMPARE(captions, QStringList({"&Clear", "&Keep", "Cancel"}));
        answer("cmdNo");
        QCOMPARE(qtUi.askThreeWay("Keep the year?", "Clear All", buttons), Answer::No);
        answer(nullptr);
        QCOMPARE(qtUi.askThreeWay("Keep the year?", "Clear All", buttons), Answer::Cancel);
    }

    void openingAnotherEmployeeClosesTheFrame() {
        auto f = openFrame();
        openEmployee("Other");
        QTRY_VERIFY(!f->isVisible());
    }
};

QTEST_MAIN(LedgerFrameTest)
#include "ledger_frame_test.moc"
