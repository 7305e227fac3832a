// The settings windows driven through their real widgets, found by control name, over a
// session whose questions are answered from a script.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "common/fileio.h"
#include "common/ports.h"
#include "employee/company_header.h"
#include "employee/employee_files.h"
#include "gui/city_dialog.h"
#include "gui/header_dialog.h"
#include "gui/noncity_dialog.h"
#include "gui/state_dialog.h"
#include "gui/tax_info_dialog.h"
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

QLineEdit* box(QWidget* w, const QString& name) {
    return child<QLineEdit>(w, name);
}

// Clicks near the left edge: a check box's indicator and text sit there, whatever width
// the layout gives the box.
void click(QWidget* w, const QString& name) {
    auto* b = child<QAbstractButton>(w, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

void retype(QLineEdit* e, const QString& text) {
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
}

// Chooses `text` in a list from the keyboard, as an operator does.
void choose(QComboBox* list, const QString& text) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentText() != text; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), text);
}

// Every file of a folder by name, with its contents.
std::map<std::string, std::string> folderFiles(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& f : std::filesystem::directory_iterator(dir))
        files[f.path().filename().string()] = readFile(f.path());
    return files;
}

bool contains(const std::vector<std::string>& messages, const std::string& part) {
    for (const auto& m : messages)
        if (m.find(part) != std::string::npos) return true;
    return false;
}

}  // namespace

class DialogsTest : public QObject, public test::GuiTestBase {
    Q_OBJECT

  private:
    template <class D>
    std::unique_ptr<D> open() {
        auto d = std::make_unique<D>(*s_);
        d->show();
        return d;
    }

  private slots:
    void init() { start(); }

    void cleanup() { stop(); }

    // ------------------------------------------------------------ User Info

