#pragma once
// The window "Form 941" (Forms menu): a view of the session's Form 941 screen. The year
// and the quarter, the form's lines with their amounts, line 16's liabilities, the
// worksheet's warnings, and Print and Save as CSV. Enter shows the quarter typed.
#include <QDialog>
#include <QString>
#include <functional>

#include "gui/worksheet_parts.h"
#include "shell/session.h"

class QPushButton;
class QTableWidget;

namespace corvella::gui {

class BoundLabel;
class BoundLineEdit;

class Form941Window : public QDialog {
    Q_OBJECT
  public:
    explicit Form941Window(Session& s, QWidget* parent = nullptr);

    // Where "Save as CSV…" writes: the file dialog's answer unless a test gives its own
    // (an empty path cancels).
    void setSaveFileChooser(std::function<QString()> choose) {
        chooseSaveFile_ = std::move(choose);
    }

    void showQuarter();
    void print();
    void saveCsv();

  protected:
    void done(int r) override;

  private:
    bool current() const;
    void refresh();

    Session& session_;
    Form941Screen* model_;
    std::function<QString()> chooseSaveFile_;

    BoundLineEdit *txt941Year_, *txt941Quarter_;
    BoundLabel* lb941Shown_;
    QTableWidget* table_;
    WarningsList warnings_;
};

}  // namespace corvella::gui
