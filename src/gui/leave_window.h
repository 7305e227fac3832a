#pragma once
// The leave screen "Vacation / Holiday / Sick" (DialogVac): a view of the session's leave
// screen. A balance follows its start balance and counts as they are typed.
#include <vector>

#include "gui/screen_window.h"

namespace corvella::gui {
class BoundLineEdit;
class BoundLabel;
}  // namespace corvella::gui

class LeaveWindow : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    LeaveWindow(corvella::Session& s, QWidget* parent = nullptr);

    void OKButton_Click();
    void cmdClear_Click();
    void mnuHelp_Click();

  private:
    void refresh() override;
    // Esc and the close box: with changes, the session asks whether to save them.
    bool mayClose() override;

    corvella::LeaveScreen* model_;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    std::vector<corvella::gui::BoundLabel*> balances_;
};
