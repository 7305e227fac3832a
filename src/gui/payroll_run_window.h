#pragma once
// The window "Payroll Run" (Forms > Payroll Run): a view of the payroll run's screen
// model. A table of the folder's employees with each one's hours and figures, the totals
// under it, and the commands Post All, Print All, Load Hours and Save Hours. Enter posts,
// a cell being edited kept first.
#include <QDialog>
#include <QString>
#include <functional>

#include "shell/payroll_run_screen.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace corvella::gui {

class RunTable;

class PayrollRunWindow : public QDialog {
    Q_OBJECT
  public:
    // The table's columns.
    enum Column {
        colInclude,
        colName,
        colFrequency,
        colBox0,  // the eight entry boxes follow
        colOt2x = colBox0 + 8,
        colWeek,
        colGross,
        colTaxes,
        colDeductions,
        colNet,
        columnCount
    };

    // Rows matching `filter` (the employee list's) in sight.
    PayrollRunWindow(Session& s, const QString& filter, QWidget* parent = nullptr);
    ~PayrollRunWindow() override;

    PayrollRunScreen& model() { return model_; }
    // Where "Save Hours…" writes: the file dialog's answer unless a test gives its own
    // (an empty path cancels).
    void setSaveFileChooser(std::function<QString()> choose) {
        chooseSaveFile_ = std::move(choose);
    }

    void postAll();
    void printAll();
    void loadHours();
    void saveHours();

  private:
    void cellChanged(int row, int column);
    bool applyWeekEnding();
    void applyWeek();
    void pickWeekEnding();
    void refreshRow(int row);
    void refreshAll();
    void refreshTotals();
    bool eventFilter(QObject* watched, QEvent* event) override;

    Session& session_;
    PayrollRunScreen model_;
    std::function<QString()> chooseSaveFile_;
    bool updating_ = false;  // the view writing into the table, not the operator
    bool applyingWeek_ = false;

    QLineEdit* txtWeekEnding_;
    QToolButton* cmdPickWeek_;
    QSpinBox* spnWeek_;
    QLineEdit* txtFilter_;
    RunTable* table_;
    QLabel* lbTotalsCaption_;
    QLabel *lbTotGross_, *lbTotTaxes_, *lbTotDeduct_, *lbTotNet_;
    QCheckBox* chkSkipFailed_;
    QCheckBox* chkReplace_;
    QRadioButton* optStubs_;
    QRadioButton* optChecks_;
    QProgressBar* progress_;
    QPushButton *cmdPostAll_, *cmdPrintAll_, *cmdLoadHours_, *cmdSaveHours_, *cmdClose_;
};

}  // namespace corvella::gui
