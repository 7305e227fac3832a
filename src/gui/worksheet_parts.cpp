#include "gui/worksheet_parts.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace corvella::gui {

WarningsList::WarningsList(const char* name, QWidget* parent)
    : caption(new QLabel(QStringLiteral("Check before filing:"), parent)),
      list(new QListWidget(parent)) {
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(QStringLiteral("Check before filing"));
    list->setWordWrap(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    // Four lines, then a scroll bar: the table keeps the room.
    list->setFixedHeight(list->fontMetrics().lineSpacing() * 4 + 2 * list->frameWidth() + 4);
    caption->setBuddy(list);
    show({});
}

void WarningsList::show(const std::vector<std::string>& warnings) {
    list->clear();
    for (const std::string& w : warnings) list->addItem(QString::fromStdString(w));
    caption->setVisible(!warnings.empty());
    list->setVisible(!warnings.empty());
}

QPushButton* commandButton(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    QString plain = text;
    b->setAccessibleName(plain.remove(QLatin1Char('&')).remove(QString::fromUtf8("…")));
    b->setAutoDefault(false);
    return b;
}

QString chooseCsvFile(QWidget* parent, const std::string& folder, const QString& suggested) {
    const QString start = QDir(QString::fromStdString(folder)).filePath(suggested);
    QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Save as CSV"), start,
                                                QStringLiteral("CSV Files (*.csv)"));
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".csv");
    return file;
}

void fitWorksheetWindow(QDialog* w, int width, int height) {
    QSize size(width, height);
    if (const QScreen* sc = w->screen())
        size = size.boundedTo(sc->availableGeometry().size() - QSize(16, 72));
    w->resize(size);
}

}  // namespace corvella::gui
