#include "gui/ledger_frame.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/bound_widgets.h"
#include "shell/messages.h"

using namespace corvella;
using namespace corvella::gui;

namespace {

// Room the window manager may take above and below the frame.
constexpr int kTitleBarAndPanel = 72;
// The rows' area keeps at least this height, however small the screen.
constexpr int kFewestRows = 120;

constexpr const char* kInstruction =
    "LEFT CLICK ON WEEK NUMBER TO PASTE IN DATA.     RIGHT CLICK TO DELETE ROW";

// A week number: the left button posts the last pay run into the row, the right one
// deletes the row.
class WeekLabel : public QLabel {
  public:
    WeekLabel(int week, LedgerFrame* frame)
        : QLabel(QString::number(week)), week_(week), frame_(frame) {
        setObjectName(indexedName("lbWeek", week));
        setToolTip(QStringLiteral("Click on a week number to paste in data."));
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override { frame_->weekClicked(week_, e->button()); }

  private:
    int week_;
    LedgerFrame* frame_;
};

}  // namespace

LedgerFrame::LedgerFrame(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.openLedger(), [&s] { return static_cast<const void*>(s.ledgerWindow()); }, [] {},
          parent),
      model_(s.ledgerWindow()) {
    setObjectName("frmYearFrame");
    setWindowTitle("Year To Date");
    LedgerWindow& m = *model_;
    const ModelGuard guard = this->guard();

    // The frame's menu.
    auto* menu = new QMenuBar(this);
    auto action = [&](QMenu* into, const char* name, const char* text, auto&& slot) {
        QAction* a = into ? into->addAction(text) : menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    action(nullptr, "mnuClose", "&Close", [this] { closeCommand(); });
    action(nullptr, "mnuPrint", "&Print", [this] {
        if (alive()) session_.printLedger();
    });
    QMenu* clear = menu->addMenu("C&lear");
    clear->setObjectName("mnuClear");
    action(clear, "mnuClearAll", "&Clear All", [this] {
        if (!alive()) return;
        session_.ledgerClearAll();
        afterCommand();
    });
    action(clear, "mnuNewYear", "Start a &New Year…", [this] {
        if (!alive()) return;
        session_.ledgerNewYear();
        afterCommand();
    });
    action(nullptr, "mnuAdd", "&Add", [this] {
        if (!alive()) return;
        session_.ledgerAdd();
        afterCommand();
    });
    action(nullptr, "mnuExcel", "&Excel", [this] { exportCommand(); });

    // The ledger window: two blocks of rows, each with its headings and instruction.
    auto* rows = new QWidget;
    rows->setObjectName("frmYear");
    auto* grid = new QGridLayout(rows);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    const int cellWidth = fontMetrics().horizontalAdvance(QStringLiteral("99999.99")) + 10;
    auto headingRow = [&](int at, bool lower) {
        auto* week = new QLabel("Week");
        grid->addWidget(week, at, 0);
        const char* fixed[] = {"Federal", "SS", "Medi", "State", "City"};
        for (int i = 0; i < 5; ++i) grid->addWidget(new QLabel(fixed[i]), at, 2 + i);
        for (int i = 0; i < 5; ++i) {
            auto* h = new BoundLabel(lower ? m.lowerHeadings[static_cast<size_t>(i)]
                                           : m.headings[static_cast<size_t>(i)],
                                     indexedName(lower ? "lbLowerHeading" : "lbHeading", i));
            headings_.push_back(h);
            grid->addWidget(h, at, 7 + i);
        }
        const char* rest[] = {"K-Plan", "Tips", "OT", "Net", "Gross"};
        for (int i = 0; i < 5; ++i) grid->addWidget(new QLabel(rest[i]), at, 12 + i);
    };
    auto rowOfCells = [&](int week, int at) {
        LedgerWindowRow& r = m.rows[static_cast<size_t>(week - 1)];
        grid->addWidget(new WeekLabel(week, this), at, 0);
        auto add = [&](TextBox& box, const QString& name, int col) {
            auto* e = new BoundLineEdit(box, name);
            e->setGuard(guard);
            e->setFixedWidth(col == 1 ? cellWidth + 10 : cellWidth);
            if (col > 1) e->setAlignment(Qt::AlignRight);
            cells_.push_back(e);
            if (!box.enabled) displays_.push_back(e);
            grid->addWidget(e, at, col);
        };
        add(r.Date, indexedName("txtDate", week), 1);
        for (int c = 0; c < kLedgerColumns; ++c) {
            const auto column = static_cast<LedgerColumn>(c);
            add(r.cell(column), indexedName(ledgerColumnName(column), week), 2 + c);
        }
    };
    int at = 0;
    auto* instruction = new QHBoxLayout;
    instruction->addWidget(new QLabel(kInstruction));
    instruction->addStretch();
    auto* closeButton = new QPushButton("&Close");
    closeButton->setObjectName("cmdClose");
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, [this] { closeCommand(); });
    instruction->addWidget(closeButton);
    headingRow(at++, false);
    for (int week = 1; week <= 26; ++week) rowOfCells(week, at++);
    auto* lowerInstruction = new QLabel(kInstruction);
    grid->addWidget(lowerInstruction, at++, 0, 1, 17);
    headingRow(at++, true);
    for (int week = 27; week <= 53; ++week) rowOfCells(week, at++);

    rowsArea_ = new QScrollArea;
    rowsArea_->setWidget(rows);
    rowsArea_->setWidgetResizable(false);
    // Weekly: all 53 rows, as far as the screen allows; otherwise the upper block.
    rows->adjustSize();
    const int upperBlock = lowerInstruction->geometry().top();
    const QRect screen =
        this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    const bool allRows = m.heightTwips > 6550;
    const int rowsWanted = (allRows ? rows->height() : upperBlock) + 4;
    rowsArea_->setFixedHeight(rowsWanted);
    // Narrower screens scroll sideways rather than cut the right-hand columns off.
    const int rowsWidth = rows->sizeHint().width() + 24;

    // The totals window.
    auto* totals = new QWidget;
    totals->setObjectName("frmYearTot");
    auto* tg = new QGridLayout(totals);
    auto totalBox = [&](TextBox& box, const QString& name) {
        auto* e = new BoundLineEdit(box, name);
        e->setGuard(guard);
        e->setFixedWidth(cellWidth + 10);
        e->setAlignment(Qt::AlignRight);
        cells_.push_back(e);
        return e;
    };
    const LedgerColumn first[] = {LedgerColumn::Fed,   LedgerColumn::SS,    LedgerColumn::Medi,
                                  LedgerColumn::State, LedgerColumn::City,  LedgerColumn::Muni,
                                  LedgerColumn::Bond,  LedgerColumn::Dues,  LedgerColumn::Pension,
                                  LedgerColumn::Misc,  LedgerColumn::Kplan, LedgerColumn::OT,
                                  LedgerColumn::Net,   LedgerColumn::Gross};
    const char* captions[] = {"Federal", "SS",    "Medi",  "State",  "City", nullptr, nullptr,
                              nullptr,   nullptr, nullptr, "K-Plan", "OT",   "Net",   "Gross"};
    for (int i = 0; i < 14; ++i) {
        QLabel* caption =
            captions[i]
                ? new QLabel(captions[i])
                : static_cast<QLabel*>(new BoundLabel(m.headings[static_cast<size_t>(i - 5)],
                                                      indexedName("lbTotHeading", i - 5)));
        if (!captions[i]) headings_.push_back(static_cast<BoundLabel*>(caption));
        tg->addWidget(caption, 0, i + 1);
        tg->addWidget(totalBox(m.total(first[i]), QString("tot") + ledgerColumnName(first[i])), 1,
                      i + 1);
    }
    auto* second = new QHBoxLayout;
    second->addWidget(new QLabel("TOTALS:"));
    second->addSpacing(24);
    const std::pair<const char*, TextBox*> block[] = {{"Cafeteria Plan:", &m.totCafe},
                                                      {"SDI:", &m.totSDI},
                                                      {"SUI:", &m.totSUI},
                                                      {"Tips:", &m.total(LedgerColumn::Tips)}};
    const char* blockNames[] = {"totCafe", "totSDI", "totSUI", "totTips"};
    for (int i = 0; i < 4; ++i) {
        second->addWidget(new QLabel(block[i].first));
        second->addWidget(totalBox(*block[i].second, blockNames[i]));
        second->addSpacing(12);
    }
    second->addStretch();
    tg->addLayout(second, 2, 0, 1, 15);

    auto* totalsArea = new QScrollArea;
    totalsArea->setObjectName("totalsArea");
    totalsArea->setWidget(totals);
    totalsArea->setFrameShape(QFrame::NoFrame);
    totalsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totals->adjustSize();
    const int scrollBar = totalsArea->horizontalScrollBar()->sizeHint().height();
    totalsArea->setFixedHeight(totals->height() + scrollBar + 2);

    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menu);
    root->addLayout(instruction);  // above the rows, so Close stays in sight as they scroll
    root->addWidget(rowsArea_);
    root->addWidget(totalsArea);
    refresh();
    // On a small screen the rows give way (they scroll), so that the totals, their
    // scroll bar and a title bar still fit.
    const int over = sizeHint().height() - (screen.height() - kTitleBarAndPanel);
    if (over > 0) rowsArea_->setFixedHeight(std::max(rowsWanted - over, kFewestRows));
    const int wanted = std::max(rowsWidth, totals->width()) + 24;
    resize(std::min(wanted, screen.width() - 16), sizeHint().height());
}

