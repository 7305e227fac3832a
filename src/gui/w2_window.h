#pragma once
// The window "W-2 and W-3" (Forms menu): a view of the session's W-2 screen. The year,
// a table with a row per employee's W-2 and the W-3's totals, the worksheet's warnings,
// and Print and Save as CSV. Enter shows the year typed.
#include <QDialog>
#include <QString>
#include <functional>

#include "gui/worksheet_parts.h"
#include "shell/session.h"

class QPushButton;
class QTableWidget;

namespace corvella::gui {

class BoundCheckBox;
class BoundLabel;
class BoundLineEdit;

class W2Window : public QDialog {
    Q_OBJECT
  public:
    explicit W2Window(Session& s, QWidget* parent = nullptr);

    // Where "Save as CSV…" writes: the file dialog's answer unless a test gives its own
    // (an empty path cancels).
    void setSaveFileChooser(std::function<QString()> choose) {
        chooseSaveFile_ = std::move(choose);
    }

    void showYear();
    void print();
    void saveCsv();

  protected:
    void done(int r) override;

  private:
    bool current() const;
    void refresh();

    Session& session_;
    W2Screen* model_;
    std::function<QString()> chooseSaveFile_;

    BoundLineEdit* txtW2Year_;
    BoundCheckBox* ckShowSsn_;
    BoundLabel* lbW2Shown_;
    QTableWidget* table_;
    WarningsList warnings_;
};

}  // namespace corvella::gui
