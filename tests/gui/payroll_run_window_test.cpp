// The window "Payroll Run" opened from Forms and driven through its real widgets under
// the offscreen platform: hours typed into its cells, Post All, Print All to a PDF, and
// the hours file.
#include "gui/payroll_run_window.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <map>

#include "common/exact_decimal.h"
#include "engine/main_window.h"
#include "gui/date_picker.h"
#include "gui/qt_ui.h"
#include "gui_fixture.h"

namespace fs = std::filesystem;
using namespace corvella;
using corvella::gui::PayrollRunWindow;
using corvella::test::Holds;

namespace {

int pdfPages(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    p.waitForFinished();
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The folder's files with their bytes.
std::map<std::string, std::string> folderFiles(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& f : fs::directory_iterator(dir))
        if (f.is_regular_file())
            files[f.path().filename().string()] = readFileBytes(f.path()).value_or("");
    return files;
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

class PayrollRunWindowTest : public QObject, public test::GuiTestBase {
    Q_OBJECT

  private:
    // The sample employee and its copies "Ann" and "Carl" (and "Dora", whose files cannot
    // be read, when asked), under the main window.
    void start(bool withDora = false, std::unique_ptr<Ui> desktopUi = nullptr) {
        startFolder(Holds::DataFolder, std::move(desktopUi));
        for (const char* name : {"Ann", "Carl"})
            for (const char* ext : {".use", ".and", ".cfe", ".sta"})
                fs::copy_file(dir_ / (std::string("Sample") + ext),
                              dir_ / (name + std::string(ext)));
        if (withDora) writeFileAtomic(dir_ / "Dora.use", "\"Single\",not a number");
        showWindow();
    }

    PayrollRunWindow* openRun() {
        window_->findChild<QAction*>(QStringLiteral("mnuPayrollRun"))->trigger();
        PayrollRunWindow* found = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* w = qobject_cast<PayrollRunWindow*>(top); w && w->isVisible()) found = w;
        if (!found) qFatal("the payroll run window did not open");
        return found;
    }

    template <class T>
    static T* child(QWidget* w, const char* name) {
        T* c = w->findChild<T*>(QLatin1String(name));
        if (!c) qFatal("no widget named %s", name);
        return c;
    }

    static QTableWidget* table(QWidget* w) { return child<QTableWidget>(w, "tblRun"); }

    static int rowOf(QWidget* w, const QString& name) {
        QTableWidget* t = table(w);
        for (int r = 0; r < t->rowCount(); ++r)
            if (t->item(r, PayrollRunWindow::colName)->text() == name) return r;
        qFatal("no row for %s", qPrintable(name));
    }

    static QString cell(QWidget* w, const QString& name, int column) {
        return table(w)->item(rowOf(w, name), column)->text();
    }

    // Keys typed into a cell as the operator does: the first opens its editor, the rest
    // go to the editor. Left open, or kept with `then` (Tab, Return).
    static QLineEdit* typeInto(QWidget* w, const QString& name, int column, const QString& keys,
                               Qt::Key then = Qt::Key_unknown) {
        QTableWidget* t = table(w);
        t->setFocus();
        t->setCurrentCell(rowOf(w, name), column);
        QTest::keyClick(t, keys.at(0).toLatin1());
        auto* editor = qobject_cast<QLineEdit*>(t->indexWidget(t->currentIndex()));
        if (!editor) qFatal("typing opened no editor");
        QTest::keyClicks(editor, keys.mid(1));
        if (then != Qt::Key_unknown) QTest::keyClick(editor, then);
        return editor;
    }

    // Esc in the editor that Tab opened on the next cell.
    static void escapeEditor(QWidget* w) {
        QTableWidget* t = table(w);
        if (QWidget* editor = t->indexWidget(t->currentIndex()))
            QTest::keyClick(editor, Qt::Key_Escape);
    }

    // The week-1 ledger row of `name` as a fresh session reads it from the files.
    LedgerRow postedRow(const std::string& name) {
        ScriptedUi other;
        Session by(other, dir_);
        by.Form_Load();
        if (!by.openListed(name)) qFatal("could not open %s", name.c_str());
        return by.ledger.rows[0];
    }

    // Answers the next message box with OK, keeping its text.
    void answerNextMessage(QString& text) {
        QTimer::singleShot(0, this, [&text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }

  private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window_.get()) w->close();
        stop();
    }

    void opensFromFormsWithTheListsFilterAndFitsTheScreen() {
        start();
        child<QLineEdit>(window_.get(), "txtEmployeeFilter")->setText(QStringLiteral("an"));
        PayrollRunWindow* w = openRun();
        QVERIFY(w->frameGeometry().width() <= 1024 && w->frameGeometry().height() <= 768);
        QVERIFY(w->minimumSizeHint().width() <= 1000 && w->minimumSizeHint().height() <= 700);
        QTableWidget* t = table(w);
        QStringList shown;
        for (int r = 0; r < t->rowCount(); ++r)
            if (!t->isRowHidden(r)) shown << t->item(r, PayrollRunWindow::colName)->text();
        QCOMPARE(shown, QStringList{QStringLiteral("Ann")});
        QCOMPARE(child<QLineEdit>(w, "txtRunFilter")->text(), QStringLiteral("an"));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(t->horizontalHeaderItem(PayrollRunWindow::colBox0 + i)->toolTip(),
                     QString::fromLatin1(amountBoxCaption(i)));
        QCOMPARE(child<QLineEdit>(w, "txtRunWeekEnding")->text(), QStringLiteral("1/9/2015"));

        // Every control can be found by name and is named for a screen reader.
        auto partOfAControl = [w](QWidget* c) {
            for (QWidget* p = c->parentWidget(); p && p != w; p = p->parentWidget())
                if (qobject_cast<QAbstractScrollArea*>(p) || qobject_cast<QAbstractSpinBox*>(p) ||
                    qobject_cast<QLineEdit*>(p))
                    return true;
            return false;
        };
        for (QWidget* c : w->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(c) || qobject_cast<QSpinBox*>(c) ||
                                 qobject_cast<QTableWidget*>(c) || qobject_cast<QLineEdit*>(c);
            if (!control || partOfAControl(c)) continue;
            QVERIFY2(!c->objectName().isEmpty(), c->metaObject()->className());
            QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        }
        // Opened again, the window open is brought up rather than a second one made.
        QCOMPARE(openRun(), w);
    }

    void figuresAndTotalsFollowTheTyping() {
        start();
        PayrollRunWindow* w = openRun();
        const int box0 = PayrollRunWindow::colBox0;
        typeInto(w, "Ann", box0, QStringLiteral("4a0"), Qt::Key_Tab);  // the 'a' is refused
        QCOMPARE(cell(w, "Ann", box0), QStringLiteral("40"));
        QCOMPARE(cell(w, "Ann", PayrollRunWindow::colNet), QStringLiteral("$454.33"));
        // Tab went on to the next box, ready for typing.
        QCOMPARE(table(w)->currentColumn(), box0 + 1);
        QVERIFY(table(w)->indexWidget(table(w)->currentIndex()));
        escapeEditor(w);

        auto totalNet = [&] { return child<QLabel>(w, "lbRunTotNet")->text(); };
        QCOMPARE(totalNet(), QStringLiteral("$454.33"));  // the others have nothing typed
        QCOMPARE(child<QLabel>(w, "lbRunTotals")->text(), QStringLiteral("Totals of 1 employee:"));
        QCOMPARE(table(w)->item(rowOf(w, "Ann"), PayrollRunWindow::colInclude)->checkState(),
                 Qt::Checked);
        QCOMPARE(cell(w, "Sample", PayrollRunWindow::colNet), QString());
        typeInto(w, "Carl", box0, QStringLiteral("40"), Qt::Key_Tab);
        escapeEditor(w);
        QCOMPARE(totalNet(), QStringLiteral("$908.66"));

        // Space on the Pay box leaves Ann out: no figures, not in the totals.
        table(w)->setCurrentCell(rowOf(w, "Ann"), PayrollRunWindow::colInclude);
        QTest::keyClick(table(w), Qt::Key_Space);
        QCOMPARE(cell(w, "Ann", PayrollRunWindow::colNet), QString());
        QCOMPARE(totalNet(), QStringLiteral("$454.33"));
        QCOMPARE(child<QLabel>(w, "lbRunTotals")->text(), QStringLiteral("Totals of 1 employee:"));
        // The arrow keys move through the cells.
        QTest::keyClick(table(w), Qt::Key_Right);
        QTest::keyClick(table(w), Qt::Key_Down);
        QCOMPARE(table(w)->currentRow(), rowOf(w, "Carl"));
        QCOMPARE(table(w)->currentColumn(), int(PayrollRunWindow::colName));
    }

    // The boxes scroll between the names and the figures, which stay in sight.
    void theBoxesScrollBetweenNamesAndFigures() {
        start();
        PayrollRunWindow* w = openRun();
        QTableWidget* t = table(w);
        auto* names = child<QTableView>(t, "tblRunNames");
        auto* figures = child<QTableView>(t, "tblRunFigures");
        t->setCurrentCell(rowOf(w, "Ann"), PayrollRunWindow::colBox0);
        for (int column = PayrollRunWindow::colBox0 + 1; column <= PayrollRunWindow::colWeek;
             ++column) {
            QTest::keyClick(t, Qt::Key_Right);
            QCOMPARE(t->currentColumn(), column);
            const QRect cell = t->visualRect(t->currentIndex());
            QVERIFY(cell.left() >= names->width());
            QVERIFY(cell.right() < figures->x() - t->frameWidth());
        }
        QVERIFY(t->horizontalScrollBar()->value() > 0);
        for (int column = PayrollRunWindow::colWeek - 1; column >= PayrollRunWindow::colBox0;
             --column) {
            QTest::keyClick(t, Qt::Key_Left);
            QVERIFY(t->visualRect(t->currentIndex()).left() >= names->width());
        }
        // An employee filtered out leaves both edges too.
        auto* filter = child<QLineEdit>(w, "txtRunFilter");
        QTest::keyClicks(filter, QStringLiteral("carl"));
        QVERIFY(t->isRowHidden(rowOf(w, "Ann")));
        QVERIFY(names->isRowHidden(rowOf(w, "Ann")) && figures->isRowHidden(rowOf(w, "Ann")));
        QVERIFY(!figures->isRowHidden(rowOf(w, "Carl")));
    }

    // Return in a cell being typed keeps the cell, then posts: the figures posted are
    // those typed to the last key.
    void returnInACellPostsWhatWasTyped() {
        start();
        PayrollRunWindow* w = openRun();
        const int box0 = PayrollRunWindow::colBox0;
        typeInto(w, "Ann", box0, QStringLiteral("40"), Qt::Key_Tab);
        escapeEditor(w);
        typeInto(w, "Carl", box0, QStringLiteral("12"), Qt::Key_Return);

        QVERIFY(!ui_->messages.empty());
        QVERIFY2(has(ui_->messages.back(), "Posted 2 employees for the week ending 1/9/2015"),
                 ui_->messages.back().c_str());
        QCOMPARE(cell(w, "Carl", box0), QStringLiteral("12"));
        for (const char* name : {"Ann", "Carl"}) {
            const LedgerRow row = postedRow(name);
            QCOMPARE(row.Date, std::string("1/9/2015"));
            const auto shown = shownCents(cell(w, name, PayrollRunWindow::colNet).toStdString());
            QVERIFY(shown);
            QCOMPARE(std::llround(row.Net * 100), *shown);
        }
        QVERIFY(postedRow("Carl").Gross > 0);
        QCOMPARE(postedRow("Sample").Date, std::string());  // nothing typed: not in the run
        QVERIFY(!child<QWidget>(w, "prgRun")->isVisible());
        QVERIFY(w->isEnabled());
    }

    void aRefusedRunWritesNothingAndNamesTheEmployee() {
        start(true);
        PayrollRunWindow* w = openRun();
        typeInto(w, "Ann", PayrollRunWindow::colBox0, QStringLiteral("40"), Qt::Key_Tab);
        escapeEditor(w);
        table(w)->setCurrentCell(rowOf(w, "Dora"), PayrollRunWindow::colInclude);
        QTest::keyClick(table(w), Qt::Key_Space);
        QVERIFY(cell(w, "Dora", PayrollRunWindow::colGross).size() > 0);  // its reason
        QCOMPARE(table(w)->columnSpan(rowOf(w, "Dora"), PayrollRunWindow::colGross), 4);
        const auto before = folderFiles(dir_);
        child<QPushButton>(w, "cmdPostAll")->click();
        QCOMPARE(folderFiles(dir_), before);
        QVERIFY(has(ui_->messages.back(), "Nothing was written"));
        QVERIFY(has(ui_->messages.back(), "\n  Dora: "));

        // With Dora left out by the option, the others are posted.
        child<QAbstractButton>(w, "chkSkipFailed")->click();
        child<QPushButton>(w, "cmdPostAll")->click();
        QVERIFY2(has(ui_->messages.back(), "Posted 1 employee"), ui_->messages.back().c_str());
        QVERIFY(has(ui_->messages.back(), "Left out, not posted (1 employee):\n  Dora: "));
    }

    // A date half typed is never posted: Return in the box applies it first.
    void aWeekEndingThatIsNoDateIsRefusedBeforeAnyPosting() {
        start();
        PayrollRunWindow* w = openRun();
        typeInto(w, "Ann", PayrollRunWindow::colBox0, QStringLiteral("40"), Qt::Key_Tab);
        escapeEditor(w);
        auto* week = child<QLineEdit>(w, "txtRunWeekEnding");
        week->setFocus();
        week->selectAll();
        QTest::keyClicks(week, QStringLiteral("1/45/2015"));
        const auto before = folderFiles(dir_);
        QTest::keyClick(week, Qt::Key_Return);
        QCOMPARE(folderFiles(dir_), before);
        QCOMPARE(ui_->messages.size(), size_t(1));
        QVERIFY(has(ui_->messages[0], "Week ending: \"1/45/2015\" is not a date"));
        QCOMPARE(week->text(), QStringLiteral("1/9/2015"));

        week->selectAll();
        QTest::keyClicks(week, QStringLiteral("01/16/2015"));
        auto* spin = child<QSpinBox>(w, "spnRunWeek");
        spin->setValue(2);
        QTest::keyClick(week, Qt::Key_Return);
        QCOMPARE(week->text(), QStringLiteral("1/16/2015"));
        QVERIFY(has(ui_->messages.back(), "Posted 1 employee for the week ending 1/16/2015"));
        ScriptedUi other;
        Session by(other, dir_);
        by.Form_Load();
        QVERIFY(by.openListed("Ann"));
        QCOMPARE(by.ledger.rows[1].Date, std::string("1/16/2015"));
        QCOMPARE(by.ledger.rows[0].Date, std::string());
    }

    void theCalendarButtonPicksTheWeekEnding() {
        start();
        PayrollRunWindow* w = openRun();
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            auto* picker = qobject_cast<DatePickerDialog*>(QApplication::activeModalWidget());
            QVERIFY(picker);
            shown = picker->calendar()->selectedDate() == QDate(2015, 1, 9);
            picker->calendar()->setSelectedDate(QDate(2015, 1, 23));
            picker->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        child<QToolButton>(w, "cmdRunWeekPicker")->click();
        QVERIFY(shown);
        QCOMPARE(child<QLineEdit>(w, "txtRunWeekEnding")->text(), QStringLiteral("1/23/2015"));
        QCOMPARE(w->model().weekEnding(), std::string("1/23/2015"));
    }

    void printAllIsOneJobOfAPagePerEmployeePosted() {
        start(false, std::make_unique<QtUi>());
        PayrollRunWindow* w = openRun();
        for (const char* name : {"Ann", "Carl"}) {
            typeInto(w, name, PayrollRunWindow::colBox0, QStringLiteral("40"), Qt::Key_Tab);
            escapeEditor(w);
        }
        QString said;
        answerNextMessage(said);
        child<QPushButton>(w, "cmdPostAll")->click();
        QVERIFY2(said.contains(QStringLiteral("Posted 2 employees")), qPrintable(said));

        for (const char* kind : {"optPrintStubs", "optPrintChecks"}) {
            const QString pdf =
                QString::fromStdString((dir_ / (std::string(kind) + ".pdf")).string());
            bool offered = false;
            QTimer::singleShot(0, this, [&] {
                auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                QVERIFY(printers);
                const int item = printers->findText(QStringLiteral("Print to File (PDF)"));
                offered = item >= 0;
                printers->setCurrentIndex(item);
                dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
                dialog->accept();
            });
            child<QAbstractButton>(w, kind)->click();
            child<QPushButton>(w, "cmdPrintAll")->click();
            QVERIFY(offered);
            QCOMPARE(pdfPages(pdf), 2);
        }
    }

    void hoursLoadIntoTheTableAndSaveFromIt() {
        start();
        PayrollRunWindow* w = openRun();
        const int box0 = PayrollRunWindow::colBox0;
        const std::string header = "name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row\r\n";
        writeFileAtomic(dir_ / "bad.csv", header + "Ann,8,,,,,,,,,\r\nAnne,8,,,,,,,,,\r\n");
        ui_->openAnswers = {dir_ / "bad.csv"};
        child<QPushButton>(w, "cmdLoadHours")->click();
        QVERIFY(has(ui_->messages.back(), "bad.csv, line 3: no employee \"Anne\""));
        QCOMPARE(cell(w, "Ann", box0), QString());

        writeFileAtomic(dir_ / "HOURS.csv", header + "Ann,40,,,2,,,,,1,\r\nCarl,8,,,,,,,,,5\r\n");
        ui_->openAnswers = {dir_ / "HOURS.csv"};
        child<QPushButton>(w, "cmdLoadHours")->click();
        QCOMPARE(cell(w, "Ann", box0), QStringLiteral("40"));
        QCOMPARE(cell(w, "Ann", box0 + 3), QStringLiteral("2"));
        QCOMPARE(table(w)->item(rowOf(w, "Ann"), PayrollRunWindow::colOt2x)->checkState(),
                 Qt::Checked);
        QCOMPARE(cell(w, "Carl", PayrollRunWindow::colWeek), QStringLiteral("5"));
        QCOMPARE(table(w)->item(rowOf(w, "Sample"), PayrollRunWindow::colInclude)->checkState(),
                 Qt::Unchecked);
        QCOMPARE(child<QLabel>(w, "lbRunTotals")->text(), QStringLiteral("Totals of 2 employees:"));

        typeInto(w, "Carl", PayrollRunWindow::colWeek, QStringLiteral("6"), Qt::Key_Tab);
        const fs::path saved = dir_ / "saved.csv";
        w->setSaveFileChooser([&] { return QString::fromStdString(saved.string()); });
        child<QPushButton>(w, "cmdSaveHours")->click();
        QCOMPARE(*readFileBytes(saved), header + "Ann,40,,,2,,,,,1,\r\nCarl,8,,,,,,,,,6\r\n");
    }

    // The employee open in the main window and posted by the run: a week posted in its
    // Year To Date and not saved is asked about first, then the main window shows what
    // the run wrote, and its own saves keep it.
    void theOpenEmployeeShowsWhatTheRunPosted() {
        start();
        QVERIFY(s_->openListed("Sample"));
        s_->main.txtAmount[0].focusAndType("20");
        QCOMPARE(s_->Calcu_late(), RunOutcome::Done);
        s_->openLedger();
        QVERIFY(s_->ledgerPost(2));  // posted in the ledger open here, not yet saved

        PayrollRunWindow* w = openRun();
        ui_->questions.clear();
        ui_->answers = {Answer::Yes};  // save Year To Date's changes first
        typeInto(w, "Sample", PayrollRunWindow::colBox0, QStringLiteral("40"), Qt::Key_Return);
        QVERIFY(has(ui_->messages.back(), "Posted 1 employee"));
        QCOMPARE(ui_->questions.size(), size_t(1));
        QVERIFY(has(ui_->questions[0], "Year To Date"));
        QCOMPARE(s_->ledger.rows[0].Date, std::string("1/9/2015"));
        QVERIFY(!s_->ledger.rows[1].Date.empty());  // week 2 was saved, and kept

        // The main window's own save asks nothing and keeps the posting.
        ui_->questions.clear();
        ui_->saveAnswers.push_back({SaveWindowButton::Save, std::nullopt});
        s_->mnuSave_Click();
        QVERIFY(ui_->questions.empty());
        QCOMPARE(postedRow("Sample").Date, std::string("1/9/2015"));
        s_->openLedger();
        QCOMPARE(s_->ledgerWindow()->rows[0].Date.text, std::string("1/9/2015"));
    }

    // Cancel at that question starts no run.
    void cancellingTheOpenEmployeesLedgerStartsNoRun() {
        start();
        QVERIFY(s_->openListed("Sample"));
        s_->main.txtAmount[0].focusAndType("20");
        QCOMPARE(s_->Calcu_late(), RunOutcome::Done);
        s_->openLedger();
        QVERIFY(s_->ledgerPost(2));
        PayrollRunWindow* w = openRun();
        ui_->answers = {Answer::Cancel};
        typeInto(w, "Sample", PayrollRunWindow::colBox0, QStringLiteral("40"), Qt::Key_Return);
        QVERIFY(has(ui_->messages.back(), "not started"));
        QCOMPARE(postedRow("Sample").Date, std::string());
        QVERIFY(s_->ledgerWindow() != nullptr);  // the ledger stays, its week 2 with it
    }
};

// The offscreen platform given a 1024x768 screen with window frames, as a small laptop's.
int main(int argc, char** argv) {
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("screen.json"));
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return 2;
    f.write(R"({"windowFrameMargins": true, "screens": [{"name": "small", "x": 0, "y": 0,
        "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file).toUtf8());
    QApplication app(argc, argv);
    PayrollRunWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "payroll_run_window_test.moc"
