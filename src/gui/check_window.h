#pragma once
// The check screen "Check Printing" (frmChecks) and its "Printer Offset" dialog
// (dlgPrintSet): views of the session's check screen and offsets. Neither blocks the
// main window.
#include <QDialog>
#include <QPointer>
#include <vector>

#include "shell/session.h"

class QComboBox;
class QLabel;

namespace corvella::gui {
class BoundLineEdit;
}

class OffsetWindow : public QDialog {
    Q_OBJECT
  public:
    OffsetWindow(corvella::Session& s, QWidget* parent);
    // The session's offset dialog is still this window's.
    bool alive() const { return !done_ && session_.offsetDialog() == model_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void store();  // the boxes' texts into the model
    void apply();
    void printCheck();

    corvella::Session& session_;
    corvella::PrinterOffsetDialog* model_;
    QComboBox *cboHorz_, *cboVert_;
    bool done_ = false;
};

class CheckWindow : public QDialog {
    Q_OBJECT
  public:
    CheckWindow(corvella::Session& s, QWidget* parent);
    // Model -> widgets.
    void refresh();
    // "Print": the offset dialog.
    void mnuPrintCheck_Click();

  protected:
    // A click on the screen's background, or its coming back to the front: the fields
    // again from the pay run and the profile.
    void mousePressEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void refill();

    corvella::Session& session_;
    corvella::CheckScreen* model_;
    std::vector<corvella::gui::BoundLineEdit*> boxes_;
    QPointer<OffsetWindow> offsets_;
};
