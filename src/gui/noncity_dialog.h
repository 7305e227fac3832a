#pragma once
// "NON City Resident" (DialogNonCity), shown without blocking the main window over the
// session's non-resident city screen.
#include <vector>

#include "gui/screen_window.h"

namespace corvella::gui {
class BoundLineEdit;
}

class NonCityDialog : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    NonCityDialog(corvella::Session& s, QWidget* parent = nullptr);

  private:
    void refresh() override;

    corvella::DialogNonCity* model_;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
};
