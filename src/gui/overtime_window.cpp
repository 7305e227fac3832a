#include "gui/overtime_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/bound_widgets.h"
#include "gui/date_picker.h"
#include "gui/qt_ui.h"

using namespace corvella;
using namespace corvella::gui;

OvertimeWindow::OvertimeWindow(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.openOvertime(), [&s] { return static_cast<const void*>(s.overtimeWindow()); },
          [] {}, parent),
      model_(s.overtimeWindow()),
      weekly_(s.profile.weekly()) {
    setObjectName("Form2");
    setWindowTitle("OverTime Percentage");
    OvertimeScreen& m = *model_;
    const ModelGuard guard = this->guard();

    auto edit = [&](TextBox& box, const QString& name, int width) {
        auto* e = new BoundLineEdit(box, name);
        e->setGuard(guard);
        e->setSelectAllOnFocus(true);
        e->setFixedWidth(width);
        edits_.push_back(e);
        return e;
    };
    auto value = [&](Label& l, const char* name, const char* tip) {
        auto* v = new BoundLabel(l, name);
        v->setToolTip(tip);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v->setFrameShape(QFrame::StyledPanel);
        v->setFrameShadow(QFrame::Sunken);
        v->setMinimumWidth(110);
        labels_.push_back(v);
        return v;
    };
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("$999,999.99")) + 16;

    // Salary, percentage and the results.
    auto* top = new QGridLayout;
    auto* annual = edit(m.txtAnnual, "txtAnnual", numberWidth);
    annual->setToolTip("Look on your pay stub for SALARY");
    annual->setAlignment(Qt::AlignRight);
    auto* percent = edit(m.txtApPercent, "txtApPercent", numberWidth);
    percent->setAlignment(Qt::AlignRight);
    top->addWidget(new QLabel("Annual Salary"), 0, 0);
    top->addWidget(new QLabel("$"), 0, 1);
    top->addWidget(annual, 0, 2);
    top->addWidget(new QLabel("Enter Your Approved Percentage"), 1, 0);
    top->addWidget(percent, 1, 2);
    top->addWidget(new QLabel("%"), 1, 3);
    auto* reached = edit(m.txtPercent, "txtPercent", numberWidth);
    reached->setToolTip("Present percent rate");
    reached->setAlignment(Qt::AlignRight);
    reached->setReadOnly(true);
    top->addWidget(new QLabel("OverTime Earned"), 2, 0);
    top->addWidget(value(m.lbEarned, "lbEarned", "Total from O.T. Only boxes"), 2, 2);
    top->addWidget(new QLabel("You are at"), 3, 0);
    top->addWidget(reached, 3, 2);
    top->addWidget(new QLabel("Max. allowable amount at approved percentage "), 4, 0);
    top->addWidget(value(m.lbMax, "lbMax", "Your limit at the approved % rate"), 4, 2);
    top->addWidget(new QLabel("Available overtime left"), 5, 0);
    top->addWidget(value(m.lbAvail, "lbAvail", "The difference"), 5, 2);
    auto* current = new QHBoxLayout;
    current->addWidget(new QLabel("On:"));
    current->addWidget(value(m.lbWk, "lbWk", ""));
    current->addSpacing(12);
    current->addWidget(new QLabel("OT Earned:"));
    current->addWidget(value(m.lb_OT, "lb_OT", ""));
    current->addStretch();
    top->addLayout(current, 6, 0, 1, 4);
    top->setColumnStretch(4, 1);

    // The rows: weeks 1 to 26 on the left, 27 to 53 on the right.
    const int dateWidth = fontMetrics().horizontalAdvance(QStringLiteral("12/31/2015")) + 20;
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("99999.99")) + 16;
    auto panel = [&](int first, int last) {
        auto* box = new QGroupBox;
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(1);
        grid->addWidget(new QLabel("Week No."), 0, 0);
        grid->addWidget(new QLabel(" Week Ending"), 0, 1);
        grid->addWidget(new QLabel(" O.T. Only"), 0, 2);
        for (int i = first; i <= last; ++i) {
            auto* number = new QLabel(QString::number(i + 1));
            number->setObjectName(indexedName("Label2", i));
            number->setAlignment(Qt::AlignCenter);
            auto* date = edit(m.Text1[i], indexedName("Text1", i), dateWidth);
            date->setCursor(Qt::PointingHandCursor);
            auto* amount = edit(m.txtOT[i], indexedName("txtOT", i), amountWidth);
            amount->setAlignment(Qt::AlignRight);
            date->installEventFilter(this);
            amount->installEventFilter(this);
            dates_[static_cast<size_t>(i)] = date;
            amounts_[static_cast<size_t>(i)] = amount;
            const int row = i - first + 1;
            grid->addWidget(number, row, 0);
            grid->addWidget(date, row, 1);
            grid->addWidget(amount, row, 2);
        }
        grid->setRowStretch(last - first + 2, 1);
        grid->setColumnStretch(3, 1);  // the cells stay beside their week numbers
        return box;
    };
    auto* rows = new QHBoxLayout;
    auto* left = panel(0, 25);
    rightPanel_ = panel(26, 52);
    dates_[26]->setToolTip("You have to go back 26 pay periods.");
    amounts_[51]->setToolTip("Fill in your o.t. for the past 26 weeks");
    amounts_[52]->setToolTip("Fill in your o.t. for the past 26 weeks");
    rows->addWidget(left);
    rows->addWidget(rightPanel_);
    // Bi-weekly: the right panel is hidden (its first row is the 27th, kept out of sight).
    rightPanel_->setVisible(weekly_);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const char* text, const char* tip,
                      void (OvertimeWindow::*slot)()) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        if (*tip) b->setToolTip(tip);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    button("cmdADD", "&TOTAL", "", &OvertimeWindow::cmdADD_Click);
    button("cmdAdvance", "&New Week", "Move up one pay period. Delete 1st wk, add new 26wk.",
           &OvertimeWindow::cmdAdvance_Click);
    button("cmdUndo", "&Undo", "ONLY BACK TO WHEN FIRST OPENED", &OvertimeWindow::cmdUndo_Click);
    button("cmdPrint", "&Print", "", &OvertimeWindow::cmdPrint_Click);
    button("cmdClose", "&Back", "", &OvertimeWindow::cmdClose_Click);

    // The 53 rows scroll on a small screen; the figures above and the buttons stay.
    auto* rowsWidget = new QWidget;
    rowsWidget->setLayout(rows);
    auto* rowsArea = new QScrollArea;
    rowsArea->setObjectName("rowsArea");
    rowsArea->setFrameShape(QFrame::NoFrame);
    rowsArea->setWidgetResizable(true);
    rowsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rowsArea->setWidget(rowsWidget);
    rowsArea->setMinimumWidth(rowsWidget->sizeHint().width() +
                              rowsArea->verticalScrollBar()->sizeHint().width());
    // The keys move the focus from cell to cell: keep the focused one in sight.
    connect(qApp, &QApplication::focusChanged, rowsArea, [rowsArea](QWidget*, QWidget* now) {
        if (now && rowsArea->widget()->isAncestorOf(now)) rowsArea->ensureWidgetVisible(now);
    });

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(rowsArea, 1);
    root->addLayout(buttons);
    const QRect screen =
        this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const int wanted = rowsWidget->sizeHint().height() + 24 + top->sizeHint().height() +
                       buttons->sizeHint().height();
    resize(sizeHint().width(), std::min(wanted, screen.height() - 72));
    refresh();
}

