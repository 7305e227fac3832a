#include "gui/form941_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/bound_widgets.h"

namespace corvella::gui {

Form941Window::Form941Window(Session& s, QWidget* parent)
    : QDialog(parent), session_(s), model_(&s.form941Screen()), warnings_("lst941Warnings", this) {
    setObjectName(QStringLiteral("frm941"));
    setWindowTitle(QStringLiteral("Form 941"));
    setAccessibleName(QStringLiteral("Form 941"));
    chooseSaveFile_ = [this] {
        return chooseCsvFile(
            this, session_.dir.string(),
            QStringLiteral("Form 941 %1 Q%2.csv")
                .arg(txt941Year_->text().trimmed(), txt941Quarter_->text().trimmed()));
    };
    const ModelGuard mine = [this] { return current(); };

    auto box = [&](TextBox& model, const char* name, const QString& accessible, const QString& tip,
                   const QString& widest) {
        auto* e = new BoundLineEdit(model, QLatin1String(name), this);
        e->setGuard(mine);
        e->setAccessibleName(accessible);
        e->setToolTip(tip);
        e->setMaxLength(8);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(widest) + 16);
        e->setSelectAllOnFocus(true);
        return e;
    };
    auto* top = new QHBoxLayout;
    auto* yearCaption = new QLabel(QStringLiteral("&Year:"), this);
    txt941Year_ = box(model_->txt941Year, "txt941Year", QStringLiteral("Year"),
                      QStringLiteral("The year of the quarter"), QStringLiteral("99999999"));
    yearCaption->setBuddy(txt941Year_);
    auto* quarterCaption = new QLabel(QStringLiteral("&Quarter:"), this);
    txt941Quarter_ = box(model_->txt941Quarter, "txt941Quarter", QStringLiteral("Quarter"),
                         QStringLiteral("1 to 4; Enter shows it"), QStringLiteral("9999"));
    quarterCaption->setBuddy(txt941Quarter_);
    auto* cmdShow = new QPushButton(QStringLiteral("&Show"), this);
    cmdShow->setObjectName(QStringLiteral("cmd941Show"));
    cmdShow->setAccessibleName(QStringLiteral("Show"));
    cmdShow->setDefault(true);
    connect(cmdShow, &QPushButton::clicked, this, &Form941Window::showQuarter);
    top->addWidget(yearCaption);
    top->addWidget(txt941Year_);
    top->addSpacing(12);
    top->addWidget(quarterCaption);
    top->addWidget(txt941Quarter_);
    top->addWidget(cmdShow);
    top->addStretch();

    lb941Shown_ = new BoundLabel(model_->lb941Shown, QStringLiteral("lb941Shown"), this);
    lb941Shown_->setAccessibleName(QStringLiteral("Quarter shown"));

    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("tbl941"));
    table_->setAccessibleName(QStringLiteral("Lines of Form 941"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Amount")});
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    table_->setColumnWidth(
        1, table_->fontMetrics().horizontalAdvance(QStringLiteral("999,999,999.99")) + 24);

    auto* buttons = new QHBoxLayout;
    auto* cmdPrint = commandButton("cmd941Print", QStringLiteral("&Print…"), this);
    connect(cmdPrint, &QPushButton::clicked, this, &Form941Window::print);
    auto* cmdSave = commandButton("cmd941SaveCsv", QStringLiteral("Save as &CSV…"), this);
    connect(cmdSave, &QPushButton::clicked, this, &Form941Window::saveCsv);
    auto* cmdClose = commandButton("cmdClose", QStringLiteral("&Close"), this);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(lb941Shown_);
    root->addWidget(table_, 1);
    root->addWidget(warnings_.caption);
    root->addWidget(warnings_.list);
    root->addLayout(buttons);

    refresh();
    fitWorksheetWindow(this, 900, 660);
    txt941Year_->setFocus();
}

bool Form941Window::current() const {
    return session_.loadedForm941Screen() == model_;
}

void Form941Window::refresh() {
    if (!current()) return;
    txt941Year_->pull();
    txt941Quarter_->pull();
    lb941Shown_->pull();
    table_->setRowCount(static_cast<int>(model_->lines.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const WorksheetLine& line = model_->lines[static_cast<size_t>(r)];
        auto* caption = new QTableWidgetItem(qs(line.caption));
        caption->setToolTip(qs(line.caption));
        auto* amount = new QTableWidgetItem(qs(line.amount));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A heading (line 16's) stands out from the amounts under it.
        if (line.amount.empty()) {
            QFont bold = caption->font();
            bold.setBold(true);
            caption->setFont(bold);
        }
        table_->setItem(r, 0, caption);
        table_->setItem(r, 1, amount);
    }
    warnings_.show(model_->warnings);
}

void Form941Window::showQuarter() {
    session_.form941Show();
    refresh();
}

void Form941Window::print() {
    session_.form941Print();
    refresh();
}

void Form941Window::saveCsv() {
    const QString file = chooseSaveFile_ ? chooseSaveFile_() : QString();
    if (file.isEmpty()) return;
    session_.form941SaveCsv(std::filesystem::path(file.toStdString()));
    refresh();
}

void Form941Window::done(int r) {
    if (current()) session_.form941Close();
    QDialog::done(r);
}

}  // namespace corvella::gui