    void userInfoAmountBoxTakesOnlyFigures() {
        auto d = open<TaxInfoDialog>();
        QLineEdit* dues = box(d.get(), "txtDues");
        dues->clear();
        QTest::keyClicks(dues, "1a2,.5x ");
        QCOMPARE(dues->text(), QString("12.5 "));
        QTest::keyClick(dues, Qt::Key_Backspace);
        QCOMPARE(dues->text(), QString("12.5"));
        QCOMPARE(s_->taxInfo().txtDues.text, std::string("12.5"));

        // Pasted text keeps only what the keys could have typed.
        QGuiApplication::clipboard()->setText("$3-4");
        dues->clear();
        QTest::keyClick(dues, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(dues->text(), QString("3-4"));

        // The name boxes take any text.
        QLineEdit* name = box(d.get(), "txtTax9");
        name->clear();
        QTest::keyClicks(name, "Dental 2");
        QCOMPARE(name->text(), QString("Dental 2"));
    }

    void amountBoxSelectsItsTextOnFocus() {
        auto d = open<TaxInfoDialog>();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        QLineEdit* dues = box(d.get(), "txtDues");
        dues->setText("42.5");
        dues->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(dues->selectedText(), QString("42.5"));
        QTest::keyClicks(dues, "7");
        QCOMPARE(dues->text(), QString("7"));
    }

    void userInfoSaveRenamesDeductionOnTheMainWindowAtOnce() {
        auto d = open<TaxInfoDialog>();
        QCOMPARE(box(d.get(), "txtTax9")->text(), QString("Misc."));
        retype(box(d.get(), "txtTax9"), "Dental");
        click(d.get(), "cmdOk");
        QCOMPARE(s_->main.lbTaxTag[9].caption, std::string("Dental"));
        QCOMPARE(s_->profile.DedCaption9, std::string("Dental"));
        QVERIFY(!d->isVisible());
        QVERIFY(!s_->taxInfoLoaded());
        QVERIFY(readFile(dir_ / "Emp.use").find("\"Dental\"") != std::string::npos);
    }

    void userInfoCloseDropsTheChanges() {
        auto d = open<TaxInfoDialog>();
        retype(box(d.get(), "txtTax9"), "Dental");
        click(d.get(), "Command1");
        QVERIFY(!d->isVisible());
        QVERIFY(!s_->taxInfoLoaded());
        QCOMPARE(s_->main.lbTaxTag[9].caption, std::string("Misc."));
        auto again = open<TaxInfoDialog>();
        QCOMPARE(box(again.get(), "txtTax9")->text(), QString("Misc."));
    }

    void userInfoRefusedSaveStaysOpen() {
        auto d = open<TaxInfoDialog>();
        retype(box(d.get(), "txtHourRate2"), "1.2.3");
        click(d.get(), "cmdOk");
        QVERIFY(d->isVisible());
        QVERIFY(!ui_->messages.empty());
        retype(box(d.get(), "txtHourRate2"), "9.25");
        click(d.get(), "cmdOk");
        QVERIFY(!d->isVisible());
        QCOMPARE(s_->profile.HourRate2, 9.25f);
    }

    void userInfoKPlanUnitsExcludeEachOther() {
        auto d = open<TaxInfoDialog>();
        auto* fix = child<QCheckBox>(d.get(), "ckKpFix");
        auto* per = child<QCheckBox>(d.get(), "ckKpPer");
        QVERIFY(per->isChecked() && !fix->isChecked());
        click(d.get(), "ckKpFix");
        QVERIFY(fix->isChecked());
        QVERIFY(!per->isChecked());
        click(d.get(), "ckKpPer");
        QVERIFY(per->isChecked());
        QVERIFY(!fix->isChecked());
    }

    void userInfoListsAndOptionsGoToTheModel() {
        auto d = open<TaxInfoDialog>();
        auto* status = child<QComboBox>(d.get(), "cboStatus2");
        QCOMPARE(status->count(), 2);
        QVERIFY(!status->isEditable());
        QCOMPARE(status->toolTip(), QString("Set Status"));
        QCOMPARE(child<QComboBox>(d.get(), "cboDepend")->toolTip(), QString("Set Exemptions"));
        status->setFocus();
        QTest::keyClick(status, Qt::Key_Down);
        QCOMPARE(s_->taxInfo().cboStatus2.text, std::string("Married"));
        click(d.get(), "optBiWeek");
        click(d.get(), "cmdOk");
        QCOMPARE(s_->profile.StateStatus, std::string("Married"));
        QCOMPARE(s_->profile.BiWeeklyFlag, int16_t(-1));
        QCOMPARE(s_->main.lbTableNotice.caption, std::string("Bi-Weekly Tax Tables"));
    }

    // The Form W-4 group and "Tax year" mirror the screen both ways. An older form's
    // figures are FEDERAL STATUS, so the newer form's controls are disabled for it.
    void userInfoFormW4MirrorsTheModel() {
        const QStringList newerForm = {"cboW4Status", "ckW4Step2", "txtW4Step3", "txtW4Step4a",
                                       "txtW4Step4b"};
        {
            auto d = open<TaxInfoDialog>();  // no form on file: an older one
            QCOMPARE(child<QComboBox>(d.get(), "cboW4Version")->currentText(),
                     QString("2019 or earlier"));
            QCOMPARE(child<QComboBox>(d.get(), "cboTaxYear")->currentText(), QString("2015"));
            for (const QString& name : newerForm)
                QVERIFY2(!child<QWidget>(d.get(), name)->isEnabled(), qPrintable(name));
            click(d.get(), "Command1");
        }

        s_->taxInfo().showW4(W4Form{.status = W4Form::Status::HeadOfHousehold,
                                    .step2 = true,
                                    .step3Cents = 200000,
                                    .step4aCents = 150050,
                                    .step4bCents = 90000});
        auto d = open<TaxInfoDialog>();
        FrmTaxInfo& m = s_->taxInfo();
        auto* version = child<QComboBox>(d.get(), "cboW4Version");
        auto* status = child<QComboBox>(d.get(), "cboW4Status");
        auto* step2 = child<QCheckBox>(d.get(), "ckW4Step2");
        QCOMPARE(version->currentText(), QString("2020 or later"));
        QCOMPARE(status->currentText(), QString("Head of household"));
        QVERIFY(step2->isChecked());
        QCOMPARE(box(d.get(), "txtW4Step3")->text(), QString("2000"));
        QCOMPARE(box(d.get(), "txtW4Step4a")->text(), QString("1500.50"));
        QCOMPARE(box(d.get(), "txtW4Step4b")->text(), QString("900"));
        for (const QString& name : newerForm)
            QVERIFY2(child<QWidget>(d.get(), name)->isEnabled(), qPrintable(name));

        choose(status, "Married filing jointly");
        QCOMPARE(m.cboW4Status.text, std::string("Married filing jointly"));
        click(d.get(), "ckW4Step2");
        QVERIFY(!m.ckW4Step2.checked());
        QVERIFY(!step2->isChecked());
        retype(box(d.get(), "txtW4Step3"), "1000");
        retype(box(d.get(), "txtW4Step4a"), "250.25");
        retype(box(d.get(), "txtW4Step4b"), "12000");
        QCOMPARE(m.txtW4Step3.text, std::string("1000"));
        QCOMPARE(m.txtW4Step4a.text, std::string("250.25"));
        QCOMPARE(m.txtW4Step4b.text, std::string("12000"));
        choose(child<QComboBox>(d.get(), "cboTaxYear"), "By the week-ending date");
        QCOMPARE(m.cboTaxYear.text, std::string("By the week-ending date"));

        choose(version, "2019 or earlier");
        QCOMPARE(m.cboW4Version.text, std::string("2019 or earlier"));
        for (const QString& name : newerForm)
            QVERIFY2(!child<QWidget>(d.get(), name)->isEnabled(), qPrintable(name));
        QVERIFY(version->isEnabled());
        choose(version, "2020 or later");
        for (const QString& name : newerForm)
            QVERIFY2(child<QWidget>(d.get(), name)->isEnabled(), qPrintable(name));
        QCOMPARE(box(d.get(), "txtW4Step4a")->text(), QString("250.25"));  // kept meanwhile

        // What a screen reader says of each.
        const std::pair<const char*, const char*> spoken[] = {
            {"cboW4Version", "Form W-4 version"},
            {"cboW4Status", "Form W-4 filing status"},
            {"ckW4Step2", "Form W-4 Step 2: multiple jobs or spouse works"},
            {"txtW4Step3", "Form W-4 Step 3 credits, dollars a year"},
            {"txtW4Step4a", "Form W-4 Step 4(a) other income, dollars a year"},
            {"txtW4Step4b", "Form W-4 Step 4(b) deductions, dollars a year"},
            {"cboTaxYear", "Tax year of the working folder"}};
        for (auto [name, said] : spoken)
            QCOMPARE(child<QWidget>(d.get(), name)->accessibleName(), QString(said));
    }

    // The core refuses the amount and names the box by its caption; the window stays.
    void userInfoNegativeStepThreeIsRefusedAndWritesNothing() {
        auto d = open<TaxInfoDialog>();
        choose(child<QComboBox>(d.get(), "cboW4Version"), "2020 or later");
        retype(box(d.get(), "txtW4Step3"), "-100");
        const auto before = folderFiles(dir_);
        click(d.get(), "cmdOk");
        QVERIFY(d->isVisible());
        QCOMPARE(ui_->messages.size(), size_t(1));
        QVERIFY2(contains(ui_->messages, "User Info, Form W-4, Step 3 (credits a year)"),
                 ui_->messages[0].c_str());
        QCOMPARE(folderFiles(dir_), before);
        QCOMPARE(box(d.get(), "txtW4Step3")->text(), QString("-100"));
    }

    // ------------------------------------------------------------ State tax

    void stateNewYorkFillsTheTables() {
        auto d = open<StateDialog>();
        QCOMPARE(d->windowTitle(), QString("Biweekly State Tax"));
        click(d.get(), "cmdDefault");
        QCOMPARE(box(d.get(), "txtStateMinBS(1)")->text(), QString("323"));
        QCOMPARE(box(d.get(), "txtStateAmtBM(9)")->text(), QString("579.42"));
        QCOMPARE(box(d.get(), "txtStateSgExp(0)")->text(), QString("282.7"));
        QCOMPARE(s_->stateScreen().txtStateMinBS[1].text, std::string("323"));
        QCOMPARE(child<QLabel>(d.get(), "Label14")->text(), QString("Single"));
    }

    void stateNoStateTaxBlanksAndUncheckingRefills() {
        auto d = open<StateDialog>();
        const QString before = box(d.get(), "txtStateMinBS(1)")->text();
        retype(box(d.get(), "txtStateMinBS(1)"), "400");  // not saved: lost by the refill
        click(d.get(), "ckNoStateTax");
        QVERIFY(child<QCheckBox>(d.get(), "ckNoStateTax")->isChecked());
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(box(d.get(), QString("txtStateMinBS(%1)").arg(i))->text(), QString("999999"));
            QCOMPARE(box(d.get(), QString("txtStateMinBM(%1)").arg(i))->text(), QString("999999"));
            QCOMPARE(box(d.get(), QString("txtStateSgExp(%1)").arg(i))->text(), QString("0"));
        }
        click(d.get(), "ckNoStateTax");
        QVERIFY(!child<QCheckBox>(d.get(), "ckNoStateTax")->isChecked());
        QCOMPARE(box(d.get(), "txtStateMinBS(1)")->text(), before);
    }

