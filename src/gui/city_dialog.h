#pragma once
// "City (Local) Tax Tables" (DialogCity), shown without blocking the main window over
// the session's city screen.
#include <QDialog>
#include <vector>

#include "shell/session.h"

namespace corvella::gui {
class BoundLineEdit;
class BoundCheckBox;
}  // namespace corvella::gui

class CityDialog : public QDialog {
    Q_OBJECT
  public:
    CityDialog(corvella::Session& s, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void reject() override;

  private:
    bool sameScreen();
    bool alive();
    void refresh();

    corvella::Session& session_;
    corvella::DialogCity* model_;
    bool finished_ = false;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    corvella::gui::BoundCheckBox* ckNoLocalTax_ = nullptr;
};
