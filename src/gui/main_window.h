#pragma once
// The main window Form1: the pay period's entry boxes, the results of the last run, the
// buttons and the menus. A view of the session's main window model: every command goes
// to the session, then the window is refreshed from the model.
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "shell/session.h"

class QAction;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
namespace corvella::gui {
class BoundLineEdit;
}
class QRadioButton;
class QToolButton;
class QPushButton;

namespace corvella::gui {
class EmployeeListPanel;
}

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window and runs the start-up (Form_Load), whose messages may show
    // before the window does.
    explicit Form1(corvella::Session& session, QWidget* parent = nullptr);
    corvella::Session& session() { return session_; }

    // Mirrors the model into every widget (title, boxes, captions). The session asks for
    // it after every command that may have changed them.
    void refreshFromModel();

  signals:
    // The program is to end (Exit, the close box, "&Quit" in the save window).
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    corvella::gui::EmployeeListPanel* employees_ = nullptr;
    QLabel* logo_ = nullptr;
    bool shownOnce_ = false;
    QWidget* buildHeader();
    QGroupBox* buildHours();
    QGroupBox* buildOvertimeTips();
    QGroupBox* buildTaxes();
    QGroupBox* buildResults();
    QWidget* buildButtons();
    void buildMenus();
    QAction* addAction(QMenu* menu, const char* name, const char* text, const char* shortcut,
                       void (Form1::*slot)());
    QAction* addLaterAction(QMenu* menu, const char* name, const char* text, const char* shortcut);

    void storeInputs();
    void closeStaleSettingsWindows(bool cityScreensGone);
    void endProgram();
    template <class Dialog>
    void showSettingsWindow(QPointer<QDialog>& slot);

    // Commands.
    void cmdCal_Click();
    void cmdClear_Click();
    void mnuNew_Click();
    void mnuOpen_Click();
    void openListed(const QString& name);  // from the employee list, as File > Open
    void mnuSave_Click();
    void mnuExit_Click();
    void mnuHeader_Click();
    void mnuCompany_Click();
    void mnuTaxInfo_Click();
    void mnuState_Click();
    void mnuCity_Click();
    void mnuNonCity_Click();
    void mnuYear_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void mnuOtItem_Click();
    void mnuVac_Click();
    void mnuPayrollRun_Click();
    void mnuW2_Click();
    void mnu941_Click();
    void txtWeek_Click();
    void cmdSavePrev_Click();
    void cmdPeriod_Click();
    // Printing (main_window_print.cpp).
    void mnuChecks_Click();
    void cmdPrint_Click();  // the Print button and "Print Sheet": the pay stub
    void mnuPrintImage_Click();

    corvella::Session& session_;
    bool ending_ = false;

    QLabel* lbUser_ = nullptr;
    QLineEdit* txtWeek_ = nullptr;
    QLabel* lbTaxVer_ = nullptr;
    QLabel* lbTaxYear_ = nullptr;
    QLabel* lbTableNotice_ = nullptr;
    std::array<corvella::gui::BoundLineEdit*, 8> txtAmount_{};
    QRadioButton* opt1x_ = nullptr;
    QRadioButton* opt2x_ = nullptr;
    QCheckBox* ckLouisPrior_ = nullptr;
    std::array<QLabel*, 18> lbTaxTag_{};
    std::array<QLabel*, 11> lbTaxDed_{};
    QLabel *lbSDI_ = nullptr, *lbSUI_ = nullptr, *lbCafe_ = nullptr;
    QLabel *Label13_ = nullptr, *lbTaxes_ = nullptr, *lbDeduct_ = nullptr, *lbNet_ = nullptr;
    QLabel *lbOverT_ = nullptr, *lbTips_ = nullptr;
    QList<QKeySequence> menuShortcuts_;

    const corvella::DialogState* stateModel_ = nullptr;  // the screen stateWindow_ shows
    QPointer<QDialog> stateWindow_, cityWindow_, nonCityWindow_, helpWindow_, ledgerWindow_;
    QPointer<QDialog> overtimeWindow_, leaveWindow_, checkWindow_, payrollRunWindow_;
    QPointer<QDialog> w2Window_, form941Window_;
};
