#pragma once
// "NON City Resident" (DialogNonCity), shown without blocking the main window over the
// session's non-resident city screen.
#include <QDialog>
#include <vector>

#include "shell/session.h"

namespace corvella::gui {
class BoundLineEdit;
}

class NonCityDialog : public QDialog {
    Q_OBJECT
  public:
    NonCityDialog(corvella::Session& s, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void reject() override;

  private:
    bool sameScreen();
    bool alive();
    void refresh();

    corvella::Session& session_;
    corvella::DialogNonCity* model_;
    bool finished_ = false;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
};
