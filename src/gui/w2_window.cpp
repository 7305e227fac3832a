#include "gui/w2_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/bound_widgets.h"

namespace corvella::gui {

namespace {

// "16 State wages" a word a line, so that the columns take no more room than their
// amounts and all of them fit the window.
QString headerCaption(const char* caption) {
    QString c = QString::fromLatin1(caption);
    if (c.at(0).isDigit()) c.replace(QLatin1Char(' '), QLatin1Char('\n'));
    return c;
}

}  // namespace

W2Window::W2Window(Session& s, QWidget* parent)
    : QDialog(parent), session_(s), model_(&s.w2Screen()), warnings_("lstW2Warnings", this) {
    setObjectName(QStringLiteral("frmW2"));
    setWindowTitle(QStringLiteral("W-2 and W-3"));
    setAccessibleName(QStringLiteral("W-2 and W-3"));
    chooseSaveFile_ = [this] {
        return chooseCsvFile(this, session_.dir.string(),
                             QStringLiteral("W-2 %1.csv").arg(txtW2Year_->text().trimmed()));
    };
    const ModelGuard mine = [this] { return current(); };

    auto* top = new QHBoxLayout;
    auto* yearCaption = new QLabel(QStringLiteral("&Year:"), this);
    txtW2Year_ = new BoundLineEdit(model_->txtW2Year, QStringLiteral("txtW2Year"), this);
    txtW2Year_->setGuard(mine);
    txtW2Year_->setAccessibleName(QStringLiteral("Year"));
    txtW2Year_->setToolTip(QStringLiteral("The year of the forms; Enter shows it"));
    txtW2Year_->setMaxLength(8);
    txtW2Year_->setFixedWidth(
        txtW2Year_->fontMetrics().horizontalAdvance(QStringLiteral("99999999")) + 16);
    txtW2Year_->setSelectAllOnFocus(true);
    yearCaption->setBuddy(txtW2Year_);
    auto* cmdShow = new QPushButton(QStringLiteral("&Show"), this);
    cmdShow->setObjectName(QStringLiteral("cmdW2Show"));
    cmdShow->setAccessibleName(QStringLiteral("Show"));
    cmdShow->setDefault(true);
    connect(cmdShow, &QPushButton::clicked, this, &W2Window::showYear);
    ckShowSsn_ = new BoundCheckBox(model_->ckShowSsn, QStringLiteral("ckShowSsn"),
                                   QStringLiteral("Show Social Security &numbers"), this);
    ckShowSsn_->setAccessibleName(QStringLiteral("Show Social Security numbers"));
    ckShowSsn_->setToolTip(
        QStringLiteral("Off, the table, the printout and the CSV show only the last four digits"));
    connect(ckShowSsn_, &QCheckBox::clicked, this, [this] {
        if (!current()) return;
        ckShowSsn_->toggleModel();
        refresh();
    });
    top->addWidget(yearCaption);
    top->addWidget(txtW2Year_);
    top->addWidget(cmdShow);
    top->addSpacing(24);
    top->addWidget(ckShowSsn_);
    top->addStretch();

    lbW2Shown_ = new BoundLabel(model_->lbW2Shown, QStringLiteral("lbW2Shown"), this);
    lbW2Shown_->setAccessibleName(QStringLiteral("Forms shown"));

    const auto& columns = w2TableColumns();
    table_ = new QTableWidget(0, static_cast<int>(columns.size()), this);
    table_->setObjectName(QStringLiteral("tblW2"));
    table_->setAccessibleName(QStringLiteral("Forms W-2 and the W-3 totals"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (size_t c = 0; c < columns.size(); ++c) {
        auto* item = new QTableWidgetItem(headerCaption(columns[c].caption));
        item->setToolTip(QString::fromLatin1(columns[c].tip));
        table_->setHorizontalHeaderItem(static_cast<int>(c), item);
    }

    auto* buttons = new QHBoxLayout;
    auto* cmdPrint = commandButton("cmdW2Print", QStringLiteral("&Print…"), this);
    connect(cmdPrint, &QPushButton::clicked, this, &W2Window::print);
    auto* cmdSave = commandButton("cmdW2SaveCsv", QStringLiteral("Save as &CSV…"), this);
    connect(cmdSave, &QPushButton::clicked, this, &W2Window::saveCsv);
    auto* cmdClose = commandButton("cmdClose", QStringLiteral("&Close"), this);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(lbW2Shown_);
    root->addWidget(table_, 1);
    root->addWidget(warnings_.caption);
    root->addWidget(warnings_.list);
    root->addLayout(buttons);

    refresh();
    fitWorksheetWindow(this, 1000, 560);
    txtW2Year_->setFocus();
}

bool W2Window::current() const {
    return session_.loadedW2Screen() == model_;
}

void W2Window::refresh() {
    if (!current()) return;
    txtW2Year_->pull();
    ckShowSsn_->pull();
    lbW2Shown_->pull();
    table_->setRowCount(static_cast<int>(model_->rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const W2Row& row = model_->rows[static_cast<size_t>(r)];
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(qs(row.cells[static_cast<size_t>(c)]));
            // Name and number to the left, the amounts to the right.
            item->setTextAlignment(c < 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                         : Qt::AlignRight | Qt::AlignVCenter);
            if (row.totals) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    warnings_.show(model_->warnings);
}

void W2Window::showYear() {
    session_.w2Show();
    refresh();
}

void W2Window::print() {
    session_.w2Print();
    refresh();
}

void W2Window::saveCsv() {
    const QString file = chooseSaveFile_ ? chooseSaveFile_() : QString();
    if (file.isEmpty()) return;
    session_.w2SaveCsv(std::filesystem::path(file.toStdString()));
    refresh();
}

void W2Window::done(int r) {
    if (current()) session_.w2Close();
    QDialog::done(r);
}

}  // namespace corvella::gui