    void stateSpecialStateBoxesFollowTheSelectionStep() {
        auto d = open<StateDialog>();
        click(d.get(), "ckNC");
        QVERIFY(child<QCheckBox>(d.get(), "ckNC")->isChecked());
        QVERIFY(child<QCheckBox>(d.get(), "ckRoundOff")->isChecked());
        click(d.get(), "ckIowa");
        QVERIFY(child<QCheckBox>(d.get(), "ckIowa")->isChecked());
        QVERIFY(!child<QCheckBox>(d.get(), "ckNC")->isChecked());
        QVERIFY(!child<QLabel>(d.get(), "Label19")->isVisible());
        click(d.get(), "ckMissouri");
        QVERIFY(child<QCheckBox>(d.get(), "ckSpouse")->isVisible());
        click(d.get(), "ckIowa");  // pressing the checked box unchecks it
        QVERIFY(child<QCheckBox>(d.get(), "ckIowa")->isChecked());
        click(d.get(), "ckIowa");
        QVERIFY(!child<QCheckBox>(d.get(), "ckIowa")->isChecked());
    }

    void stateUseBaseSwitchesTheCaption() {
        auto d = open<StateDialog>();
        QCOMPARE(child<QLabel>(d.get(), "Label26")->text(), QString("Flat Rate"));
        click(d.get(), "ckSDI");
        QCOMPARE(child<QLabel>(d.get(), "Label26")->text(), QString("Wage Base"));
        retype(box(d.get(), "txtSDIpercent"), "1.5");
        click(d.get(), "ckSDI");
        QCOMPARE(child<QLabel>(d.get(), "Label26")->text(), QString("Flat Rate"));
        QCOMPARE(box(d.get(), "txtSDIpercent")->text(), QString("0"));
    }

