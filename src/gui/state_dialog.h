#pragma once
// "Biweekly State Tax" (DialogState): the state tables, SDI/SUI and the special states,
// shown without blocking the main window over the session's state screen.
#include <utility>
#include <vector>

#include "gui/screen_window.h"

class QGroupBox;

namespace corvella::gui {
class BoundLineEdit;
class BoundCheckBox;
class BoundLabel;
}  // namespace corvella::gui

class StateDialog : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    StateDialog(corvella::Session& s, QWidget* parent = nullptr);

  private:
    void refresh() override;
    void afterChange();  // refresh this window and tell the main window

    corvella::DialogState* model_;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    std::vector<corvella::gui::BoundCheckBox*> checks_;
    std::vector<corvella::gui::BoundLabel*> labels_;
    // Table captions whose text is the window's own; the model greys them out.
    std::vector<std::pair<QWidget*, const corvella::Label*>> greyedCaptions_;
    QGroupBox* singleFrame_ = nullptr;
    QGroupBox* exemptionFrame_ = nullptr;
};
