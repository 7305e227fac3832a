// The windows "W-2 and W-3" and "Form 941" opened from Forms and driven through their
// real widgets under the offscreen platform: the worksheet of a folder with a 2026 pay
// period posted, the numbers masked until asked, refused boxes, Print to a PDF and Save
// as CSV.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "gui/form941_window.h"
#include "gui/qt_ui.h"
#include "gui/w2_window.h"
#include "gui_fixture.h"
#include "ledger/ledger.h"

namespace fs = std::filesystem;
using namespace corvella;
using corvella::gui::Form941Window;
using corvella::gui::W2Window;

namespace {

QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

template <class T>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c) qFatal("no widget named %s", name);
    return c;
}

QString cell(QTableWidget* t, int row, int column) {
    const QTableWidgetItem* item = t->item(row, column);
    return item ? item->text() : QString();
}

// The amount of the first line of the Form 941 table that starts with `start`.
QString amountOf(QTableWidget* t, const QString& start) {
    for (int r = 0; r < t->rowCount(); ++r)
        if (cell(t, r, 0).startsWith(start)) return cell(t, r, 1);
    return QStringLiteral("(no line %1)").arg(start);
}

}  // namespace

class WorksheetWindowsTest : public QObject, public test::GuiTestBase {
    Q_OBJECT

  private:
    // Ann, paid one week of 2026 (and one of 2025, which no 2026 form holds), and the
    // figures of 2026, under the main window.
    void start(std::unique_ptr<Ui> desktopUi = nullptr) {
        startFolder(test::Holds::FederalTable, std::move(desktopUi));
        fs::copy_file(fs::path(CORVELLA_SOURCE_DIR) / "data" / "Federal2026.txt",
                      dir_ / "Federal2026.txt");
        TaxProfile p = TaxProfile::resetValues();
        p.EmpName = "Ann Smith";
        p.EmpSSN = "123-45-6789";
        test::writeEmployeeFiles(dir_, "Ann", p);
        Ledger l;
        l.rows[0].Date = "12/26/2025";
        l.rows[0].Gross = 300;
        l.rows[0].Net = 300;
        LedgerRow& paid = l.rows[1];
        paid.Date = "01/09/2026";
        paid.Fed = 78.08f;
        paid.SS = 62;
        paid.Medi = 14.5f;
        paid.Net = 845.42f;
        paid.Gross = 1000;
        l.RecomputeTotals(true);
        writeFileAtomic(dir_ / "Ann.yrw", l.write(true));
        ui_->date = {2026, 6, 15};
        showWindow();
    }