    void stateSaveRefusesTextThatIsNotANumber() {
        auto d = open<StateDialog>();
        QLineEdit* b = box(d.get(), "txtStateAmtBS(2)");
        retype(b, "1.2.3");
        click(d.get(), "OKButton");
        QVERIFY(d->isVisible());
        QVERIFY(contains(ui_->messages, "You have entered a NON numerial."));
        QVERIFY(!std::filesystem::exists(dir_ / "Emp.sta"));
        retype(b, "18.5");
        click(d.get(), "OKButton");
        QVERIFY(!d->isVisible());
        QVERIFY(!s_->stateScreenLoaded());
        QCOMPARE(s_->state.StateAmtBS[2], 18.5f);
        QVERIFY(std::filesystem::exists(dir_ / "Emp.sta"));
    }

    void stateCloseBoxIsCancel() {
        auto d = open<StateDialog>();
        retype(box(d.get(), "txtStateMinBS(3)"), "777");
        d->close();
        QVERIFY(!s_->stateScreenLoaded());
        QVERIFY(s_->state.StateMinBS[3] != 777.0f);
    }

    // A pay run closes the state screen; its window must then close rather than write
    // into a screen that no longer exists.
    void payRunClosesTheOpenStateWindow() {
        auto d = open<StateDialog>();
        QCOMPARE(s_->Calcu_late(), Session::RunOutcome::Done);
        QVERIFY(!s_->stateScreenLoaded());
        QTest::keyClicks(box(d.get(), "txtStateMinBS(2)"), "5");
        click(d.get(), "ckNoStateTax");
        QTRY_VERIFY(!d->isVisible());
        QVERIFY(!s_->stateScreenLoaded());
    }

