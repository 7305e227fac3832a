#include "gui/leave_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/bound_widgets.h"
#include "gui/help_window.h"

using namespace corvella;
using namespace corvella::gui;

LeaveWindow::LeaveWindow(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.openLeave(), [&s] { return static_cast<const void*>(s.leaveWindow()); }, [] {},
          parent),
      model_(s.leaveWindow()) {
    setObjectName("DialogVac");
    setWindowTitle("Vacation / Holiday / Sick");
    LeaveScreen& m = *model_;
    const ModelGuard guard = this->guard();

    auto* menu = new QMenuBar(this);
    QAction* help = menu->addAction("&Help");
    help->setObjectName("mnuHelp");
    connect(help, &QAction::triggered, this, &LeaveWindow::mnuHelp_Click);

    auto* heading = new QLabel("SAVED / ACCUMULATED DAYS");
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);

    const int countWidth = fontMetrics().horizontalAdvance(QStringLiteral("9999.99")) + 16;
    const int dateWidth = fontMetrics().horizontalAdvance(QStringLiteral("May 25-31, 2015")) + 16;
    struct Names {
        const char* frame;
        const char* caption;
        const char* start;
        const char* balance;
        const char* count;
        const char* date;
    };
    const Names names[] = {
        {"frameVac", "Vacation", "txtVacBal", "lbVacBal", "txtVcnt", "txtVdate"},
        {"frameHol", "Holiday/Personel", "txtHolBal", "lbHolBal", "txtHcnt", "txtHdate"},
        {"frameSick", "Sick", "txtSickBal", "lbSickBal", "txtScnt", "txtSdate"}};
    LeaveAccount* accounts[] = {&m.vac, &m.hol, &m.sick};
    auto* frames = new QHBoxLayout;
    frames->setSpacing(10);
    for (int k = 0; k < 3; ++k) {
        LeaveAccount& a = *accounts[k];
        auto* frame = new QGroupBox(names[k].caption);
        frame->setObjectName(names[k].frame);
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(1);
        auto* balance = new BoundLabel(a.balanceCaption, names[k].balance);
        balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        balance->setFrameShape(QFrame::StyledPanel);
        balance->setFrameShadow(QFrame::Sunken);
        balance->setMinimumWidth(
            balance->fontMetrics().horizontalAdvance(QStringLiteral("-9.69999998807907")) + 12);
        balances_.push_back(balance);
        // A change of the start balance or a count shows the new balance at once.
        auto follow = [this, &a, balance](BoundLineEdit* e) {
            connect(e, &QLineEdit::textEdited, this, [this, &a, balance] {
                if (!alive()) return;
                a.recompute();
                balance->pull();
            });
        };
        auto edit = [&](TextBox& box, const QString& name, int width) {
            auto* e = new BoundLineEdit(box, name);
            e->setGuard(guard);
            e->setSelectAllOnFocus(true);
            e->setFixedWidth(width);
            edits_.push_back(e);
            return e;
        };
        auto* start = edit(a.startBalance, names[k].start, countWidth);
        start->setAlignment(Qt::AlignRight);
        follow(start);
        grid->addWidget(new QLabel("Start Balance"), 0, 0);
        grid->addWidget(start, 0, 1);
        grid->addWidget(new QLabel("Balance"), 1, 0);
        grid->addWidget(balance, 1, 1);
        grid->setRowMinimumHeight(2, 8);
        grid->addWidget(new QLabel("#Taken"), 3, 0);
        grid->addWidget(new QLabel("Dates"), 3, 1);
        for (int i = 0; i < 20; ++i) {
            auto* count = edit(a.counts[i], indexedName(names[k].count, i), countWidth);
            count->setAlignment(Qt::AlignRight);
            follow(count);
            grid->addWidget(count, 4 + i, 0);
            grid->addWidget(edit(a.dates[i], indexedName(names[k].date, i), dateWidth), 4 + i, 1);
        }
        frames->addWidget(frame);
    }

    auto* save = new QPushButton("Save");
    save->setObjectName("OKButton");
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &LeaveWindow::OKButton_Click);
    auto* clear = new QPushButton("Clear All");
    clear->setObjectName("cmdClear");
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, &LeaveWindow::cmdClear_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(clear);

    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menu);
    root->addWidget(heading);
    root->addLayout(frames);
    root->addLayout(buttons);
    refresh();
}

void LeaveWindow::refresh() {
    for (auto* e : edits_) e->pull();
    for (auto* b : balances_) b->pull();
}

bool LeaveWindow::mayClose() {
    if (session_.leaveCloseBox()) return true;
    refresh();  // cancelled, or the save was refused: the screen stays
    return false;
}

void LeaveWindow::OKButton_Click() {
    if (!alive()) return;
    if (session_.leaveSave() == RunOutcome::Done) {
        finish();
        return;
    }
    if (alive()) refresh();
}

void LeaveWindow::cmdClear_Click() {
    if (!alive()) return;
    session_.leaveClearAll();
    refresh();
}

void LeaveWindow::mnuHelp_Click() {
    auto* help = new HelpWindow(session_.dir, this);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->showTopic(QStringLiteral("leave"));
    help->show();
}
