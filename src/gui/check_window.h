#pragma once
// The check screen "Check Printing" (frmChecks) and its "Printer Offset" dialog
// (dlgPrintSet): views of the session's check screen and offsets. Neither blocks the
// main window.
#include <QPointer>
#include <vector>

#include "gui/screen_window.h"
#include "shell/session.h"

class QComboBox;
class QLabel;

namespace corvella::gui {
class BoundLineEdit;
}

// Both close by themselves when a run, Clear or another employee discards their screen.
class OffsetWindow : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    OffsetWindow(corvella::Session& s, QWidget* parent);

  protected:
    void refresh() override {}

  private:
    void store();  // the boxes' texts into the model
    void apply();
    void printCheck();

    corvella::PrinterOffsetDialog* model_;
    QComboBox *cboHorz_, *cboVert_;
};

class CheckWindow : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    CheckWindow(corvella::Session& s, QWidget* parent);
    // "Print": the offset dialog.
    void mnuPrintCheck_Click();

  protected:
    // A click on the screen's background, or its coming back to the front: the fields
    // again from the pay run and the profile.
    void refresh() override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    corvella::CheckScreen* model_;
    std::vector<corvella::gui::BoundLineEdit*> boxes_;
    QPointer<OffsetWindow> offsets_;
};
