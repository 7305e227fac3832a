#include "gui/noncity_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "gui/bound_widgets.h"

using namespace corvella;
using namespace corvella::gui;

NonCityDialog::NonCityDialog(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.nonCityScreen(), [&s] { return static_cast<const void*>(s.loadedNonCityScreen()); },
          [&s] { s.nonCityCancel(); }, parent),
      model_(&s.nonCityScreen()) {
    setObjectName("DialogNonCity");
    setWindowTitle("NON City Resident");
    DialogNonCity& m = *model_;
    const ModelGuard guard = this->guard();

    auto edit = [&](TextBox& box, const QString& name) {
        auto* e = new BoundLineEdit(box, name);
        e->setGuard(guard);
        sizeTableBox(e);
        edits_.push_back(e);
        return e;
    };

    using Column = std::array<TextBox, 8>;
    auto table = [&](const char* frameName, const char* heading, Column& mins, const char* minName,
                     Column& exps, const char* expName) {
        auto* g = new QGroupBox;
        g->setObjectName(frameName);
        auto* grid = new QGridLayout(g);
        auto* t = new QLabel("NON Resident Table");
        QFont f = t->font();
        f.setBold(true);
        t->setFont(f);
        grid->addWidget(t, 0, 0, 1, 3);
        grid->addWidget(new QLabel(heading), 1, 0, 1, 3);
        grid->addWidget(columnCaption("Minimum Range"), 2, 1);
        grid->addWidget(columnCaption("Subtract"), 2, 2);
        for (int i = 0; i < 8; ++i) {
            auto* row = new QLabel(QString::number(i + 1));
            row->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(row, 3 + i, 0);
            grid->addWidget(edit(mins[i], indexedName(minName, i)), 3 + i, 1);
            grid->addWidget(edit(exps[i], indexedName(expName, i)), 3 + i, 2);
        }
        grid->setRowStretch(11, 1);
        return g;
    };
    auto* tables = new QHBoxLayout;
    tables->addWidget(table("fraBiWeekly", "BIWEEKLY", m.txtNonMinBi, "txtNonMinBi", m.txtNonExpBi,
                            "txtNonExpBi"));
    tables->addWidget(
        table("fraWeekly", "WEEKLY", m.txtNonMinWk, "txtNonMinWk", m.txtNonExpWk, "txtNonExpWk"));

    auto* rate = new QHBoxLayout;
    rate->addWidget(new QLabel("Multiply by Percentage in Decimal"));
    rate->addWidget(edit(m.txtNonPer, "txtNonPer"));
    rate->addStretch();

    auto* notes = new QVBoxLayout;
    notes->addWidget(warningLabel());
    notes->addWidget(new QLabel("Enter 999999 in any Minimum Range Box that is not used."));

    auto button = [&](const char* name, const char* text, auto&& slot) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdDefault", "&DEFAULT", [this] {
        if (!alive()) return;
        model_->cmdDefault_Click();
        refresh();
    }));
    buttons->addStretch();
    buttons->addWidget(button("OKButton", "&SAVE", [this] {
        if (!alive()) return;
        if (session_.nonCitySave()) {  // a refusal has shown its message
            finish();
            return;
        }
        if (alive()) refresh();
    }));
    buttons->addWidget(button("CancelButton", "&CANCEL", [this] { close(); }));

    auto* root = new QVBoxLayout(this);
    root->addLayout(tables);
    root->addLayout(rate);
    root->addLayout(notes);
    root->addLayout(buttons);
    refresh();
}

void NonCityDialog::refresh() {
    for (auto* e : edits_) e->pull();
}
