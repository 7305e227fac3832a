// The printing windows driven through their real widgets under the offscreen platform:
// the check screen, the "Printer Offset" dialog, the print dialog's "Print to File (PDF)",
// and the PDFs of the stub and the check read back with pdftotext.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

#include "gui/check_window.h"
#include "gui/qt_ui.h"
#include "gui_fixture.h"

namespace fs = std::filesystem;
using corvella::Session;
using corvella::test::Holds;

namespace {

// The text of a PDF and its page count, by poppler-utils.
QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}
int pdfPages(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    p.waitForFinished();
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace

class PrintWindowsTest : public QObject, public corvella::test::GuiTestBase {
    Q_OBJECT

  private:
    template <class T = QWidget>
    T* find(const QString& name) {
        // Closed windows may wait to be deleted: only what is shown counts.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            if (top->objectName() == name)
                if (T* w = qobject_cast<T*>(top)) return w;
            for (T* w : top->findChildren<T*>(name))
                if (w->window()->isVisible()) return w;
        }
        qFatal("no widget %s", qPrintable(name));
    }
    QString boxText(const char* name) { return find<QLineEdit>(QString::fromLatin1(name))->text(); }

    // The sample employee open, 40 hours run for the week of 01/09/2015; the questions
    // answered by a ScriptedUi, or by the desktop's dialogs when `desktopUi` is given.
    void start(std::unique_ptr<corvella::Ui> desktopUi = nullptr) {
        startWindow(Holds::DataFolder, std::move(desktopUi));
        QVERIFY(s_->openEmployee(dir_ / "Sample.use"));
        s_->main.setWeek("01/09/2015");
        s_->main.txtAmount[0].text = "40";
        QCOMPARE(s_->Calcu_late(), Session::RunOutcome::Done);
        window_->refreshFromModel();
    }
    void openChecks() {
        window_->findChild<QAction*>(QStringLiteral("mnuChecks"))->trigger();
        QVERIFY(s_->checkScreen());
    }

  private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window_.get()) w->close();
        stop();
    }

    void checkScreenAfterLoadAndAfterAClick() {
        start();
        openChecks();
        QCOMPARE(boxText("txtCheckDate"), QStringLiteral("01/09/2015"));
        QCOMPARE(boxText("txtPayTo"), QStringLiteral("Sample Employee********"));
        QCOMPARE(boxText("txtCheckAmt"), QStringLiteral("***454.33"));
        QCOMPARE(boxText("txtDollars"), QStringLiteral(" Four Hundred Fifty Four and 33/100"));
        QCOMPARE(boxText("txtUserState"), QStringLiteral("Albany, NY 12207"));
        QTest::keyClicks(find<QLineEdit>(QStringLiteral("txtMemo")), QStringLiteral("Bonus"));

        // A click brings the payee again from User Info, not the date; the memo stays.
        s_->profile.EmpName = "Sam Employee";
        s_->main.setWeek("01/16/2015");
        QTest::mouseClick(find<QWidget>(QStringLiteral("frmChecks")), Qt::LeftButton,
                          Qt::NoModifier, QPoint(4, 4));
        QCOMPARE(boxText("txtPayTo"), QStringLiteral("Sam Employee********"));
        QCOMPARE(boxText("txtCheckDate"), QStringLiteral("01/09/2015"));
        QCOMPARE(boxText("txtMemo"), QStringLiteral("Bonus"));

        // A new run closes the check of the run before, and with it its window and the
        // offsets: Checks again shows the new run alone.
        auto* offsets = new OffsetWindow(*s_, nullptr);
        offsets->show();
        QPointer<QWidget> before = find<QWidget>(QStringLiteral("frmChecks"));
        QPointer<QWidget> offsetsBefore = offsets;
        s_->main.txtAmount[0].text = "20";
        QCOMPARE(s_->Calcu_late(), Session::RunOutcome::Done);
        QTRY_VERIFY(!before || !before->isVisible());
        QTRY_VERIFY(!offsetsBefore || !offsetsBefore->isVisible());
        openChecks();
        QCOMPARE(boxText("txtCheckAmt"), QStringLiteral("***249.06"));
        QCOMPARE(boxText("txtDollars"), QStringLiteral(" Two Hundred Forty Nine and 06/100"));
        QCOMPARE(boxText("txtCheckDate"), QStringLiteral("01/16/2015"));
        QCOMPARE(boxText("txtMemo"), QString());
    }

    void offsetDialogApplyCancelPrint() {
        start();
        openChecks();
        find<QWidget>(QStringLiteral("frmChecks"))
            ->findChild<QAction*>(QStringLiteral("mnuPrintCheck"))
            ->trigger();
        auto* horz = find<QComboBox>(QStringLiteral("cboHorz"));
        auto* vert = find<QComboBox>(QStringLiteral("cboVert"));
        QCOMPARE(horz->currentText(), QStringLiteral("0"));
        QCOMPARE(horz->count(), 11);
        horz->setEditText(QStringLiteral("+2"));
        vert->setEditText(QStringLiteral("-1"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdApply")), Qt::LeftButton);
        QCOMPARE(s_->offsetDialog()->cboHorz.text, std::string("+2"));
        QCOMPARE(corvella::readFileBytes(dir_ / "Sample.and")->substr(0, 7),
                 std::string("2,-1,0\r"));

        // Cancel after a change stores nothing.
        horz->setEditText(QStringLiteral("5"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("CancelButton")), Qt::LeftButton);
        QCOMPARE(s_->offsetDialog(), nullptr);
        QCOMPARE(corvella::readFileBytes(dir_ / "Sample.and")->substr(0, 7),
                 std::string("2,-1,0\r"));

        // Opened again it shows what is stored; "Print Check" prints and closes.
        find<QWidget>(QStringLiteral("frmChecks"))
            ->findChild<QAction*>(QStringLiteral("mnuPrintCheck"))
            ->trigger();
        QCOMPARE(find<QComboBox>(QStringLiteral("cboHorz"))->currentText(), QStringLiteral("2"));
        QCOMPARE(find<QComboBox>(QStringLiteral("cboVert"))->currentText(), QStringLiteral("-1"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("OKButton")), Qt::LeftButton);
        QVERIFY(ui_->printed.empty());  // the printer dialog cancelled: nothing printed
        QVERIFY(s_->offsetDialog());
        ui_->printerAnswers.push_back(true);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(ui_->printed.size(), size_t(1));
        QCOMPARE(s_->offsetDialog(), nullptr);
    }

    void stubAndLedgerFromTheirCommands() {
        start();
        find<QToolButton>(QStringLiteral("cmdPrint"))->click();  // the dialog cancelled
        QVERIFY(ui_->printed.empty());
        ui_->printerAnswers.push_back(true);
        find<QToolButton>(QStringLiteral("cmdPrint"))->click();
        QCOMPARE(ui_->printed.size(), size_t(1));
        QCOMPARE(find<QLineEdit>(QStringLiteral("txtAmount(1)"))->text(), QStringLiteral("0"));

        window_->findChild<QAction*>(QStringLiteral("mnuYear"))->trigger();
        ui_->printerAnswers.push_back(true);
        find<QWidget>(QStringLiteral("frmYearFrame"))
            ->findChild<QAction*>(QStringLiteral("mnuPrint"))
            ->trigger();
        QCOMPARE(ui_->printed.size(), size_t(2));
        QVERIFY(ui_->printed.back().landscape);
    }

    // The print dialog's own "Print to File (PDF)": the desktop program's way to a PDF.
    void printDialogWritesAPdf() {
        start(std::make_unique<QtUi>());
        const QString pdf = QString::fromStdString((dir_ / "stub.pdf").string());
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
        window_->findChild<QAction*>(QStringLiteral("mnuPrintSheetItem"))->trigger();
        QVERIFY(offered);
        QCOMPARE(pdfPages(pdf), 1);
        // Written as every file is: whole, for its owner only.
        QCOMPARE(fs::status(pdf.toStdString()).permissions() & fs::perms::all,
                 fs::perms::owner_read | fs::perms::owner_write);
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("454.33")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Employee:")));
        QVERIFY(text.contains(QStringLiteral("Sample")));
    }

    // Both window pictures (Print Image, and the overtime calculator's Print) go through the
    // one printer: the dialog opens on the printer chosen last, and a PDF is written whole,
    // for its owner only.
    void windowPicturesPrintOnTheOnePrinter() {
        start(std::make_unique<QtUi>());
        QString shownPrinter;
        auto printTo = [&](const QString& pdf) {
            QTimer::singleShot(0, this, [&, pdf] {
                auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                QVERIFY(printers);
                shownPrinter = printers->currentText();
                printers->setCurrentIndex(
                    printers->findText(QStringLiteral("Print to File (PDF)")));
                dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
                dialog->accept();
            });
        };
        const QString image = QString::fromStdString((dir_ / "image.pdf").string());
        printTo(image);
        window_->findChild<QAction*>(QStringLiteral("mnuPrintItem"))->trigger();
        QCOMPARE(pdfPages(image), 1);

        window_->findChild<QToolButton*>(QStringLiteral("cmdOT"))->click();
        auto* calculator = find<QWidget>(QStringLiteral("Form2"));
        const QString overtime = QString::fromStdString((dir_ / "overtime.pdf").string());
        printTo(overtime);
        calculator->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        QCOMPARE(shownPrinter, QStringLiteral("Print to File (PDF)"));
        QCOMPARE(pdfPages(overtime), 1);
        for (const QString& pdf : {image, overtime})
            QCOMPARE(fs::status(pdf.toStdString()).permissions() & fs::perms::all,
                     fs::perms::owner_read | fs::perms::owner_write);
    }

    // The command line's PDFs come from the same renderer.
    void stubAndCheckPdfs() {
        const corvella::test::FreshFolder folder(Holds::DataFolder);
        const QTemporaryDir& tmp = folder.tmp;
        const QString stub = tmp.filePath(QStringLiteral("stub.pdf"));
        const QString check = tmp.filePath(QStringLiteral("check.pdf"));
        for (const auto& [command, file] :
             {std::pair{QStringLiteral("stub"), stub}, std::pair{QStringLiteral("check"), check}}) {
            QProcess cli;
            cli.start(QStringLiteral(CORVELLA_CLI),
                      QStringList{QStringLiteral("-C"), tmp.path(), command,
                                  QStringLiteral("Sample"), QStringLiteral("--box"),
                                  QStringLiteral("0=40"), QStringLiteral("--pdf"), file});
            QVERIFY(cli.waitForFinished());
            QCOMPARE(cli.exitCode(), 0);
            QCOMPARE(pdfPages(file), 1);
        }
        const QString stubText = pdfText(stub);
        QVERIFY2(stubText.contains(QStringLiteral("454.33")), qPrintable(stubText));
        QVERIFY(stubText.contains(QStringLiteral("Sample")));
        const QString checkText = pdfText(check);
        QVERIFY2(checkText.contains(QStringLiteral("***454.33")), qPrintable(checkText));
        QVERIFY(checkText.contains(QStringLiteral("Four Hundred Fifty Four and 33/100")));
        QVERIFY(checkText.contains(QStringLiteral("Sample Employee")));

        // Moved right by its offset, the check's date runs into the margin but prints whole:
        // cut at the printable edge, "12/10/2026" would read as "12/10/20".
        const QString moved = tmp.filePath(QStringLiteral("moved.pdf"));
        QProcess cli;
        cli.start(QStringLiteral(CORVELLA_CLI),
                  QStringList{QStringLiteral("-C"), tmp.path(), QStringLiteral("check"),
                              QStringLiteral("Sample"), QStringLiteral("--offset"),
                              QStringLiteral("3,0"), QStringLiteral("--pdf"), moved});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        const QString firstLine =
            pdfText(moved).trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{4}$"))
                     .match(firstLine)
                     .hasMatch(),
                 qPrintable(firstLine));
    }

    // The command line opens the renderer only for --pdf; without it, --pdf is refused
    // before the run is saved, and the other commands work as before.
    void cliWithoutItsPdfModule() {
        const corvella::test::FreshFolder folder(Holds::DataFolder);
        const QTemporaryDir& tmp = folder.tmp;
        const fs::path& dir = folder.dir;
        const fs::path lonely = dir / "bin" / "corvella-cli";
        fs::create_directories(lonely.parent_path());
        fs::copy_file(CORVELLA_CLI, lonely);
        const auto count = std::distance(fs::directory_iterator(dir), fs::directory_iterator());
        const QString file = tmp.filePath(QStringLiteral("stub.pdf"));
        QProcess cli;
        cli.start(QString::fromStdString(lonely.string()),
                  QStringList{QStringLiteral("-C"), tmp.path(), QStringLiteral("stub"),
                              QStringLiteral("Sample"), QStringLiteral("--box"),
                              QStringLiteral("0=40"), QStringLiteral("--pdf"), file});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("the PDF module is missing")), qPrintable(err));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), count);

        cli.start(QString::fromStdString(lonely.string()),
                  QStringList{QStringLiteral("-C"), tmp.path(), QStringLiteral("stub"),
                              QStringLiteral("Sample"), QStringLiteral("--box"),
                              QStringLiteral("0=40"), QStringLiteral("--text")});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(cli.readAllStandardOutput().contains("454.33"));
    }
};

QTEST_MAIN(PrintWindowsTest)
#include "print_windows_test.moc"
