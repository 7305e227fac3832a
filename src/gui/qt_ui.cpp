#include "gui/qt_ui.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "common/errors.h"
#include "common/fileio.h"
#include "gui/render/page_painter.h"
#include "gui/select_all_on_focus.h"
#include "shell/messages.h"

using corvella::SaveWindowButton;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

const char* const kDefaultTitle = "QUORVANE SOFTWARE";

}  // namespace

QString wrappable(const std::string& text) {
    // A message box wraps only at blanks: a long name or path would widen it past the
    // screen. A zero-width space every so often gives the line somewhere to break.
    constexpr int kLongestRun = 40;
    const QString in = QString::fromStdString(text);
    QString out;
    out.reserve(in.size() + in.size() / kLongestRun);
    int run = 0;
    for (QChar c : in) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestRun) {
            out += QChar(0x200B);
            run = 1;
        }
        out += c;
    }
    return out;
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = q(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of the description.
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('(')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    if (filters.isEmpty() && !parts.isEmpty() && !parts[0].isEmpty()) filters << parts[0];
    return filters.join(QStringLiteral(";;"));
}

SaveUserDialog::SaveUserDialog(const QString& name, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSaveUser"));
    setWindowTitle(QStringLiteral("Save User"));
    setModal(true);

    auto* label1 = new QLabel(QStringLiteral("Before opening a user file,"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("Do you want to save this user?"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    txtSaveUser_ = new QLineEdit(name, this);
    txtSaveUser_->setObjectName(QStringLiteral("txtSaveUser"));
    txtSaveUser_->setPlaceholderText(QStringLiteral("File that is already opened."));
    txtSaveUser_->setMinimumWidth(260);
    SelectAllOnFocus::install(txtSaveUser_);

    auto* save = new QPushButton(QStringLiteral("&Save"), this);
    save->setObjectName(QStringLiteral("cmdSaveUser"));
    save->setDefault(true);
    auto* no = new QPushButton(QStringLiteral("&No"), this);
    no->setObjectName(QStringLiteral("cmdEnd"));
    auto* quit = new QPushButton(QStringLiteral("&Quit"), this);
    quit->setObjectName(QStringLiteral("cmdQuit"));
    connect(save, &QPushButton::clicked, this, [this] { choose(SaveWindowButton::Save); });
    connect(no, &QPushButton::clicked, this, [this] { choose(SaveWindowButton::No); });
    connect(quit, &QPushButton::clicked, this, [this] { choose(SaveWindowButton::Quit); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(no);
    buttons->addWidget(quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addSpacing(6);
    layout->addWidget(txtSaveUser_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    txtSaveUser_->setFocus();
}

QString SaveUserDialog::name() const {
    return txtSaveUser_->text();
}

void SaveUserDialog::choose(SaveWindowButton b) {
    button_ = b;
    accept();
}

void QtUi::message(const std::string& text, corvella::Icon icon, const std::string& title) {
    QMessageBox box(parent_);
    box.setWindowTitle(title.empty() ? QString::fromLatin1(kDefaultTitle) : q(title));
    box.setTextFormat(Qt::PlainText);  // file names and typed names may hold '<'
    box.setText(wrappable(text));
    box.setIcon(icon == corvella::Icon::Warning       ? QMessageBox::Warning
                : icon == corvella::Icon::Information ? QMessageBox::Information
                                                      : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtUi::askYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(parent_);
    box.setWindowTitle(q(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(wrappable(text));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

namespace {

// A question whose third button, Esc and close box cancel.
corvella::Answer askWithCancel(QWidget* parent, const std::string& text, const std::string& title,
                               QMessageBox::StandardButton yes, QMessageBox::StandardButton no) {
    QMessageBox box(parent);
    box.setWindowTitle(q(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(wrappable(text));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(yes | no | QMessageBox::Cancel);
    box.setDefaultButton(yes);
    box.setEscapeButton(QMessageBox::Cancel);
    const int chosen = box.exec();
    if (chosen == yes) return corvella::Answer::Yes;
    if (chosen == no) return corvella::Answer::No;
    return corvella::Answer::Cancel;
}

}  // namespace

corvella::Answer QtUi::askYesNoCancel(const std::string& text, const std::string& title) {
    return askWithCancel(parent_, text, title, QMessageBox::Yes, QMessageBox::No);
}

corvella::Answer QtUi::askSaveChanges(const std::string& text, const std::string& title) {
    return askWithCancel(parent_, text, title, QMessageBox::Save, QMessageBox::Discard);
}

corvella::Answer QtUi::askReloadOrOverwrite(const std::string& text, const std::string& title) {
    QMessageBox box(parent_);
    box.setWindowTitle(q(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(wrappable(text));
    box.setIcon(QMessageBox::Warning);
    QPushButton* reload = box.addButton(QObject::tr("&Reload"), QMessageBox::AcceptRole);
    QPushButton* overwrite = box.addButton(QObject::tr("&Overwrite"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    // Enter loses nobody's changes.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == reload) return corvella::Answer::Yes;
    if (box.clickedButton() == overwrite) return corvella::Answer::No;
    return corvella::Answer::Cancel;
}

corvella::Answer QtUi::askThreeWay(const std::string& text, const std::string& title,
                                   const corvella::ThreeButtons& buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(q(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(wrappable(text));
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton(q(buttons.yes), QMessageBox::YesRole);
    yes->setObjectName(QStringLiteral("cmdYes"));
    QPushButton* no = box.addButton(q(buttons.no), QMessageBox::NoRole);
    no->setObjectName(QStringLiteral("cmdNo"));
    QPushButton* cancel = box.addButton(q(buttons.cancel), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return corvella::Answer::Yes;
    if (box.clickedButton() == no) return corvella::Answer::No;
    return corvella::Answer::Cancel;
}

std::optional<std::string> QtUi::inputBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) {
    bool ok = false;
    QString text =
        QInputDialog::getText(parent_, q(title), q(prompt), QLineEdit::Normal, q(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtUi::chooseItem(const std::string& prompt, const std::string& title,
                                            const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) list << q(item);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent_, q(title), q(prompt), list, 0, false, &ok);
    if (!ok) return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::filesystem::path> QtUi::openFile(const std::string& filter) {
    const QString qtFilter = qtFileFilter(filter);
    QString selected = qtFilter.section(QStringLiteral(";;"), 0, 0);
    QString file =
        QFileDialog::getOpenFileName(parent_, QString(), QDir::currentPath(), qtFilter, &selected);
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(QDir::toNativeSeparators(file).toStdString());
}

SaveWindowButton QtUi::saveWindow(std::string& nameBox) {
    SaveUserDialog dialog(q(nameBox), parent_);
    dialog.exec();
    // A name typed and then abandoned with "&No" or the close box is not kept.
    if (dialog.button() == SaveWindowButton::Save) nameBox = dialog.name().toStdString();
    return dialog.button();
}

corvella::Date QtUi::today() {
    const QDate d = QDate::currentDate();
    return corvella::Date{d.year(), d.month(), d.day()};
}

QtUi::~QtUi() = default;

QPrinter& QtUi::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageLayout(corvella::render::defaultPageLayout());
        printer_->setDocName(QStringLiteral("Corvella"));
    }
    return *printer_;
}

bool QtUi::choosePrinter() {
    QPrintDialog dialog(&printer(), parent_);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted) return false;
    printerChosen_ = true;
    return true;
}

bool QtUi::printPage(const corvella::TextPage& page) {
    if (!printerChosen_ && !choosePrinter()) return false;
    paintOnPrinter([&](QPrinter& p) { corvella::render::drawPage(page, p); });
    return true;
}

bool QtUi::printImage(const QPixmap& image) {
    if (!choosePrinter()) return false;
    try {
        paintOnPrinter([&](QPrinter& printer) {
            printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
            QPainter painter;
            if (!painter.begin(&printer))
                throw corvella::Error("the printer or file could not be opened for printing");
            const QRect page = painter.viewport();
            const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(QRect(QPoint(0, 0), size), image);
            painter.end();
        });
    } catch (const corvella::Error& e) {
        message(corvella::messages::notPrinted(e), corvella::Icon::Warning);
        return false;
    }
    return true;
}

void QtUi::paintOnPrinter(const std::function<void(QPrinter&)>& paint) {
    QPrinter& p = printer();
    const QString target = p.outputFileName();
    if (p.outputFormat() != QPrinter::PdfFormat || target.isEmpty()) return paint(p);
    corvella::FileWriter writer;
    try {
        writer.writeThrough(target.toStdString(), [&](const std::filesystem::path& temporary) {
            p.setOutputFileName(QString::fromStdString(temporary.string()));
            paint(p);  // the file is complete once the painter has ended
        });
    } catch (...) {
        p.setOutputFileName(target);
        throw;
    }
    p.setOutputFileName(target);
}
