#pragma once
// What the windows "W-2 and W-3" and "Form 941" have alike: their warnings under the
// table, their buttons, the file dialog of Save as CSV, and their size.
#include <QString>
#include <string>
#include <vector>

class QDialog;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace corvella::gui {

// The list of a worksheet's warnings and its caption, both hidden while there are none.
struct WarningsList {
    QLabel* caption;
    QListWidget* list;

    WarningsList(const char* name, QWidget* parent);
    void show(const std::vector<std::string>& warnings);
};

// A button that Enter does not press.
QPushButton* commandButton(const char* name, const QString& text, QWidget* parent);

// The file dialog of Save as CSV, on `suggested` in `folder`; ".csv" added to a name
// typed without an extension; empty when cancelled.
QString chooseCsvFile(QWidget* parent, const std::string& folder, const QString& suggested);

// Within a 1024x768 screen with room for a title bar.
void fitWorksheetWindow(QDialog* w, int width, int height);

}  // namespace corvella::gui
