#include "gui/payroll_run_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/main_window.h"
#include "gui/date_picker.h"
#include "shell/session.h"
#include "store/pay_period.h"

namespace corvella::gui {

namespace {

using Col = PayrollRunWindow::Column;

const QString kUnreadable = QStringLiteral("(damaged)");

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

bool isBox(int column) {
    return column >= Col::colBox0 && column < Col::colBox0 + 8;
}

// A long caption over a narrow column: its words on lines of at most `width` characters.
QString wrapped(const QString& caption, int width) {
    QStringList lines;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && lines.back().size() + 1 + word.size() <= width)
            lines.back() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines.join(QLatin1Char('\n'));
}

QLabel* moneyLabel(const char* name, const QString& accessible, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setAccessibleName(accessible);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("$99,999,999.99")) + 12);
    l->setContentsMargins(4, 1, 4, 1);
    return l;
}

}  // namespace

// The table. Its first and last columns stay in sight while the columns between them
// scroll (views over the same cells, laid over its edges), and the cell being edited can
// be kept before a command reads the rows.
class RunTable : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;

    void commitEditing() {
        if (state() != EditingState) return;
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

    // Once the columns are made and sized.
    void freeze(int leftColumns, int rightColumns) {
        left_ = leftColumns;
        right_ = rightColumns;
        setHorizontalScrollMode(ScrollPerPixel);
        setVerticalScrollMode(ScrollPerPixel);
        edges_[0] = overlay(QStringLiteral("tblRunNames"), QStringLiteral("Employees"), 0, left_);
        edges_[1] =
            overlay(QStringLiteral("tblRunFigures"), QStringLiteral("Figures of each employee"),
                    columnCount() - right_, columnCount());
        placeEdges();
    }

    void setRowShown(int row, bool shown) {
        setRowHidden(row, !shown);
        for (QTableView* e : edges_)
            if (e) e->setRowHidden(row, !shown);
    }

    void setCellSpan(int row, int column, int columns) {
        if (columnSpan(row, column) == columns) return;
        setSpan(row, column, 1, columns);
        for (QTableView* e : edges_)
            if (e) e->setSpan(row, column, 1, columns);
    }

  protected:
    void updateGeometries() override {
        QTableWidget::updateGeometries();
        placeEdges();
    }

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
        reveal(next);
        return next;
    }

    void scrollTo(const QModelIndex& index, ScrollHint hint) override {
        // A cell of an edge is in sight already: only its row needs to be.
        const int across = horizontalScrollBar()->value();
        QTableWidget::scrollTo(index, hint);
        if (frozen(index.column()))
            horizontalScrollBar()->setValue(across);
        else
            reveal(index);
    }

  private:
    bool frozen(int column) const {
        return left_ + right_ > 0 && (column < left_ || column >= columnCount() - right_);
    }

    int width(int from, int to) const {
        int w = 0;
        for (int c = from; c < to; ++c) w += columnWidth(c);
        return w;
    }

    QTableView* overlay(const QString& name, const QString& accessible, int from, int to) {
        auto* v = new QTableView(this);
        v->setObjectName(name);
        v->setAccessibleName(accessible);
        v->setModel(model());
        v->setSelectionModel(selectionModel());
        v->setFocusPolicy(Qt::NoFocus);
        v->setEditTriggers(NoEditTriggers);
        v->verticalHeader()->hide();
        v->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        v->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        v->horizontalHeader()->setDefaultAlignment(horizontalHeader()->defaultAlignment());
        v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setVerticalScrollMode(ScrollPerPixel);
        // Its columns never scroll, whatever cell of the table is the current one.
        v->setAutoScroll(false);
        QScrollBar* across = v->horizontalScrollBar();
        connect(across, &QAbstractSlider::valueChanged, v, [across] { across->setValue(0); });
        v->setWordWrap(false);
        v->setFrameShape(QFrame::NoFrame);
        for (int c = 0; c < columnCount(); ++c) {
            v->setColumnHidden(c, c < from || c >= to);
            v->setColumnWidth(c, columnWidth(c));
        }
        v->raise();  // over the cells and headers it stands for
        connect(v->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
                &QAbstractSlider::setValue);
        connect(verticalScrollBar(), &QAbstractSlider::valueChanged, v->verticalScrollBar(),
                &QAbstractSlider::setValue);
        v->show();
        return v;
    }

    void placeEdges() {
        if (!edges_[0]) return;
        const int height = viewport()->height() + horizontalHeader()->height();
        const int f = frameWidth();
        for (QTableView* e : edges_)
            e->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
        edges_[0]->setGeometry(f, f, width(0, left_), height);
        // Where the last columns are when scrolled to the end (or all in sight).
        const int all = width(0, columnCount());
        const int rightWidth = width(columnCount() - right_, columnCount());
        edges_[1]->setGeometry(f + std::min(all, viewport()->width()) - rightWidth, f, rightWidth,
                               height);
    }

    // Scrolls a cell between the edges into sight between them.
    void reveal(const QModelIndex& index) {
        if (!index.isValid() || frozen(index.column()) || !edges_[0]) return;
        const QRect cell = visualRect(index);
        const int from = edges_[0]->width();
        const int to = edges_[1]->x() - frameWidth();
        QScrollBar* bar = horizontalScrollBar();
        if (cell.left() < from)
            bar->setValue(bar->value() + cell.left() - from);
        else if (cell.right() >= to)
            bar->setValue(bar->value() + cell.right() - to + 1);
    }

    int left_ = 0, right_ = 0;
    QTableView* edges_[2] = {nullptr, nullptr};
};