    // ------------------------------------------------------------ City

    void cityNewYorkNoLocalTaxAndSave() {
        auto d = open<CityDialog>();
        QCOMPARE(d->windowTitle(), QString("City (Local) Tax Tables"));
        QCOMPARE(box(d.get(), "txtCityMinBS(6)")->text(), QString("999999"));
        click(d.get(), "cmdDefault");
        QCOMPARE(box(d.get(), "txtCityMinBS(6)")->text(), QString("19231"));
        click(d.get(), "ckNoLocalTax");
        QCOMPARE(box(d.get(), "txtCityMinBM(0)")->text(), QString("999999"));
        QCOMPARE(box(d.get(), "txtCitySgExp(0)")->text(), QString("0"));
        QTest::keyClicks(box(d.get(), "txtCityAmtBS(0)"), "x");
        QCOMPARE(box(d.get(), "txtCityAmtBS(0)")->text(), QString("0"));
        click(d.get(), "OKButton");
        QVERIFY(!d->isVisible());
        QCOMPARE(s_->city.NoLocalTaxFlag, int16_t(1));
        QCOMPARE(s_->city.CityMinBS[0], 999999.0f);
        QVERIFY(std::filesystem::exists(dir_ / "Emp.cti"));
    }

    void citySaveRefusesTextThatIsNotANumber() {
        auto d = open<CityDialog>();
        retype(box(d.get(), "txtCityPerBS(3)"), "0.0.37");
        click(d.get(), "OKButton");
        QVERIFY(d->isVisible());
        QVERIFY(!ui_->messages.empty());
        QVERIFY(!std::filesystem::exists(dir_ / "Emp.cti"));
        retype(box(d.get(), "txtCityPerBS(3)"), "0.037");
        click(d.get(), "OKButton");
        QVERIFY(!d->isVisible());
        QVERIFY(std::filesystem::exists(dir_ / "Emp.cti"));
    }

    void cityClearAllAndCancel() {
        auto d = open<CityDialog>();
        click(d.get(), "cmdClearMe");
        QCOMPARE(box(d.get(), "txtCityMinBS(0)")->text(), QString("999999"));
        QCOMPARE(box(d.get(), "txtCityPerBM(0)")->text(), QString("0"));
        click(d.get(), "CancelButton");
        QVERIFY(!d->isVisible());
        QCOMPARE(s_->city.CityMinBS[0], 0.0f);
    }

    // ------------------------------------------------------------ Non-resident city