void OvertimeWindow::refresh() {
    for (auto* e : edits_) e->pull();
    for (auto* l : labels_) l->pull();
}

bool OvertimeWindow::mayClose() {
    if (session_.otCloseBox()) return true;
    refresh();  // cancelled, or Back was refused: the calculator stays
    return false;
}

void OvertimeWindow::afterCommand() {
    if (alive()) refresh();
}

void OvertimeWindow::showEvent(QShowEvent* e) {
    ScreenWindow::showEvent(e);
    // Once per showing, after the window is up (its message then stands over it).
    if (e->spontaneous() || totalPending_) return;
    totalPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            totalPending_ = false;
            if (isVisible()) cmdADD_Click();
        },
        Qt::QueuedConnection);
}

void OvertimeWindow::cmdADD_Click() {
    if (!alive()) return;
    session_.otTotal();
    afterCommand();
}

void OvertimeWindow::cmdAdvance_Click() {
    if (!alive()) return;
    session_.otNewWeek();
    afterCommand();
}

void OvertimeWindow::cmdUndo_Click() {
    if (!alive()) return;
    session_.otUndo();
    afterCommand();
}

void OvertimeWindow::cmdClose_Click() {
    if (!alive()) return;
    if (session_.otBack() == RunOutcome::Done) {
        finish();
        return;
    }
    afterCommand();
}

void OvertimeWindow::cmdPrint_Click() {
    if (!alive()) return;
    // An image of the window as shown, on one page, as the main window's Print Image.
    if (auto* ui = dynamic_cast<QtUi*>(&session_.ui)) ui->printImage(grab());
}

void OvertimeWindow::dateCellClicked(int row) {
    if (!alive()) return;
    auto start = session_.openCellPicker(row);
    if (!start) return;
    DatePickerDialog picker(
        "frmDate", "&OK", *start, session_.calendar(),
        [this](Date d) {
            if (alive()) {
                session_.pickCell(d);
                refresh();
            }
        },
        this);
    refresh();  // the cell may have fallen back to today
    picker.exec();
    afterCommand();
}

bool OvertimeWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto find = [&](const auto& cells) {
        for (size_t i = 0; i < cells.size(); ++i)
            if (cells[i] == watched) return static_cast<int>(i);
        return -1;
    };
    const int dateRow = find(dates_), amountRow = find(amounts_);
    if (dateRow < 0 && amountRow < 0) return ScreenWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease && dateRow >= 0) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            QMetaObject::invokeMethod(
                this, [this, dateRow] { dateCellClicked(dateRow); }, Qt::QueuedConnection);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return ScreenWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    OtKey k;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            k = OtKey::Enter;
            break;
        case Qt::Key_Up:
            k = OtKey::Up;
            break;
        case Qt::Key_Down:
            k = OtKey::Down;
            break;
        case Qt::Key_Left:
            k = OtKey::Left;
            break;
        case Qt::Key_Right:
            k = OtKey::Right;
            break;
        default:
            return ScreenWindow::eventFilter(watched, event);
    }
    const OtCell from{dateRow >= 0 ? OtColumn::Date : OtColumn::Amount,
                      dateRow >= 0 ? dateRow : amountRow};
    auto to = overtimeKeyTarget(from, k, weekly_);
    if (!to) return ScreenWindow::eventFilter(watched, event);
    auto& cells = to->column == OtColumn::Date ? dates_ : amounts_;
    if (!(*to == from)) cells[static_cast<size_t>(to->row)]->setFocus(Qt::TabFocusReason);
    return true;
}
