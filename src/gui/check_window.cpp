#include "gui/check_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/bound_widgets.h"

using namespace corvella;
using namespace corvella::gui;

namespace {

const char* const kInstruction =
    "Before printing on actual checks, print on plain printer paper. Match up by holding the "
    "printed paper behind the actual blank check sheet and hold up to light. To adust change "
    "settings above until disired settings are achived";

QLabel* caption(const char* text, QWidget* parent) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

// ------------------------------------------------------------------ Printer Offset

OffsetWindow::OffsetWindow(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.openOffsets(), [&s] { return static_cast<const void*>(s.offsetDialog()); },
          [&s] { s.offsetCancel(); }, parent),
      model_(s.offsetDialog()) {
    setObjectName(QStringLiteral("dlgPrintSet"));
    setWindowTitle(QStringLiteral("Printer Offset"));
    setAttribute(Qt::WA_DeleteOnClose);

    QStringList choices;
    for (const char* c : PrinterOffsetDialog::kChoices) choices << QString::fromLatin1(c);
    auto combo = [&](const char* name, const TextBox& box) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(choices);
        c->setEditText(qs(box.text));
        return c;
    };
    cboHorz_ = combo("cboHorz", model_->cboHorz);
    cboVert_ = combo("cboVert", model_->cboVert);

    auto* heading = caption("OFFSET ADJUSTMENT", this);
    heading->setAlignment(Qt::AlignCenter);
    auto* week = new QLabel(qs(model_->lbWeek.caption), this);
    week->setObjectName(QStringLiteral("lbWeek"));
    auto* text = new QLabel(QString::fromLatin1(kInstruction), this);
    text->setWordWrap(true);
    text->setMinimumWidth(320);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Horizontal "), this), 0, 0);
    grid->addWidget(cboHorz_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Vertical"), this), 1, 0);
    grid->addWidget(cboVert_, 1, 1);
    grid->addWidget(week, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);

    auto* applyButton = new QPushButton(QStringLiteral("&Apply"), this);
    applyButton->setObjectName(QStringLiteral("cmdApply"));
    auto* ok = new QPushButton(QStringLiteral("Print Check"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(applyButton, &QPushButton::clicked, this, &OffsetWindow::apply);
    connect(ok, &QPushButton::clicked, this, &OffsetWindow::printCheck);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addWidget(text);
    layout->addLayout(buttons);
}

void OffsetWindow::store() {
    model_->cboHorz.text = ss(cboHorz_->currentText());
    model_->cboVert.text = ss(cboVert_->currentText());
}

void OffsetWindow::apply() {
    if (!alive()) return;
    store();
    session_.offsetApply();
}

void OffsetWindow::printCheck() {
    if (!alive()) return;
    store();
    if (session_.offsetPrintCheck()) finish();  // the dialog is gone from the session already
}

// ------------------------------------------------------------------ Check Printing

CheckWindow::CheckWindow(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.openChecks(), [&s] { return static_cast<const void*>(s.checkScreen()); },
          [&s] { s.closeChecks(); }, parent),
      model_(s.checkScreen()) {
    setObjectName(QStringLiteral("frmChecks"));
    setWindowTitle(QStringLiteral("Check Printing"));
    setAttribute(Qt::WA_DeleteOnClose);
    CheckScreen& m = *model_;
    const ModelGuard guard = this->guard();
    auto box = [&](TextBox& b, const char* name) {
        auto* e = new BoundLineEdit(b, QString::fromLatin1(name), this);
        e->setGuard(guard);
        boxes_.push_back(e);
        return e;
    };

    auto* menu = new QMenuBar(this);
    QAction* print = menu->addAction(QStringLiteral("Print"));
    print->setObjectName(QStringLiteral("mnuPrintCheck"));
    connect(print, &QAction::triggered, this, &CheckWindow::mnuPrintCheck_Click);

    auto* check = new QFrame(this);
    check->setFrameShape(QFrame::Box);
    check->setObjectName(QStringLiteral("frameCheck"));
    auto* grid = new QGridLayout(check);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setVerticalSpacing(8);
    auto* company = box(m.txtCheckCompany, "txtCheckCompany");
    grid->addWidget(company, 0, 0, 1, 2);
    grid->addWidget(caption("DATE", check), 0, 3, Qt::AlignRight);
    auto* date = box(m.txtCheckDate, "txtCheckDate");
    date->setToolTip(QStringLiteral("Change on Previous Form"));
    grid->addWidget(date, 0, 4);
    grid->addWidget(caption("PAY TO THE ORDER OF", check), 1, 0);
    grid->addWidget(box(m.txtPayTo, "txtPayTo"), 1, 1, 1, 2);
    grid->addWidget(caption("$", check), 1, 3, Qt::AlignRight);
    grid->addWidget(box(m.txtCheckAmt, "txtCheckAmt"), 1, 4);
    grid->addWidget(box(m.txtDollars, "txtDollars"), 2, 0, 1, 4);
    grid->addWidget(caption("DOLLARS", check), 2, 4);
    grid->addWidget(box(m.txtUserName, "txtUserName"), 3, 1, 1, 2);
    grid->addWidget(box(m.txtUserSSnum, "txtUserSSnum"), 3, 3, 1, 2);
    grid->addWidget(box(m.txtUserAddress, "txtUserAddress"), 4, 1, 1, 2);
    grid->addWidget(box(m.txtUserState, "txtUserState"), 5, 1, 1, 2);
    grid->addWidget(caption("MEMO", check), 6, 0);
    grid->addWidget(box(m.txtMemo, "txtMemo"), 6, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(4, 120);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(check);
    resize(720, sizeHint().height());
    for (BoundLineEdit* b : boxes_) b->pull();
}

void CheckWindow::refresh() {
    if (!alive()) return;
    session_.refreshChecks();
    for (BoundLineEdit* b : boxes_) b->pull();
}

void CheckWindow::mnuPrintCheck_Click() {
    if (!alive()) return;
    if (!offsets_ || !offsets_->isCurrent()) offsets_ = new OffsetWindow(session_, this);
    offsets_->show();
    offsets_->raise();
    offsets_->activateWindow();
}

void CheckWindow::mousePressEvent(QMouseEvent* e) {
    refresh();
    ScreenWindow::mousePressEvent(e);
}

void CheckWindow::closeEvent(QCloseEvent* e) {
    if (offsets_) offsets_->close();
    ScreenWindow::closeEvent(e);
}