namespace {

// The editors of the typed cells take what their column can hold; Enter in one keeps
// the cell, then posts.
class RunDelegate : public QStyledItemDelegate {
  public:
    RunDelegate(std::function<void()> enter, QObject* parent)
        : QStyledItemDelegate(parent), enter_(std::move(enter)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* e = new QLineEdit(parent);
        e->setFrame(false);
        if (index.column() == Col::colWeek) {
            e->setAlignment(Qt::AlignCenter);
            e->setAccessibleName(QStringLiteral("Week"));
            // Empty, or a ledger week from 1 to 53.
            e->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("|[1-9]|[1-4][0-9]|5[0-3]")), e));
        } else {
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            e->setAccessibleName(
                QString::fromLatin1(amountBoxCaption(index.column() - Col::colBox0)));
            // The entry boxes' key filter.
            e->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9 .\\-]*")), e));
            e->setMaxLength(20);
        }
        return e;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto* editor = qobject_cast<QWidget*>(watched);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                enter_();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

  private:
    std::function<void()> enter_;
};

}  // namespace

PayrollRunWindow::PayrollRunWindow(Session& s, const QString& filter, QWidget* parent)
    : QDialog(parent), session_(s), model_(s, filter.toStdString()) {
    setObjectName(QStringLiteral("frmPayrollRun"));
    setWindowTitle(QStringLiteral("Payroll Run"));
    setAccessibleName(QStringLiteral("Payroll Run"));
    chooseSaveFile_ = [this] {
        const QString start = QDir(q(session_.dir.string())).filePath(QStringLiteral("HOURS.csv"));
        return QFileDialog::getSaveFileName(this, QStringLiteral("Save Hours"), start,
                                            QStringLiteral("Hours Files (*.csv)"));
    };

    // The week: its ending date and the ledger week it is posted in.
    auto* top = new QHBoxLayout;
    auto* weekEndingCaption = new QLabel(QStringLiteral("&Week ending:"), this);
    txtWeekEnding_ = new QLineEdit(this);
    txtWeekEnding_->setObjectName(QStringLiteral("txtRunWeekEnding"));
    txtWeekEnding_->setAccessibleName(QStringLiteral("Week ending"));
    txtWeekEnding_->setToolTip(QStringLiteral("The week-ending date, month/day/year"));
    txtWeekEnding_->setMaxLength(10);
    txtWeekEnding_->setFixedWidth(
        txtWeekEnding_->fontMetrics().horizontalAdvance(QStringLiteral("99/99/99999")) + 16);
    txtWeekEnding_->installEventFilter(this);
    weekEndingCaption->setBuddy(txtWeekEnding_);
    cmdPickWeek_ = new QToolButton(this);
    cmdPickWeek_->setObjectName(QStringLiteral("cmdRunWeekPicker"));
    cmdPickWeek_->setText(QStringLiteral("…"));
    cmdPickWeek_->setAccessibleName(QStringLiteral("Pick the week ending from a calendar"));
    cmdPickWeek_->setToolTip(QStringLiteral("Pick the week ending from a calendar"));
    connect(cmdPickWeek_, &QToolButton::clicked, this, &PayrollRunWindow::pickWeekEnding);
    auto* weekCaption = new QLabel(QStringLiteral("Led&ger week:"), this);
    spnWeek_ = new QSpinBox(this);
    spnWeek_->setObjectName(QStringLiteral("spnRunWeek"));
    spnWeek_->setAccessibleName(QStringLiteral("Ledger week"));
    spnWeek_->setToolTip(QStringLiteral("The ledger week to post in, for rows without their own"));
    spnWeek_->setRange(1, 53);
    spnWeek_->setKeyboardTracking(false);  // one recomputation for "12", not two
    weekCaption->setBuddy(spnWeek_);
    connect(spnWeek_, &QSpinBox::valueChanged, this, &PayrollRunWindow::applyWeek);
    auto* filterCaption = new QLabel(QStringLiteral("&Filter:"), this);
    txtFilter_ = new QLineEdit(this);
    txtFilter_->setObjectName(QStringLiteral("txtRunFilter"));
    txtFilter_->setAccessibleName(QStringLiteral("Filter employees"));
    txtFilter_->setPlaceholderText(QStringLiteral("Name, state or frequency"));
    txtFilter_->setToolTip(QStringLiteral("Only the employees shown are in the run"));
    txtFilter_->setClearButtonEnabled(true);
    filterCaption->setBuddy(txtFilter_);
    connect(txtFilter_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setFilter(text.toStdString());
        refreshAll();
    });
    top->addWidget(weekEndingCaption);
    top->addWidget(txtWeekEnding_);
    top->addWidget(cmdPickWeek_);
    top->addSpacing(16);
    top->addWidget(weekCaption);
    top->addWidget(spnWeek_);
    top->addSpacing(16);
    top->addWidget(filterCaption);
    top->addWidget(txtFilter_, 1);

    // The table.
    table_ = new RunTable(this);
    table_->setObjectName(QStringLiteral("tblRun"));
    table_->setAccessibleName(QStringLiteral("Employees of the run"));
    table_->setColumnCount(columnCount);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    table_->setTabKeyNavigation(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->setVisible(false);
    table_->setItemDelegate(new RunDelegate([this] { postAll(); }, table_));
    const int money = fontMetrics().horizontalAdvance(QStringLiteral("$9,999.99")) + 16;
    const int hours = fontMetrics().horizontalAdvance(QStringLiteral("9999.99")) + 16;
    // Wide enough for its caption, which shows bold while its column is the current one.
    QFont captionFont = table_->horizontalHeader()->font();
    captionFont.setBold(true);
    const QFontMetrics captionMetrics(captionFont);
    auto header = [&](int column, const QString& text, const QString& tip, int least) {
        auto* item = new QTableWidgetItem(text);
        item->setToolTip(tip);
        table_->setHorizontalHeaderItem(column, item);
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, captionMetrics.horizontalAdvance(line));
        table_->setColumnWidth(column, std::max(least, widest + 16));
    };
    header(colInclude, QStringLiteral("Pay"),
           QStringLiteral("In the run: untick an employee to leave out"), 0);
    header(colName, QStringLiteral("Name"), QStringLiteral("Employee"), 0);
    header(colFrequency, QStringLiteral("Paid"), QStringLiteral("Pay frequency"),
           fontMetrics().horizontalAdvance(kUnreadable) + 16);
    for (int i = 0; i < 8; ++i) {
        const QString caption = QString::fromLatin1(amountBoxCaption(i));
        header(colBox0 + i, wrapped(caption, 9), caption, hours);
    }
    header(colOt2x, QStringLiteral("2X"), QStringLiteral("Overtime paid double"), 0);
    header(colWeek, QStringLiteral("Week"),
           QStringLiteral("Its own ledger week; empty for the run's"), 0);
    header(colGross, QStringLiteral("Gross"), QStringLiteral("Gross pay"), money);
    header(colTaxes, QStringLiteral("Taxes"), QStringLiteral("Taxes"), money);
    header(colDeductions, QStringLiteral("Deductions"), QStringLiteral("Deductions"), money);
    header(colNet, QStringLiteral("Net"), QStringLiteral("Net pay"), money);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table_->horizontalHeader()->setStretchLastSection(false);

    const auto& rows = model_.rows();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const PayrollRunRow& row = rows[static_cast<size_t>(r)];
        for (int c = 0; c < columnCount; ++c) {
            auto* item = new QTableWidgetItem;
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (c == colInclude || c == colOt2x) {
                flags |= Qt::ItemIsUserCheckable;
                item->setData(Qt::AccessibleTextRole,
                              (c == colInclude ? QStringLiteral("Pay ")
                                               : QStringLiteral("Overtime paid double for ")) +
                                  q(row.name));
            } else if (isBox(c) || c == colWeek) {
                flags |= Qt::ItemIsEditable;
            }
            item->setFlags(flags);
            if (isBox(c) || c >= colGross)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            else if (c == colWeek)
                item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r, c, item);
        }
        table_->item(r, colName)->setText(q(row.name));
        table_->item(r, colFrequency)
            ->setText(row.frequency.empty() ? kUnreadable : q(row.frequency));
    }
    // Long names are cut short rather than push the figures out of sight.
    table_->resizeColumnToContents(colName);
    table_->setColumnWidth(colName,
                           std::clamp(table_->columnWidth(colName), 110,
                                      fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14));
    // Who and what each is paid stay in sight while the boxes scroll between them.
    table_->freeze(colFrequency, columnCount - colGross);
    connect(table_, &QTableWidget::cellChanged, this, &PayrollRunWindow::cellChanged);

    // The totals of the rows in the run.
    auto* totals = new QHBoxLayout;
    lbTotalsCaption_ = new QLabel(this);
    lbTotalsCaption_->setObjectName(QStringLiteral("lbRunTotals"));
    QFont bold = lbTotalsCaption_->font();
    bold.setBold(true);
    lbTotalsCaption_->setFont(bold);
    totals->addWidget(lbTotalsCaption_);
    totals->addStretch();
    lbTotGross_ = moneyLabel("lbRunTotGross", QStringLiteral("Total gross pay"), this);
    lbTotTaxes_ = moneyLabel("lbRunTotTaxes", QStringLiteral("Total taxes"), this);
    lbTotDeduct_ = moneyLabel("lbRunTotDeduct", QStringLiteral("Total deductions"), this);
    lbTotNet_ = moneyLabel("lbRunTotNet", QStringLiteral("Total net pay"), this);
    const std::pair<const char*, QLabel*> sums[] = {{"Gross", lbTotGross_},
                                                    {"Taxes", lbTotTaxes_},
                                                    {"Deductions", lbTotDeduct_},
                                                    {"Net", lbTotNet_}};
    for (auto [caption, value] : sums) {
        totals->addSpacing(8);
        totals->addWidget(new QLabel(QLatin1String(caption), this));
        totals->addWidget(value);
    }

    // The run's options, the printout, the progress of a run.
    auto* options = new QHBoxLayout;
    chkSkipFailed_ = new QCheckBox(QStringLiteral("Lea&ve out employees that cannot be run"), this);
    chkSkipFailed_->setObjectName(QStringLiteral("chkSkipFailed"));
    chkSkipFailed_->setAccessibleName(QStringLiteral("Leave out employees that cannot be run"));
    chkSkipFailed_->setToolTip(QStringLiteral(
        "Post the others rather than refuse the run when an employee cannot be run"));
    connect(chkSkipFailed_, &QCheckBox::toggled, this, [this](bool on) { model_.skipFailed = on; });
    chkReplace_ = new QCheckBox(QStringLiteral("R&eplace weeks already posted"), this);
    chkReplace_->setObjectName(QStringLiteral("chkReplace"));
    chkReplace_->setAccessibleName(QStringLiteral("Replace weeks already posted"));
    connect(chkReplace_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setReplace(on);
        refreshAll();
    });
    options->addWidget(chkSkipFailed_);
    options->addSpacing(16);
    options->addWidget(chkReplace_);
    options->addStretch();
    auto* printGroup = new QGroupBox(QStringLiteral("Print All prints"), this);
    printGroup->setObjectName(QStringLiteral("framePrintKind"));
    auto* printLayout = new QHBoxLayout(printGroup);
    printLayout->setContentsMargins(8, 2, 8, 2);
    optStubs_ = new QRadioButton(QStringLiteral("Pay s&tubs"), printGroup);
    optStubs_->setObjectName(QStringLiteral("optPrintStubs"));
    optStubs_->setAccessibleName(QStringLiteral("Print pay stubs"));
    optStubs_->setChecked(true);
    optChecks_ = new QRadioButton(QStringLiteral("C&hecks with stubs"), printGroup);
    optChecks_->setObjectName(QStringLiteral("optPrintChecks"));
    optChecks_->setAccessibleName(QStringLiteral("Print checks with stubs"));
    printLayout->addWidget(optStubs_);
    printLayout->addWidget(optChecks_);
    options->addWidget(printGroup);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgRun"));
    progress_->setAccessibleName(QStringLiteral("Employees computed"));
    progress_->setFormat(QStringLiteral("%v of %m employees computed"));
    progress_->setVisible(false);

    // The commands. Enter posts wherever it is pressed; other buttons take Space.
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const QString& text, void (PayrollRunWindow::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        QString plain = text;
        b->setAccessibleName(plain.remove(QLatin1Char('&')));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    cmdPostAll_ = button("cmdPostAll", QStringLiteral("&Post All"), &PayrollRunWindow::postAll);
    cmdPostAll_->setDefault(true);
    cmdPrintAll_ = button("cmdPrintAll", QStringLiteral("P&rint All"), &PayrollRunWindow::printAll);
    cmdLoadHours_ =
        button("cmdLoadHours", QStringLiteral("&Load Hours…"), &PayrollRunWindow::loadHours);
    cmdSaveHours_ =
        button("cmdSaveHours", QStringLiteral("&Save Hours…"), &PayrollRunWindow::saveHours);
    cmdClose_ = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAccessibleName(QStringLiteral("Close"));
    cmdClose_->setAutoDefault(false);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(cmdPostAll_);
    buttons->addWidget(cmdPrintAll_);
    buttons->addSpacing(16);
    buttons->addWidget(cmdLoadHours_);
    buttons->addWidget(cmdSaveHours_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(table_, 1);
    root->addLayout(totals);
    root->addLayout(options);
    root->addWidget(progress_);
    root->addLayout(buttons);

    setTabOrder(txtWeekEnding_, cmdPickWeek_);
    setTabOrder(cmdPickWeek_, spnWeek_);
    setTabOrder(spnWeek_, txtFilter_);
    setTabOrder(txtFilter_, table_);

    txtFilter_->setText(q(model_.filter()));
    txtWeekEnding_->setText(q(model_.weekEnding()));
    refreshAll();
    // Within a 1024x768 screen with room for a title bar; the table scrolls.
    QSize size(1000, 640);
    if (const QScreen* sc = screen())
        size = size.boundedTo(sc->availableGeometry().size() - QSize(16, 72));
    resize(size);
    if (table_->rowCount()) table_->setCurrentCell(0, colBox0);
    table_->setFocus();
}

PayrollRunWindow::~PayrollRunWindow() = default;

void PayrollRunWindow::refreshRow(int r) {
    const PayrollRunRow& row = model_.rows()[static_cast<size_t>(r)];
    const bool wasUpdating = updating_;
    updating_ = true;
    auto set = [&](int c, const QString& text) {
        QTableWidgetItem* item = table_->item(r, c);
        if (item->text() != text) item->setText(text);
    };
    table_->item(r, colInclude)->setCheckState(row.include ? Qt::Checked : Qt::Unchecked);
    table_->item(r, colOt2x)->setCheckState(row.ot2x ? Qt::Checked : Qt::Unchecked);
    for (int i = 0; i < 8; ++i) set(colBox0 + i, q(row.boxes[static_cast<size_t>(i)]));
    set(colWeek, q(row.week));
    const bool refused = row.computed && !row.ready;
    table_->setCellSpan(r, colGross, refused ? 4 : 1);
    QTableWidgetItem* first = table_->item(r, colGross);
    if (refused) {
        // Why, in the place of its figures.
        set(colGross, q(row.reason).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        first->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        first->setForeground(QColor(0xa0, 0x10, 0x10));
        first->setToolTip(q(row.reason));
        for (int c : {colTaxes, colDeductions, colNet}) set(c, QString());
    } else {
        set(colGross, q(row.gross));
        first->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        first->setData(Qt::ForegroundRole, QVariant());
        first->setToolTip(QString());
        set(colTaxes, q(row.taxes));
        set(colDeductions, q(row.deductions));
        set(colNet, q(row.net));
    }
    table_->setRowShown(r, row.shown);
    updating_ = wasUpdating;
}

void PayrollRunWindow::refreshTotals() {
    const PayrollRunTotals t = model_.totals();
    lbTotalsCaption_->setText(
        QStringLiteral("Totals of %1 %2:")
            .arg(t.employees)
            .arg(t.employees == 1 ? QStringLiteral("employee") : QStringLiteral("employees")));
    lbTotalsCaption_->setAccessibleName(lbTotalsCaption_->text());
    lbTotGross_->setText(q(t.gross));
    lbTotTaxes_->setText(q(t.taxes));
    lbTotDeduct_->setText(q(t.deductions));
    lbTotNet_->setText(q(t.net));
}

void PayrollRunWindow::refreshAll() {
    {
        const QSignalBlocker block(spnWeek_);
        spnWeek_->setValue(model_.week());
    }
    if (txtFilter_->text() != q(model_.filter())) txtFilter_->setText(q(model_.filter()));
    for (int r = 0; r < table_->rowCount(); ++r) refreshRow(r);
    refreshTotals();
}

void PayrollRunWindow::cellChanged(int r, int c) {
    if (updating_ || r < 0 || r >= table_->rowCount()) return;
    const auto row = static_cast<size_t>(r);
    QTableWidgetItem* item = table_->item(r, c);
    if (c == colInclude)
        model_.setInclude(row, item->checkState() == Qt::Checked);
    else if (c == colOt2x)
        model_.setOt2x(row, item->checkState() == Qt::Checked);
    else if (isBox(c))
        model_.setBox(row, c - colBox0, item->text().toStdString());
    else if (c == colWeek)
        model_.setRowWeek(row, item->text().toStdString());
    else
        return;
    refreshRow(r);  // what the model kept, refused edits put back
    refreshTotals();
}

bool PayrollRunWindow::applyWeekEnding() {
    const std::string text = txtWeekEnding_->text().toStdString();
    if (text == model_.weekEnding()) return true;
    // Its message takes the focus from the box, which would apply it again.
    if (applyingWeek_) return false;
    applyingWeek_ = true;
    const bool ok = model_.setWeekEnding(text);
    applyingWeek_ = false;
    txtWeekEnding_->setText(q(model_.weekEnding()));  // its short form, or as it was
    refreshAll();
    return ok;
}

void PayrollRunWindow::applyWeek() {
    if (model_.setWeek(spnWeek_->value())) refreshAll();
}

void PayrollRunWindow::pickWeekEnding() {
    if (!applyWeekEnding()) return;
    std::string field = model_.weekEnding();
    const Date start = pickerStart(field, session_.ui.today(), session_.calendar());
    DatePickerDialog picker(
        QStringLiteral("frmRunDate"), QStringLiteral("Ok"), start, session_.calendar(),
        [this](Date d) { txtWeekEnding_->setText(q(shortDate(d))); }, this);
    picker.exec();
    applyWeekEnding();
}

bool PayrollRunWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtWeekEnding_) {
        if (event->type() == QEvent::FocusOut) {
            applyWeekEnding();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                postAll();  // the date typed is applied first
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PayrollRunWindow::postAll() {
    // What is being typed counts: the cell, the date, the week.
    table_->commitEditing();
    if (!applyWeekEnding()) return;
    spnWeek_->interpretText();
    if (spnWeek_->value() != model_.week()) applyWeek();
    if (spnWeek_->value() != model_.week()) return;

    const auto inRun = model_.request().entries.size();
    progress_->setRange(0, static_cast<int>(inRun));
    progress_->setValue(0);
    progress_->setVisible(inRun > 0);
    // Nothing in the window is touched while the run goes on.
    const QPointer<QWidget> focused = focusWidget();
    setEnabled(false);
    model_.postAll([this](size_t done, size_t) {
        progress_->setValue(static_cast<int>(done));
        progress_->repaint();
    });
    setEnabled(true);
    progress_->setVisible(false);
    refreshAll();
    if (focused) focused->setFocus();
}

void PayrollRunWindow::printAll() {
    table_->commitEditing();
    model_.printAll(optChecks_->isChecked() ? PrintKind::Checks : PrintKind::Stubs);
}

void PayrollRunWindow::loadHours() {
    table_->commitEditing();
    const auto file = session_.ui.openFile("Hours Files (*.csv)|*.csv|All Files (*.*)|*.*");
    if (!file) return;
    model_.loadHoursFile(*file);
    refreshAll();
}

void PayrollRunWindow::saveHours() {
    table_->commitEditing();
    const QString file = chooseSaveFile_ ? chooseSaveFile_() : QString();
    if (file.isEmpty()) return;
    model_.saveHoursFile(std::filesystem::path(QDir::toNativeSeparators(file).toStdString()));
}

}  // namespace corvella::gui
