// The main window driven through its real widgets, under the offscreen platform. The
// session's questions are answered by a ScriptedUi; nothing here waits on a timer.
#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <map>
#include <memory>

#include "common/fileio.h"
#include "employee/employee_files.h"
#include "federal/federal.h"
#include "gui/about_dialog.h"
#include "gui/qt_ui.h"
#include "gui_fixture.h"
#include "shell/session.h"
#include "state/state_file.h"

namespace fs = std::filesystem;
using corvella::ScriptedUi;
using corvella::Session;

namespace {

const fs::path kSourceData = fs::path(CORVELLA_SOURCE_DIR) / "data";

// The caption widgets that a pay run fills, by control name.
QStringList resultNames() {
    QStringList names;
    for (int i = 0; i < 11; ++i) names << QStringLiteral("lbTaxDed(%1)").arg(i);
    names << QStringLiteral("lbSDI") << QStringLiteral("lbSUI") << QStringLiteral("lbCafe")
          << QStringLiteral("Label13") << QStringLiteral("lbTaxes") << QStringLiteral("lbDeduct")
          << QStringLiteral("lbNet") << QStringLiteral("lbOverT") << QStringLiteral("lbTips");
    return names;
}

std::map<std::string, std::string> modelCaptions(const corvella::MainWindow& m) {
    std::map<std::string, std::string> c;
    for (int i = 0; i < 11; ++i) c["lbTaxDed(" + std::to_string(i) + ")"] = m.lbTaxDed[i].caption;
    c["lbSDI"] = m.lbSDI.caption;
    c["lbSUI"] = m.lbSUI.caption;
    c["lbCafe"] = m.lbCafe.caption;
    c["Label13"] = m.Label13.caption;
    c["lbTaxes"] = m.lbTaxes.caption;
    c["lbDeduct"] = m.lbDeduct.caption;
    c["lbNet"] = m.lbNet.caption;
    c["lbOverT"] = m.lbOverT.caption;
    c["lbTips"] = m.lbTips.caption;
    return c;
}

// A working folder with the federal table and one employee written by the core's writers.
void writeEmployee(const fs::path& dir, const std::string& name, bool louisiana = false) {
    fs::copy_file(kSourceData / "Federal15.dtt", dir / "Federal15.dtt",
                  fs::copy_options::overwrite_existing);
    corvella::TaxProfile p = corvella::TaxProfile::resetValues();
    p.HourRate = 12.5f;
    p.FedExemp = "1";
    p.MuniDeduct = 15;
    p.MiscDeduct = 20.25f;
    p.DedCaption5 = "Credit Union";
    p.DedCaption9 = "Health Plan";
    corvella::OvertimeData ot;
    corvella::StateSettings flags;
    corvella::EmployeeExtras x = corvella::EmployeeExtras::newEmployee();
    corvella::writeFileAtomic(dir / (name + ".use"),
                              corvella::writeUseFile(p, ot, flags, x, "11440", "0"));
    corvella::writeFileAtomic(dir / (name + ".and"), corvella::writeAndFile(p, flags, x));
    corvella::writeFileAtomic(dir / (name + ".cfe"), corvella::writeCfeFile(p));
    if (louisiana) {
        corvella::StateSettings st;
        st.LouisFlag = 1;
        corvella::StateProfileFields pf{p.StateExemp, p.StateStatus, p.FedAddl, p.FedExempFlag,
                                        p.SSMediExempFlag};
        corvella::writeFileAtomic(dir / (name + ".sta"), corvella::writeStateFile(st, pf));
    } else {
        fs::copy_file(kSourceData / "Sample.sta", dir / (name + ".sta"));
    }
}

// Names, sizes and contents of every file of a folder.
std::map<std::string, std::string> folderContents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir))
        files[e.path().filename().string()] = corvella::readFileBytes(e.path()).value_or("?");
    return files;
}

}  // namespace

class MainWindowTest : public QObject, public corvella::test::GuiTestBase {
    Q_OBJECT

  private:
    template <class T = QWidget>
    T* child(const QString& name) {
        T* w = window_->findChild<T*>(name);
        if (!w) qFatal("no child %s", qPrintable(name));
        return w;
    }
    QLineEdit* box(int i) { return child<QLineEdit>(QStringLiteral("txtAmount(%1)").arg(i)); }
    QString text(const QString& labelName) { return child<QLabel>(labelName)->text(); }
    QAction* action(const char* name) { return child<QAction>(QString::fromLatin1(name)); }