void LedgerFrame::refresh() {
    for (auto* e : cells_) e->pull();
    for (auto* e : displays_) {  // shown plainly, but not for typing
        e->setEnabled(true);
        e->setReadOnly(true);
    }
    for (auto* h : headings_) h->pull();
}

bool LedgerFrame::mayClose() {
    if (session_.ledgerCloseBox()) return true;
    refresh();  // "USE CLOSE INSTEAD", cancelled, or the save failed: the frame stays
    return false;
}

void LedgerFrame::afterCommand() {
    if (alive()) refresh();
}

void LedgerFrame::weekClicked(int week, Qt::MouseButton button) {
    if (!alive()) return;
    if (button == Qt::LeftButton)
        session_.ledgerPost(week);
    else if (button == Qt::RightButton)
        session_.ledgerUnpost(week);
    else
        return;
    afterCommand();
}

void LedgerFrame::closeCommand() {
    if (!alive()) return;
    if (session_.ledgerClose()) {
        finish();
        if (parentWidget()) parentWidget()->activateWindow();  // No brings the main window up
        return;
    }
    afterCommand();  // the save failed: the frame stays with its rows
}

void LedgerFrame::exportCommand() {
    if (!alive()) return;
    const auto path = session_.ledgerExportForSpreadsheet();
    if (!path) return;  // a message has named the file
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(qs(path->string()))))
        session_.ui.message(messages::exportWrittenNotOpened(path->string()), Icon::Information);
}