    void nonCityDefaultAndSave() {
        auto d = open<NonCityDialog>();
        QCOMPARE(d->windowTitle(), QString("NON City Resident"));
        retype(box(d.get(), "txtNonPer"), "0.01");
        retype(box(d.get(), "txtNonMinBi(1)"), "");
        click(d.get(), "cmdDefault");
        QCOMPARE(box(d.get(), "txtNonPer")->text(), QString("0.0045"));
        QCOMPARE(box(d.get(), "txtNonMinBi(1)")->text(), QString("145"));
        QCOMPARE(box(d.get(), "txtNonExpWk(3)")->text(), QString("19"));
        retype(box(d.get(), "txtNonPer"), "0.005");
        click(d.get(), "OKButton");
        QVERIFY(!d->isVisible());
        QCOMPARE(s_->nonCity.NonRate, 0.005f);
        QVERIFY(std::filesystem::exists(dir_ / "Emp.nci"));
    }

    // ------------------------------------------------------------ Header

    void headerDialogWritesHeaderSav() {
        auto d = open<HeaderDialog>();
        QCOMPARE(d->windowTitle(), QString("Print Out Heading"));
        QCOMPARE(box(d.get(), "txtHeader(0)")->text(), QString("Company"));
        QCOMPARE(box(d.get(), "txtHeader(3)")->text(), QString("ID Number"));
        click(d.get(), "OKButton");
        QVERIFY(!d->isVisible());
        QCOMPARE(readFile(dir_ / "Header.sav"),
                 std::string("\"Company\",\"Address\",\"Zip Code\",\"ID Number\"\r\n"));

        auto again = open<HeaderDialog>();
        retype(box(again.get(), "txtHeader(0)"), "Acme Tools");
        box(again.get(), "txtHeader(2)")->clear();
        click(again.get(), "OKButton");
        QCOMPARE(readFile(dir_ / "Header.sav"),
                 std::string("\"Acme Tools\",\"Address\",\"\",\"ID Number\"\r\n"));
        auto third = open<HeaderDialog>();
        QCOMPARE(box(third.get(), "txtHeader(2)")->text(), QString("Zip Code"));
    }

    void headerCancelWritesNothing() {
        auto d = open<HeaderDialog>();
        retype(box(d.get(), "txtHeader(0)"), "Acme Tools");
        click(d.get(), "CancelButton");
        QVERIFY(!d->isVisible());
        QVERIFY(!std::filesystem::exists(dir_ / "Header.sav"));
        QCOMPARE(d->header().Company, std::string("Company"));
    }

    void headerDamagedFileIsReportedAndTheRestDefaulted() {
        std::ofstream(dir_ / "Header.sav", std::ios::binary) << "\"Acme\",\"12 Main St.\"";
        auto d = open<HeaderDialog>();
        QVERIFY(contains(ui_->messages, "You have corupted a file."));
        QVERIFY(contains(ui_->messages, "Header.sav"));
        QCOMPARE(box(d.get(), "txtHeader(0)")->text(), QString("Acme"));
        QCOMPARE(box(d.get(), "txtHeader(1)")->text(), QString("12 Main St."));
        QCOMPARE(box(d.get(), "txtHeader(2)")->text(), QString("Zip Code"));
    }

    void headerWriteFailureIsReportedAndTheDialogStays() {
        auto d = open<HeaderDialog>();
        s_->writeFaults().failAfterBytes = 3;
        click(d.get(), "OKButton");
        QVERIFY(d->isVisible());
        QVERIFY(contains(ui_->messages, "The heading was not saved"));
        QVERIFY(!std::filesystem::exists(dir_ / "Header.sav"));
        s_->writeFaults().failAfterBytes.reset();
        click(d.get(), "OKButton");
        QVERIFY(!d->isVisible());
        QVERIFY(std::filesystem::exists(dir_ / "Header.sav"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
