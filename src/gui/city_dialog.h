#pragma once
// "City (Local) Tax Tables" (DialogCity), shown without blocking the main window over
// the session's city screen.
#include <vector>

#include "gui/screen_window.h"

namespace corvella::gui {
class BoundLineEdit;
class BoundCheckBox;
}  // namespace corvella::gui

class CityDialog : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    CityDialog(corvella::Session& s, QWidget* parent = nullptr);

  private:
    void refresh() override;

    corvella::DialogCity* model_;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    corvella::gui::BoundCheckBox* ckNoLocalTax_ = nullptr;
};
