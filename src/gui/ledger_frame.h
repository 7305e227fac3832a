#pragma once
// The frame "Year To Date": the ledger window, one row per pay period, above the totals
// window, with the frame's menu. It mirrors the session's ledger working copy.
#include <vector>

#include "gui/screen_window.h"

class QScrollArea;

namespace corvella::gui {
class BoundLineEdit;
class BoundLabel;
}  // namespace corvella::gui

class LedgerFrame : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    // Opens the ledger anew from the employee's file (a frame already open goes).
    LedgerFrame(corvella::Session& s, QWidget* parent = nullptr);

    // A click on week `week`'s number: the left button posts, the right one deletes.
    void weekClicked(int week, Qt::MouseButton button);

  private:
    void refresh() override;
    bool mayClose() override;
    void closeCommand();  // "&Close": ask, maybe save, close
    void exportCommand();
    void afterCommand();  // refresh, or close when the ledger is gone

    corvella::LedgerWindow* model_;
    std::vector<corvella::gui::BoundLineEdit*> cells_;     // row cells and total boxes
    std::vector<corvella::gui::BoundLineEdit*> displays_;  // those that cannot be edited
    std::vector<corvella::gui::BoundLabel*> headings_;
    QScrollArea* rowsArea_ = nullptr;
};
