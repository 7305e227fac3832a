#pragma once
// The core's questions and messages answered with Qt dialogs.
#include <QDialog>
#include <QPixmap>
#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>

#include "common/ports.h"

class QLineEdit;

// "Saved Files (*.use)|*.use" (description|patterns pairs) in Qt's form
// "Saved Files (*.use)", several filters joined by ";;".
QString qtFileFilter(const std::string& filter);

// The save window "Save User" (frmSaveUser); button() tells how it was left.
class SaveUserDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SaveUserDialog(const QString& name, QWidget* parent = nullptr);
    QString name() const;
    corvella::SaveWindowButton button() const { return button_; }

  private:
    void choose(corvella::SaveWindowButton b);

    QLineEdit* txtSaveUser_;
    corvella::SaveWindowButton button_ = corvella::SaveWindowButton::Close;  // the close box
};

// A message's text with break opportunities in runs too long for one line.
QString wrappable(const std::string& text);

class QtUi : public corvella::Ui {
  public:
    // Dialogs are centred on this window (may be null).
    void setParentWindow(QWidget* w) { parent_ = w; }

    void message(const std::string& text, corvella::Icon icon = corvella::Icon::None,
                 const std::string& title = {}) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    corvella::Answer askYesNoCancel(const std::string& text, const std::string& title) override;
    corvella::Answer askSaveChanges(const std::string& text, const std::string& title) override;
    corvella::Answer askReloadOrOverwrite(const std::string& text,
                                          const std::string& title) override;
    corvella::Answer askThreeWay(const std::string& text, const std::string& title,
                                 const corvella::ThreeButtons& buttons) override;
    std::optional<std::string> chooseItem(const std::string& prompt, const std::string& title,
                                          const std::vector<std::string>& items) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    // Starts in the process's working folder.
    std::optional<std::filesystem::path> openFile(const std::string& filter) override;
    corvella::SaveWindowButton saveWindow(std::string& nameBox) override;
    corvella::Date today() override;
    // The platform's print dialog (its "Print to File (PDF)" included) over one printer
    // that keeps the operator's choice for the next printout.
    bool choosePrinter() override;
    // Draws the page on that printer; the first printout of a run asks for the printer.
    bool printPage(const corvella::TextPage& page) override;
    // A picture of a window on one page, scaled in proportion and turned to the picture's
    // shape, after the print dialog (on the printer chosen last). False when cancelled;
    // a failure is told in a message.
    bool printImage(const QPixmap& image);
    QPrinter& printer();
    // Paints on the printer; a PDF file it prints to is replaced whole, as every file is.
    // Throws Error.
    void paintOnPrinter(const std::function<void(QPrinter&)>& paint);
    ~QtUi() override;

  private:
    QWidget* parent_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    bool printerChosen_ = false;
};