    void openEmp() {
        ui_->openAnswers.push_back(dir_ / "Emp.use");
        action("mnuOpen")->trigger();
    }
    void typeInto(int i, const QString& keys) {
        box(i)->setFocus();
        box(i)->selectAll();
        QTest::keyClicks(box(i), keys);
    }

  private slots:
    void init() {
        startFolder();
        writeEmployee(dir_, "Emp");
        showWindow();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() { stop(); }

    void startUp() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("QUORVANE SOFTWARE"));
        QCOMPARE(text(QStringLiteral("lbUser")), QStringLiteral("USER"));
        QCOMPARE(child<QLineEdit>(QStringLiteral("txtWeek"))->text(), QStringLiteral("1/9/2015"));
        QVERIFY(!text(QStringLiteral("lbTaxVer")).isEmpty());
        QVERIFY(child<QRadioButton>(QStringLiteral("opt1x"))->isChecked());
        QVERIFY(!child(QStringLiteral("ckLouisPrior"))->isVisible());
        for (const char* on : {"cmdOT", "Command1", "cmdSavePrev", "cmdPeriod"})
            QVERIFY2(child(QString::fromLatin1(on))->isEnabled(), on);
        QVERIFY(child(QStringLiteral("cmdYear"))->isEnabled());
        QVERIFY(child(QStringLiteral("cmdPrint"))->isEnabled());
        QCOMPARE(child(QStringLiteral("cmdYear"))->toolTip(), QStringLiteral("Year to Date"));
        QCOMPARE(child(QStringLiteral("cmdCal"))->toolTip(), QStringLiteral("Results"));
        QVERIFY(ui_->messages.empty());
    }

    void menus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        const std::tuple<const char*, const char*, const char*, bool> rows[] = {
            {"mnuNew", "&New", "Ctrl+N", true},
            {"mnuOpen", "&Open", "Ctrl+O", true},
            {"mnuSave", "&Save", "Ctrl+S", true},
            {"mnuChecks", "C&hecks", "Ctrl+H", true},
            {"mnuPrintSheetItem", "Print Sheet", "", true},
            {"mnuPrintItem", "&Print Image", "Ctrl+P", true},
            {"mnuClearIitem", "&Clear", "Ctrl+C", true},
            {"mnuExitItem", "E&xit", "Ctrl+X", true},
            {"mnuVac", "&Vacation", "Ctrl+V", true},
            {"mnuOtItem", "OT %", "", true},
            {"mnuYear", "&Year to Date", "Ctrl+Y", true},
            {"mnuHeader", "H&eader", "Ctrl+E", true},
            {"mnuCompany", "C&ompany", "", true},
            {"mnuTaxInfoItem", "&User Info", "Ctrl+U", true},
            {"mnuState", "S&tate Tax", "Ctrl+T", true},
            {"mnuCity", "C&ity Tax", "Ctrl+I", true},
            {"mnuNonCity", "Non City Tax", "", true},
            {"mnuHelpItem", "He&lp", "Ctrl+L", true},
            {"mnuAboutItem", "&About", "Ctrl+A", true}};
        for (auto [name, caption, shortcut, enabled] : rows)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                                << QString::fromLatin1(shortcut) << enabled;
    }
    void menus() {
        QFETCH(QString, name);
        QAction* a = child<QAction>(name);
        QTEST(a->text(), "caption");
        QTEST(a->shortcut().toString(QKeySequence::PortableText), "shortcut");
        QTEST(a->isEnabled(), "enabled");
        QStringList titles;
        for (QAction* m : window_->menuBar()->actions()) titles << m->text();
        QCOMPARE(titles, (QStringList{"File", "Forms", "Options", "Help"}));
    }

    void openShowsTheEmployee() {
        openEmp();
        QCOMPARE(window_->windowTitle(), QStringLiteral("  User:  Emp"));
        QCOMPARE(text(QStringLiteral("lbUser")), QStringLiteral("Emp"));
        QCOMPARE(text(QStringLiteral("lbTaxTag(5)")), QStringLiteral("Credit Union"));
        QCOMPARE(text(QStringLiteral("lbTaxTag(6)")), QStringLiteral("Bond"));
        QCOMPARE(text(QStringLiteral("lbTaxTag(9)")), QStringLiteral("Health Plan"));
        QCOMPARE(text(QStringLiteral("lbTableNotice")), QStringLiteral("Weekly Tax Tables"));
        QVERIFY2(ui_->messages.empty(), ui_->messages.empty() ? "" : ui_->messages[0].c_str());
    }

    // Forty hours typed and ADD clicked: the window shows what the same run driven on
    // the session directly shows, and the same as corvella-cli.
    void typeFortyAndAdd() {
        // Reference folders, copied before anything is saved into this one.
        QTemporaryDir refDir, cliDir;
        for (const auto& e : fs::directory_iterator(dir_)) {
            fs::copy_file(e.path(), fs::path(refDir.path().toStdString()) / e.path().filename());
            fs::copy_file(e.path(), fs::path(cliDir.path().toStdString()) / e.path().filename());
        }
        openEmp();
        typeInto(0, QStringLiteral("40"));
        QCOMPARE(box(0)->text(), QStringLiteral("40"));
        QTest::mouseClick(child<QToolButton>(QStringLiteral("cmdCal")), Qt::LeftButton);
        QCOMPARE(text(QStringLiteral("Label13")), QStringLiteral("$500.00"));
        QVERIFY(box(0)->hasFocus());
        // Typed after ADD, the next hours replace the box (the focus never left it).
        QTest::keyClicks(box(0), QStringLiteral("38"));
        QCOMPARE(box(0)->text(), QStringLiteral("38"));
        typeInto(0, QStringLiteral("40"));
        QVERIFY(ui_->messages.empty());
        QCOMPARE(text(QStringLiteral("lbTaxDed(5)")), QStringLiteral("15.00"));
        QCOMPARE(text(QStringLiteral("lbTaxDed(9)")), QStringLiteral("20.25"));
        QVERIFY(!text(QStringLiteral("lbNet")).isEmpty());

        ScriptedUi refUi;
        Session ref(refUi, refDir.path().toStdString());
        ref.Form_Load();
        QVERIFY(ref.openEmployee(fs::path(refDir.path().toStdString()) / "Emp.use"));
        ref.main.txtAmount[0].focusAndType("40");
        ref.Calcu_late();
        for (const auto& [name, caption] : modelCaptions(ref.main))
            QCOMPARE(text(QString::fromStdString(name)), QString::fromStdString(caption));

        QProcess cli;
        cli.start(
            QStringLiteral(CORVELLA_CLI),
            {QStringLiteral("-C"), cliDir.path(), QStringLiteral("calc"), QStringLiteral("Emp"),
             QStringLiteral("--box"), QStringLiteral("0=40"), QStringLiteral("--json")});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject captions = QJsonDocument::fromJson(cli.readAllStandardOutput())
                                         .object()[QStringLiteral("captions")]
                                         .toObject();
        QCOMPARE(captions.size(), resultNames().size());
        for (const QString& name : resultNames()) QCOMPARE(text(name), captions[name].toString());
    }

    void louisianaShowsItsPriorBox() {
        writeEmployee(dir_, "Lou", true);
        ui_->openAnswers.push_back(dir_ / "Lou.use");
        action("mnuOpen")->trigger();
        QVERIFY(child(QStringLiteral("ckLouisPrior"))->isVisible());
        QCOMPARE(child<QCheckBox>(QStringLiteral("ckLouisPrior"))->text(),
                 QStringLiteral("Louisiana- Prior to July 1"));
    }

    void startsWithoutTheFederalTable() {
        QTemporaryDir empty;
        ScriptedUi ui;
        Session s(ui, empty.path().toStdString());
        Form1 w(s);
        QCOMPARE(ui.messages.size(), size_t(1));
        // The usual text, then which folder was searched.
        QVERIFY(ui.messages[0].starts_with(corvella::fedFileFailureMessage()));
        QVERIFY(ui.messages[0].find("Federal15.dtt was not found in " +
                                    empty.path().toStdString()) != std::string::npos);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }

    void helpOpensAtItsStartPage() {
        action("mnuHelpItem")->trigger();
        auto* browser = window_->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
        QVERIFY(browser);
        QVERIFY(browser->isVisible());
        QCOMPARE(browser->source().fileName(), QStringLiteral("index.html"));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Corvella Payroll Help"));
    }

    // The modal "User Info" is worked from inside its own event loop; after its save the
    // main window shows the new deduction name at once.
    void userInfoSaveRenamesDeductionNine() {
        openEmp();
        QString title;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            title = dialog->windowTitle();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtTax9"));
            auto* save = dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"));
            if (name && save) {
                name->selectAll();
                QTest::keyClicks(name, QStringLiteral("Dental"));
                save->click();
            }
            if (dialog->isVisible()) dialog->close();  // never leave the test waiting
        });
        action("mnuTaxInfoItem")->trigger();
        QCOMPARE(title, QStringLiteral("User Info"));
        QCOMPARE(text(QStringLiteral("lbTaxTag(9)")), QStringLiteral("Dental"));
        QVERIFY2(ui_->messages.empty(), ui_->messages.empty() ? "" : ui_->messages[0].c_str());
    }

    void keyFilterDropsOtherCharacters() {
        typeInto(0, QStringLiteral("4a0,b.5x"));
        QCOMPARE(box(0)->text(), QStringLiteral("40.5"));
        QTest::keyClick(box(0), Qt::Key_Backspace);
        QCOMPARE(box(0)->text(), QStringLiteral("40."));
        typeInto(1, QStringLiteral("- 1"));
        QCOMPARE(box(1)->text(), QStringLiteral("- 1"));
        QCOMPARE(s_->main.txtAmount[0].text, std::string("40."));
    }

    void enterUpAndDownMoveBetweenBoxes() {
        box(7)->setFocus();
        QTest::keyClick(box(7), Qt::Key_Return);
        QVERIFY(box(0)->hasFocus());
        QTest::keyClick(box(0), Qt::Key_Up);
        QVERIFY(box(0)->hasFocus());
        QTest::keyClick(box(0), Qt::Key_Enter);
        QVERIFY(box(1)->hasFocus());
        QTest::keyClick(box(1), Qt::Key_Down);
        QVERIFY(box(2)->hasFocus());
        QTest::keyClick(box(2), Qt::Key_Up);
        QVERIFY(box(1)->hasFocus());
        box(7)->setFocus();
        QTest::keyClick(box(7), Qt::Key_Down);
        QVERIFY(box(7)->hasFocus());
    }

    void focusSelectsTheWholeText() {
        box(3)->setText(QStringLiteral("12.5"));
        box(3)->setFocus();
        QTRY_COMPARE(box(3)->selectedText(), QStringLiteral("12.5"));
    }

    // In an entry box Ctrl+A, Ctrl+C and Ctrl+X select all, copy and cut, as Ctrl+V
    // pastes; elsewhere the same keys run the menu's Clear and Exit.
    void editingKeysEditInAnEntryBoxAndRunTheMenuElsewhere() {
        openEmp();
        typeInto(0, QStringLiteral("40"));
        typeInto(3, QStringLiteral("2"));
        QTest::mouseClick(child<QToolButton>(QStringLiteral("cmdCal")), Qt::LeftButton);
        QVERIFY(!text(QStringLiteral("Label13")).isEmpty());
        QSignalSpy ended(window_.get(), &Form1::programEnded);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        box(0)->setFocus();
        box(0)->deselect();
        // Should About open instead, it is shut, so that the check fails rather than waits.
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        QTest::keyClick(box(0), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box(0)->selectedText(), QStringLiteral("40"));
        QTest::keyClick(box(0), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("40"));
        QCOMPARE(box(3)->text(), QStringLiteral("2"));  // not cleared
        QTest::keyClick(box(0), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box(0)->text(), QString());
        QCOMPARE(clipboard->text(), QStringLiteral("40"));
        QVERIFY(ui_->questions.empty());  // no exit question
        QTest::keyClick(box(0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(0)->text(), QStringLiteral("40"));
        QVERIFY(!text(QStringLiteral("Label13")).isEmpty());

        auto* add = child<QToolButton>(QStringLiteral("cmdCal"));
        add->setFocus();
        QTest::keyClick(add, Qt::Key_C, Qt::ControlModifier);
        for (int i = 0; i < 8; ++i) QVERIFY(box(i)->text().isEmpty());
        for (const QString& name : resultNames()) QVERIFY2(text(name).isEmpty(), qPrintable(name));
        ui_->answers = {corvella::Answer::Cancel};
        QTest::keyClick(add, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(ui_->questions, std::vector<std::string>{"     SAVE USER'S SETTINGS?"});
        QCOMPARE(ended.count(), 0);
        QVERIFY(window_->isVisible());
    }

    void newWithAnExistingNameIsRefused() {
        ui_->yesNoAnswers = {false};
        ui_->inputAnswers = {std::string("Emp")};
        action("mnuNew")->trigger();
        QCOMPARE(ui_->questions.at(0), std::string("........SAVE PREVIOUS USER?"));
        QCOMPARE(ui_->questions.at(1), std::string("Enter new user:"));
        QCOMPARE(ui_->messages.size(), size_t(1));
        QCOMPARE(ui_->messages[0], std::string("........Emp already exists. Use Open"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("QUORVANE SOFTWARE"));
        QCOMPARE(text(QStringLiteral("lbUser")), QStringLiteral("USER"));
    }

    void newNamesTheEmployee() {
        ui_->yesNoAnswers = {false};
        ui_->inputAnswers = {std::string("Ann")};
        action("mnuNew")->trigger();
        QCOMPARE(window_->windowTitle(), QStringLiteral("  User:  Ann"));
        QCOMPARE(text(QStringLiteral("lbUser")), QStringLiteral("Ann"));
        QVERIFY(!fs::exists(dir_ / "Ann.use"));  // nothing written until the first save
    }

    void exitAnsweredNoWritesNothing() {
        openEmp();
        typeInto(0, QStringLiteral("40"));
        const auto before = folderContents(dir_);
        QSignalSpy ended(window_.get(), &Form1::programEnded);
        ui_->answers = {corvella::Answer::No};
        action("mnuExitItem")->trigger();
        QCOMPARE(ui_->questions.back(), std::string("     SAVE USER'S SETTINGS?"));
        QCOMPARE(ended.count(), 1);
        QVERIFY(!window_->isVisible());
        QVERIFY(folderContents(dir_) == before);
    }

    void closeBoxAnsweredYesSavesUnderTheTypedName() {
        openEmp();
        QSignalSpy ended(window_.get(), &Form1::programEnded);
        ui_->answers = {corvella::Answer::Yes};
        ui_->saveAnswers = {{corvella::SaveWindowButton::Save, std::string("Bob")}};
        window_->close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(fs::exists(dir_ / "Bob.use"));
        QVERIFY(fs::exists(dir_ / "Bob.sta"));
    }

    // Ctrl+X, then Esc in the question: nothing is saved, and the program stays.
    void exitCancelledByEscKeepsTheProgram() {
        QtUi qtUi;
        Session session(qtUi, dir_);
        Form1 w(session);
        qtUi.setParentWindow(&w);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto before = folderContents(dir_);
        QSignalSpy ended(&w, &Form1::programEnded);
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            buttons = box->standardButtons();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        auto* cal = w.findChild<QToolButton*>(QStringLiteral("cmdCal"));
        cal->setFocus();
        QTest::keyClick(cal, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(ended.count(), 0);
        QVERIFY(w.isVisible());
        QVERIFY(folderContents(dir_) == before);
    }

    void quitInTheSaveWindowEndsWithoutSaving() {
        const auto before = folderContents(dir_);
        QSignalSpy ended(window_.get(), &Form1::programEnded);
        ui_->saveAnswers = {{corvella::SaveWindowButton::Quit, std::string("Zed")}};
        action("mnuSave")->trigger();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!window_->isVisible());
        QVERIFY(folderContents(dir_) == before);
    }

    void aboutBoxShowsTheBuildVersion() {
        AboutDialog about;
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version %1").arg(QStringLiteral(CORVELLA_TEST_VERSION)));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblCompany"))->text(),
                 QStringLiteral("QUORVANE"));
        QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(),
                 QStringLiteral("OK"));
    }

    // Another program saved the open employee: ADD asks in the desktop's own box, and
    // Reload shows the other program's figures instead of writing over them.
    void aSaveOverAnotherProgramsChangeAsksReloadOverwriteOrCancel() {
        QtUi qtUi;
        Session session(qtUi, dir_);
        Form1 w(session);
        qtUi.setParentWindow(&w);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(session.openEmployee(dir_ / "Emp.use"));
        {
            corvella::ScriptedUi otherUi;
            Session other(otherUi, dir_);
            other.Form_Load();
            QVERIFY(other.openEmployee(dir_ / "Emp.use"));
            other.openLeave().vac.startBalance.text = "77";
            QCOMPARE(int(other.leaveSave()), int(corvella::RunOutcome::Done));
        }
        const auto afterOther = folderContents(dir_);
        QStringList buttons, said;
        std::function<void()> answerBoxes = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return QTimer::singleShot(10, this, answerBoxes);
            said << box->text();
            QAbstractButton* chosen = box->button(QMessageBox::Ok);
            if (!chosen)
                for (QAbstractButton* b : box->buttons()) {
                    buttons << b->text();
                    if (b->text() == QStringLiteral("&Reload")) chosen = b;
                }
            chosen->click();
            if (said.size() < 2) QTimer::singleShot(10, this, answerBoxes);
        };
        QTimer::singleShot(0, this, answerBoxes);
        auto* hours = w.findChild<QLineEdit*>(QStringLiteral("txtAmount(0)"));
        hours->setFocus();
        QTest::keyClicks(hours, QStringLiteral("40"));
        QTest::mouseClick(w.findChild<QToolButton*>(QStringLiteral("cmdCal")), Qt::LeftButton);
        QTRY_COMPARE(said.size(), 2);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"&Overwrite", "&Reload", "Cancel"}));
        QVERIFY(said[0].contains(QStringLiteral("Emp.hol was changed by another program")));
        QVERIFY(said[1].contains(QStringLiteral("not saved")));
        QVERIFY(folderContents(dir_) == afterOther);
        QCOMPARE(session.leaveScreen().vac.startBalance.text, std::string("77"));
    }

    // The Qt answers to the session's questions, worked from inside their own loops.
    void qtUiMessagesAndQuestions() {
        QtUi ui;
        QString title, body;
        int icon = -1;
        auto answer = [&](QMessageBox::StandardButton button) {
            QTimer::singleShot(0, this, [&, button] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                title = box->windowTitle();
                body = box->text();
                icon = box->icon();
                box->button(box->standardButtons() & button ? button : QMessageBox::Ok)->click();
            });
        };
        answer(QMessageBox::Ok);
        ui.message("You have corupted a file.", corvella::Icon::Warning);
        QCOMPARE(title, QStringLiteral("QUORVANE SOFTWARE"));
        QCOMPARE(body, QStringLiteral("You have corupted a file."));
        QCOMPARE(icon, int(QMessageBox::Warning));

        answer(QMessageBox::Ok);
        ui.message("........<b> already exists. Use Open", corvella::Icon::None, "Other");
        QCOMPARE(title, QStringLiteral("Other"));
        QCOMPARE(icon, int(QMessageBox::NoIcon));

        answer(QMessageBox::Yes);
        QVERIFY(ui.askYesNo("     SAVE USER'S SETTINGS?", "Save?"));
        QCOMPARE(title, QStringLiteral("Save?"));
        QCOMPARE(body, QStringLiteral("     SAVE USER'S SETTINGS?"));
        answer(QMessageBox::No);
        QVERIFY(!ui.askYesNo("........SAVE PREVIOUS USER?", "Save?"));
    }

    void fileFilterInQtForm_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("employees") << "Saved Files (*.use)|*.use"
                                   << "Saved Files (*.use)";
        QTest::newRow("bare description") << "Pay periods|*.prv"
                                          << "Pay periods (*.prv)";
        QTest::newRow("two filters") << "Saved Files (*.use)|*.use|All|*.*"
                                     << "Saved Files (*.use);;All (*.*)";
        QTest::newRow("several patterns") << "Text|*.txt;*.csv"
                                          << "Text (*.txt *.csv)";
    }
    void fileFilterInQtForm() {
        QFETCH(QString, filter);
        QTEST(qtFileFilter(filter.toStdString()), "expected");
    }

    void saveWindowReportsItsButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("expected");
        QTest::newRow("save") << "cmdSaveUser" << int(corvella::SaveWindowButton::Save);
        QTest::newRow("no") << "cmdEnd" << int(corvella::SaveWindowButton::No);
        QTest::newRow("quit") << "cmdQuit" << int(corvella::SaveWindowButton::Quit);
        QTest::newRow("close box") << "" << int(corvella::SaveWindowButton::Close);
    }
    void saveWindowReportsItsButton() {
        QFETCH(QString, button);
        SaveUserDialog w(QStringLiteral("Emp"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Save User"));
        auto* name = w.findChild<QLineEdit*>(QStringLiteral("txtSaveUser"));
        QCOMPARE(name->text(), QStringLiteral("Emp"));
        QCOMPARE(name->placeholderText(), QStringLiteral("File that is already opened."));
        w.show();
        name->setFocus();
        QTRY_COMPARE(name->selectedText(), QStringLiteral("Emp"));
        QTest::keyClicks(name, QStringLiteral("Bob"));
        if (button.isEmpty())
            w.close();
        else
            w.findChild<QPushButton*>(button)->click();
        QTEST(int(w.button()), "expected");
        QCOMPARE(w.name(), QStringLiteral("Bob"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
