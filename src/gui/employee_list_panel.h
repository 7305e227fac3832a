#pragma once
// The employee list beside the main window: every employee of the working folder with
// its pay frequency and state, a filter box, and the current employee highlighted.
// Double-click or Enter opens the employee as File > Open does. The list follows the
// folder as files are created, saved or deleted.
#include <QWidget>
#include <string>

#include "shell/session.h"

class QFileSystemWatcher;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QTimer;

namespace corvella::gui {

class EmployeeListPanel : public QWidget {
    Q_OBJECT
  public:
    explicit EmployeeListPanel(Session& s, QWidget* parent = nullptr);
    ~EmployeeListPanel() override;

    // Reads the folder again and shows what matches the filter; the list starts empty
    // until the first call.
    void reload();
    // What the filter box holds.
    QString filterText() const;

  signals:
    // Double-click or Enter on an employee: the main window opens it as File > Open.
    void openRequested(const QString& name);

  private:
    void show(const std::vector<EmployeeEntry>& entries);
    void highlightCurrent();

    Session& session_;
    int observer_ = -1;
    QLineEdit* filter_;
    QTreeWidget* list_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;  // one reload for a burst of changes (a save renames several files)
    std::vector<EmployeeEntry> entries_;
};

}  // namespace corvella::gui