    template <class Window>
    Window* open(const char* action) {
        window_->findChild<QAction*>(QLatin1String(action))->trigger();
        Window* found = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* w = qobject_cast<Window*>(top); w && w->isVisible()) found = w;
        if (!found) qFatal("%s opened no window", action);
        return found;
    }

    // Answers the print dialog with "Print to File (PDF)" into `pdf`.
    void printTo(const QString& pdf, bool& offered) {
        QTimer::singleShot(0, this, [pdf, &offered] {
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
    }

    static void typeInto(QWidget* w, const char* box, const QString& text) {
        auto* e = child<QLineEdit>(w, box);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }

    // Every control is named for tests and for a screen reader, and the window fits a
    // 1024x768 screen.
    static void checkNamedAndFits(QWidget* w) {
        QVERIFY(w->frameGeometry().width() <= 1024 && w->frameGeometry().height() <= 768);
        QVERIFY(w->minimumSizeHint().width() <= 1000 && w->minimumSizeHint().height() <= 700);
        for (QWidget* c : w->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                                 qobject_cast<QTableWidget*>(c) || qobject_cast<QListWidget*>(c);
            if (!control || qobject_cast<QAbstractItemView*>(c->parentWidget()) ||
                (c->parentWidget() &&
                 qobject_cast<QAbstractItemView*>(c->parentWidget()->parentWidget())))
                continue;
            QVERIFY2(!c->objectName().isEmpty(), c->metaObject()->className());
            QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        }
    }

  private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window_.get()) w->close();
        stop();
    }

    void w2ShowsTheYearsFormsWithTheNumbersMasked() {
        start();
        auto* w = open<W2Window>("mnuW2");
        checkNamedAndFits(w);
        QCOMPARE(child<QLineEdit>(w, "txtW2Year")->text(), QStringLiteral("2026"));
        auto* table = child<QTableWidget>(w, "tblW2");
        QCOMPARE(table->rowCount(), 0);

        QTest::keyClick(child<QLineEdit>(w, "txtW2Year"), Qt::Key_Return);  // Enter shows
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(cell(table, 0, 0), QStringLiteral("Ann Smith"));
        QCOMPARE(cell(table, 0, 1), QStringLiteral("***-**-6789"));
        QCOMPARE(table->horizontalHeaderItem(2)->toolTip(),
                 QStringLiteral("1 Wages, tips, other compensation"));
        QCOMPARE(cell(table, 0, 2), QStringLiteral("1,000.00"));
        QCOMPARE(cell(table, 0, 3), QStringLiteral("78.08"));
        QCOMPARE(cell(table, 1, 0), QStringLiteral("W-3 totals"));
        QCOMPARE(cell(table, 1, 2), QStringLiteral("1,000.00"));
        QVERIFY(table->item(1, 2)->font().bold());
        QCOMPARE(child<QLabel>(w, "lbW2Shown")->text(),
                 QStringLiteral("Forms W-2 for 2026: 1 employee."));
        // No Company.sav: the warnings say where to enter the facts.
        auto* warnings = child<QListWidget>(w, "lstW2Warnings");
        QVERIFY(warnings->isVisibleTo(w));
        QVERIFY(warnings->item(0)->text().contains(QStringLiteral("Options > Company")));

        auto* show = child<QCheckBox>(w, "ckShowSsn");
        QVERIFY(!show->isChecked());
        show->click();
        QVERIFY(show->isChecked());
        QCOMPARE(cell(table, 0, 1), QStringLiteral("123-45-6789"));
        show->click();
        QCOMPARE(cell(table, 0, 1), QStringLiteral("***-**-6789"));
        QVERIFY(ui_->messages.empty());

        // Opened again, the window open is brought up; closed, it starts afresh.
        QCOMPARE(open<W2Window>("mnuW2"), w);
        w->close();
        QTRY_VERIFY(!s_->loadedW2Screen());
        QCOMPARE(child<QTableWidget>(open<W2Window>("mnuW2"), "tblW2")->rowCount(), 0);
    }

    void refusedBoxesLeaveTheWindowsAsTheyWere() {
        start();
        auto* w = open<W2Window>("mnuW2");
        child<QPushButton>(w, "cmdW2Show")->click();
        typeInto(w, "txtW2Year", QStringLiteral("20x6"));
        QTest::keyClick(child<QLineEdit>(w, "txtW2Year"), Qt::Key_Return);
        QCOMPARE(ui_->messages.size(), size_t(1));
        QCOMPARE(ui_->messages[0],
                 std::string("\"20x6\" in Year is not a year from 1900 to 2100. Type the year of "
                             "the forms in Year, then try again."));
        QCOMPARE(child<QLineEdit>(w, "txtW2Year")->text(), QStringLiteral("20x6"));
        QCOMPARE(cell(child<QTableWidget>(w, "tblW2"), 0, 2), QStringLiteral("1,000.00"));

        auto* f = open<Form941Window>("mnu941");
        checkNamedAndFits(f);
        QCOMPARE(child<QLineEdit>(f, "txt941Year")->text(), QStringLiteral("2026"));
        QCOMPARE(child<QLineEdit>(f, "txt941Quarter")->text(), QStringLiteral("1"));
        child<QPushButton>(f, "cmd941Show")->click();
        auto* table = child<QTableWidget>(f, "tbl941");
        const int lines = table->rowCount();
        typeInto(f, "txt941Quarter", QStringLiteral("5"));
        QTest::keyClick(child<QLineEdit>(f, "txt941Quarter"), Qt::Key_Return);
        QCOMPARE(ui_->messages.size(), size_t(2));
        QCOMPARE(ui_->messages[1], std::string("\"5\" in Quarter is not a quarter. Type 1, 2, 3 "
                                               "or 4 in Quarter, then try again."));
        QCOMPARE(table->rowCount(), lines);
        // A year without its figures in the folder.
        typeInto(f, "txt941Year", QStringLiteral("2025"));
        typeInto(f, "txt941Quarter", QStringLiteral("4"));
        child<QPushButton>(f, "cmd941Show")->click();
        QCOMPARE(ui_->messages.size(), size_t(3));
        QVERIFY(ui_->messages[2].starts_with("There are no federal figures for 2025"));
        QCOMPARE(table->rowCount(), lines);
        QVERIFY(
            child<QLabel>(f, "lb941Shown")->text().contains(QStringLiteral("quarter 1 of 2026")));
    }

    void form941ListsTheQuartersLines() {
        start();
        auto* f = open<Form941Window>("mnu941");
        child<QPushButton>(f, "cmd941Show")->click();
        auto* table = child<QTableWidget>(f, "tbl941");
        QCOMPARE(amountOf(table, QStringLiteral("2  Wages")), QStringLiteral("1,000.00"));
        QCOMPARE(amountOf(table, QStringLiteral("3  Federal income tax")), QStringLiteral("78.08"));
        QCOMPARE(amountOf(table, QStringLiteral("5a  Taxable social security wages")),
                 QStringLiteral("1,000.00"));
        QCOMPARE(amountOf(table, QStringLiteral("16  Monthly schedule depositor")), QString());
        QCOMPARE(amountOf(table, QStringLiteral("      Tax liability: Month 1 (January)")),
                 amountOf(table, QStringLiteral("12  ")));
        QCOMPARE(child<QLabel>(f, "lb941Shown")->text(),
                 QStringLiteral("Form 941 for quarter 1 of 2026 (January, February, March), a "
                                "monthly depositor."));

        const fs::path csv = dir_ / "941.csv";
        f->setSaveFileChooser([&] { return QString::fromStdString(csv.string()); });
        child<QPushButton>(f, "cmd941SaveCsv")->click();
        const std::string text = readFileBytes(csv).value_or("");
        QVERIFY2(text.starts_with("line,description,amount\r\n"), text.c_str());
        QVERIFY(text.find("\r\n2,\"Wages, tips, and other compensation\",1000.00\r\n") !=
                std::string::npos);
    }

    void w2CsvHasTheNumbersMaskedUnlessShown() {
        start();
        auto* w = open<W2Window>("mnuW2");
        const fs::path csv = dir_ / "w2.csv";
        w->setSaveFileChooser([&] { return QString::fromStdString(csv.string()); });
        child<QPushButton>(w, "cmdW2SaveCsv")->click();  // shows the year first
        QCOMPARE(child<QTableWidget>(w, "tblW2")->rowCount(), 2);
        std::string text = readFileBytes(csv).value_or("");
        QVERIFY2(text.find("\r\nW-2,Ann,Ann Smith,***-**-6789,") != std::string::npos,
                 text.c_str());
        QVERIFY(text.find("123-45-6789") == std::string::npos);
        child<QCheckBox>(w, "ckShowSsn")->click();
        child<QPushButton>(w, "cmdW2SaveCsv")->click();
        text = readFileBytes(csv).value_or("");
        QVERIFY(text.find("\r\nW-2,Ann,Ann Smith,123-45-6789,") != std::string::npos);
        // A cancelled file dialog writes nothing.
        fs::remove(csv);
        w->setSaveFileChooser([] { return QString(); });
        child<QPushButton>(w, "cmdW2SaveCsv")->click();
        QVERIFY(!fs::exists(csv));
    }

    void bothPrintToAPdfThroughThePrintDialog() {
        start(std::make_unique<QtUi>());
        auto* w = open<W2Window>("mnuW2");
        typeInto(w, "txtW2Year", QStringLiteral("2026"));
        const QString w2Pdf = QString::fromStdString((dir_ / "w2.pdf").string());
        bool offered = false;
        printTo(w2Pdf, offered);
        child<QPushButton>(w, "cmdW2Print")->click();
        QVERIFY(offered);
        const QString w2Text = pdfText(w2Pdf);
        QVERIFY2(w2Text.contains(QStringLiteral("Wages, tips, other compensation")),
                 qPrintable(w2Text));
        QVERIFY(w2Text.contains(QStringLiteral("1,000.00")));
        QVERIFY(w2Text.contains(QStringLiteral("***-**-6789")));
        QVERIFY(!w2Text.contains(QStringLiteral("123-45-6789")));
        QVERIFY(w2Text.contains(QStringLiteral("Transmittal of Wage and Tax Statements")));
        QCOMPARE(cell(child<QTableWidget>(w, "tblW2"), 0, 2), QStringLiteral("1,000.00"));

        auto* f = open<Form941Window>("mnu941");
        typeInto(f, "txt941Year", QStringLiteral("2026"));
        typeInto(f, "txt941Quarter", QStringLiteral("1"));
        const QString pdf941 = QString::fromStdString((dir_ / "941.pdf").string());
        offered = false;
        printTo(pdf941, offered);
        child<QPushButton>(f, "cmd941Print")->click();
        QVERIFY(offered);
        const QString text941 = pdfText(pdf941);
        QVERIFY2(text941.contains(QStringLiteral("Wages, tips, and other compensation")),
                 qPrintable(text941));
        QVERIFY(text941.contains(QStringLiteral("78.08")));
    }
};

QTEST_MAIN(WorksheetWindowsTest)
#include "worksheet_windows_test.moc"
