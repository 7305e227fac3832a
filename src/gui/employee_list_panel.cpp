#include "gui/employee_list_panel.h"

#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvella::gui {

EmployeeListPanel::EmployeeListPanel(Session& s, QWidget* parent) : QWidget(parent), session_(s) {
    setObjectName(QStringLiteral("employeeList"));
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("txtEmployeeFilter"));
    filter_->setPlaceholderText(QStringLiteral("Filter employees"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstEmployees"));
    list_->setHeaderLabels(
        {QStringLiteral("Employee"), QStringLiteral("Paid"), QStringLiteral("State")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSortingEnabled(false);  // the core's order: by name without regard to case
    list_->header()->setStretchLastSection(true);
    list_->setToolTip(QStringLiteral("Double-click or press Enter to open the employee"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(filter_);
    layout->addWidget(list_);

    watcher_ = new QFileSystemWatcher(this);
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(150);
    connect(settle_, &QTimer::timeout, this, &EmployeeListPanel::reload);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(filter_, &QLineEdit::textChanged, this, [this] { show(entries_); });
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item) emit openRequested(item->data(0, Qt::UserRole).toString());
    });
    observer_ = session_.onChange([this] { highlightCurrent(); });
    // The main window fills the list once it is shown.
}

EmployeeListPanel::~EmployeeListPanel() {
    session_.removeOnChange(observer_);
}

void EmployeeListPanel::reload() {
    // Its icon is the desktop theme's, whose first search is worth a few milliseconds of
    // start-up: it comes with the first list.
    filter_->setClearButtonEnabled(true);
    const QString folder = QString::fromStdString(session_.dir.string());
    if (watcher_->directories() != QStringList{folder}) {
        if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
        watcher_->addPath(folder);
    }
    entries_ = session_.employeeList();
    show(entries_);
}

QString EmployeeListPanel::filterText() const {
    return filter_->text();
}

void EmployeeListPanel::show(const std::vector<EmployeeEntry>& entries) {
    const std::string filter = filter_->text().toStdString();
    list_->clear();
    for (const EmployeeEntry& e : entries) {
        if (!entryMatches(e, filter)) continue;
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(e.name));
        item->setText(1, QString::fromStdString(e.frequency));
        item->setText(2, QString::fromStdString(e.damaged ? "(files damaged)" : e.state));
        item->setData(0, Qt::UserRole, QString::fromStdString(e.name));
    }
    highlightCurrent();
}

void EmployeeListPanel::highlightCurrent() {
    const QString current = QString::fromStdString(session_.CurrentUser);
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        const bool isCurrent = !current.isEmpty() && item->data(0, Qt::UserRole) == current;
        QFont f = item->font(0);
        if (f.bold() != isCurrent) {
            f.setBold(isCurrent);
            for (int c = 0; c < 3; ++c) item->setFont(c, f);
        }
        if (isCurrent) list_->setCurrentItem(item);
    }
    // After the bold: the open employee's row is the widest.
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);
}

}  // namespace corvella::gui
