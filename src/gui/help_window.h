#pragma once
// The help window: the program's HTML help shown at its start page.
#include <QDialog>
#include <filesystem>

class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    // The help of the working folder (help/index.html) when it has one, else the
    // help shipped with the program.
    explicit HelpWindow(const std::filesystem::path& workingFolder, QWidget* parent = nullptr);
    static std::filesystem::path startPage(const std::filesystem::path& workingFolder);
    // The help page at the part named `anchor` ("leave").
    void showTopic(const QString& anchor);

  private:
    QTextBrowser* browser_;
};
