#include "gui/state_dialog.h"

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

StateDialog::StateDialog(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.mnuState_Click(), [&s] { return static_cast<const void*>(s.loadedStateScreen()); },
          [&s] { s.stateCancel(); }, parent),
      model_(&s.stateScreen()) {
    setObjectName("DialogState");
    setWindowTitle("Biweekly State Tax");
    DialogState& m = *model_;
    const ModelGuard guard = this->guard();

    auto edit = [&](TextBox& box, const QString& name, bool table) {
        auto* e = new BoundLineEdit(box, name);
        e->setGuard(guard);
        if (table)
            sizeTableBox(e);
        else
            e->setSelectAllOnFocus(true);
        edits_.push_back(e);
        return e;
    };
    auto label = [&](Label& l, const QString& name) {
        auto* b = new BoundLabel(l, name);
        labels_.push_back(b);
        return b;
    };
    auto check = [&](CheckBox& box, const char* name, const char* text) {
        auto* c = new BoundCheckBox(box, name, text);
        connect(c, &QCheckBox::clicked, this, [this, c] {
            if (!alive()) return;
            c->toggleModel();  // runs the box's handler (NO STATE TAX, Use Base, Spouse)
            afterChange();
        });
        checks_.push_back(c);
        return c;
    };

    // The two bracket tables.
    using Column = std::array<TextBox, 10>;
    struct Captions {
        Label* title;  // the model's, or null for a fixed title
        const char* titleName;
        const char* titleText;
        std::array<Label*, 3> columns;  // enabled flags only
        std::array<const char*, 3> columnNames;
    };
    auto bracketTable = [&](const Captions& c, Label& weekLabel, const char* weekName, Column& mins,
                            const char* minName, Column& amts, const char* amtName, Column& pers,
                            const char* perName) {
        auto* g = new QGroupBox;
        auto* grid = new QGridLayout(g);
        QLabel* t;
        if (c.title) {
            t = label(*c.title, c.titleName);
        } else {
            t = new QLabel(c.titleText);
            t->setObjectName(c.titleName);
        }
        QFont bold = t->font();
        bold.setBold(true);
        t->setFont(bold);
        grid->addWidget(t, 0, 0, 1, 4);
        grid->addWidget(label(weekLabel, weekName), 1, 0, 1, 4);
        const char* const texts[] = {"Minimum Range", "Amount to Withhold",
                                     "Multiply by Percentage in Decimal"};
        for (int k = 0; k < 3; ++k) {
            QLabel* cap = columnCaption(texts[k]);
            cap->setObjectName(c.columnNames[k]);
            greyedCaptions_.emplace_back(cap, c.columns[k]);
            grid->addWidget(cap, 2, 1 + k);
        }
        for (int i = 0; i < 10; ++i) {
            auto* row = new QLabel(QString::number(i + 1));
            row->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(row, 3 + i, 0);
            grid->addWidget(edit(mins[i], indexedName(minName, i), true), 3 + i, 1);
            grid->addWidget(edit(amts[i], indexedName(amtName, i), true), 3 + i, 2);
            grid->addWidget(edit(pers[i], indexedName(perName, i), true), 3 + i, 3);
        }
        grid->setRowStretch(13, 1);
        return g;
    };
    singleFrame_ = bracketTable({nullptr,
                                 "Label9",
                                 "Table for SINGLE Persons",
                                 {&m.Label1, &m.Label2, &m.Label3},
                                 {"Label1", "Label2", "Label3"}},
                                m.Label19, "Label19", m.txtStateMinBS, "txtStateMinBS",
                                m.txtStateAmtBS, "txtStateAmtBS", m.txtStatePerBS, "txtStatePerBS");
    singleFrame_->setObjectName("fraSingle");
    greyedCaptions_.emplace_back(singleFrame_->findChild<QLabel*>("Label9"), &m.Label9);
    auto* married =
        bracketTable({&m.Label5,
                      "Label5",
                      nullptr,
                      {&m.Label4, &m.Label6, &m.Label8},
                      {"Label4", "Label6", "Label8"}},
                     m.Label20, "Label20", m.txtStateMinBM, "txtStateMinBM", m.txtStateAmtBM,
                     "txtStateAmtBM", m.txtStatePerBM, "txtStatePerBM");
    married->setObjectName("fraMarried");

    // The withholding allowance by number of exemptions, in a frame of its own.
    exemptionFrame_ = new QGroupBox;
    exemptionFrame_->setObjectName("fraExemptions");
    {
        auto* grid = new QGridLayout(exemptionFrame_);
        auto* t = new QLabel("Withholding Allowance");
        QFont bold = t->font();
        bold.setBold(true);
        t->setFont(bold);
        grid->addWidget(t, 0, 0, 1, 3);
        grid->addWidget(label(m.Label21, "Label21"), 1, 0, 1, 3);
        auto* l13 = label(m.Label13, "Label13");
        auto* l14 = label(m.Label14, "Label14");
        auto* l15 = label(m.Label15, "Label15");
        for (QLabel* l : {l13, l14, l15}) {
            l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            l->setWordWrap(true);
            l->setMinimumHeight(l->fontMetrics().lineSpacing() * 3);
        }
        grid->addWidget(l13, 2, 0);
        grid->addWidget(l14, 2, 1);
        grid->addWidget(l15, 2, 2);
        for (int i = 0; i < 10; ++i) {
            auto* n = label(m.Label27[i], indexedName("Label27", i));
            n->setAlignment(Qt::AlignCenter);
            grid->addWidget(n, 3 + i, 0);
            grid->addWidget(edit(m.txtStateSgExp[i], indexedName("txtStateSgExp", i), true), 3 + i,
                            1);
            grid->addWidget(edit(m.txtStateMarExp[i], indexedName("txtStateMarExp", i), true),
                            3 + i, 2);
        }
        grid->setRowStretch(13, 1);
    }

    auto* tables = new QHBoxLayout;
    tables->addWidget(singleFrame_);
    tables->addWidget(married);
    tables->addWidget(exemptionFrame_);
    tables->addStretch();

    // Notes.
    auto* notes = new QVBoxLayout;
    notes->addWidget(warningLabel());
    auto* unused = new QLabel("Enter 999999 in any Minum Range Box that is not used.");
    notes->addWidget(unused);
    auto* biweekly = new QLabel(
        "You MUST enter biweekly figures. The WEEKLY tables will auto adjust by selecting "
        "weekly in \"User Info\".");
    biweekly->setWordWrap(true);
    // Wraps to the width the row leaves it rather than widening the window; a wrapped
    // label does not ask for its height, so it gets three lines.
    biweekly->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    biweekly->setMinimumWidth(1);
    biweekly->setMinimumHeight(biweekly->fontMetrics().lineSpacing() * 3);
    notes->addWidget(biweekly);

    // SDI, SUI and the adjustment.
    auto insurance = [&](const char* title, const char* name, TextBox& pct, const char* pctName,
                         TextBox& base, const char* baseName, Label& baseCaption,
                         const char* baseCaptionName, CheckBox& useBase, const char* useBaseName) {
        auto* g = new QGroupBox(title);
        g->setObjectName(name);
        auto* grid = new QGridLayout(g);
        auto* pctBox = edit(pct, pctName, false);
        auto* baseBox = edit(base, baseName, false);
        for (QLineEdit* b : {pctBox, baseBox}) {
            b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("999999.99")) +
                               16);
            b->setMaximumWidth(b->minimumWidth());
        }
        grid->addWidget(new QLabel("% Rate"), 0, 0);
        grid->addWidget(pctBox, 0, 1);
        grid->addWidget(label(baseCaption, baseCaptionName), 1, 0);
        grid->addWidget(baseBox, 1, 1);
        grid->addWidget(check(useBase, useBaseName, "Use Base"), 2, 0, 1, 2);
        return g;
    };
    auto* sdi =
        insurance("&State &Disability &Insurance", "fraSDI", m.txtSDIpercent, "txtSDIpercent",
                  m.txtSDIwageBase, "txtSDIwageBase", m.Label26, "Label26", m.ckSDI, "ckSDI");
    auto* sui =
        insurance("&State &UnEmployment &Insurance", "fraSUI", m.txtSUIpercent, "txtSUIpercent",
                  m.txtSUIwageBase, "txtSUIwageBase", m.Label23, "Label23", m.ckSUI, "ckSUI");
    auto* adj = new QGroupBox("Adustment");
    adj->setObjectName("fraAdjustment");
    {
        auto* grid = new QGridLayout(adj);
        auto* stateAdj = edit(m.txtStateAdj, "txtStateAdj", false);
        auto* calAllow = edit(m.txtCalAllow, "txtCalAllow", false);
        for (QLineEdit* b : {stateAdj, calAllow})
            b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("99999.99")) + 16);
        grid->addWidget(stateAdj, 0, 0);
        auto* note = new QLabel("Enter figure to add to State Tax. Place a (-)Minus to subtract.");
        note->setWordWrap(true);
        grid->addWidget(note, 0, 1);
        grid->addWidget(calAllow, 1, 0);
        grid->addWidget(new QLabel("California Exempt Allowance"), 1, 1);
        grid->setColumnStretch(1, 1);
    }
    auto* money = new QHBoxLayout;
    money->addWidget(sdi);
    money->addWidget(sui);
    money->addWidget(adj);

    // The switches and the special states.
    auto* general = new QGroupBox;
    general->setObjectName("fraSwitches");
    {
        auto* l = new QHBoxLayout(general);
        l->addWidget(check(m.ckNoStateTax, "ckNoStateTax", "NO STATE TAX"));
        l->addWidget(check(m.ckRoundOff, "ckRoundOff", "Round State"));
        auto* spouse = check(m.ckSpouse, "ckSpouse", "Spouse Works");
        spouse->setToolTip("For Married Persons");
        l->addWidget(spouse);
    }
    auto* states = new QGroupBox;
    states->setObjectName("fraStates");
    {
        auto* grid = new QGridLayout(states);
        int i = 0;
        for (const corvella::SpecialStateRow& e : corvella::kSpecialStates) {
            auto* c = new BoundCheckBox(m.box(e.id), e.boxName, e.caption);
            c->setToolTip(QString::fromStdString(corvella::rulesOf(e.id)));
            const SpecialState which = e.id;
            // The selection step decides how the box ends; the box never flips itself.
            connect(c, &QCheckBox::clicked, this, [this, which] {
                if (!alive()) return;
                model_->selectSpecialState(which);
                afterChange();
            });
            checks_.push_back(c);
            grid->addWidget(c, i / 4, i % 4);
            ++i;
        }
    }
    // The year of the formulas is the group's title; what to do for a later year its tip.
    states->setTitle(QString::fromStdString(m.lbRulesYear.caption));
    states->setToolTip(QString::fromStdString(m.lbRulesTip.caption));
    // The notes and the switches share a row with the special states, so that the window
    // fits a 1024-pixel screen.
    auto* middle = new QHBoxLayout;
    middle->addLayout(notes, 1);
    middle->addWidget(states, 0, Qt::AlignTop);
    notes->addWidget(general, 0, Qt::AlignLeft);
    money->addStretch();

    // Commands.
    auto button = [&](const char* name, const char* text, auto&& slot) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdDefault", "New York", [this] {
        if (!alive()) return;
        model_->cmdDefault_Click();
        afterChange();
    }));
    buttons->addWidget(button("cmdMkDefault", "Make Default", [this] {
        if (!alive()) return;
        const bool done = session_.stateMakeDefault();
        if (done || !alive()) {
            finish();
            return;
        }
        refresh();
    }));
    buttons->addWidget(button("cmdGetDefault", "Get Default", [this] {
        if (!alive()) return;
        session_.stateGetDefault();
        afterChange();
    }));
    buttons->addWidget(button("cmdClearAll", "CLEAR ALL", [this] {
        if (!alive()) return;
        model_->cmdClearAll_Click();
        afterChange();
    }));
    buttons->addStretch();
    buttons->addWidget(button("OKButton", "SAVE", [this] {
        if (!alive()) return;
        const bool saved = session_.stateSave();  // a refusal has shown its message
        if (saved) {
            finish();
            return;
        }
        if (alive()) refresh();
    }));
    buttons->addWidget(button("CancelButton", "CANCEL", [this] { close(); }));

    auto* root = new QVBoxLayout(this);
    root->addLayout(tables);
    root->addLayout(middle);
    root->addLayout(money);
    root->addLayout(buttons);

    refresh();
    session_.notifyChanged();  // the presets may have shown ckLouisPrior
}

void StateDialog::refresh() {
    for (auto* e : edits_) e->pull();
    for (auto* c : checks_) c->pull();
    for (auto* l : labels_) l->pull();
    for (auto [widget, caption] : greyedCaptions_) widget->setEnabled(caption->enabled);
    singleFrame_->setEnabled(model_->singleTableFrameEnabled);
    exemptionFrame_->setVisible(model_->exemptionFrameVisible);
}

void StateDialog::afterChange() {
    if (alive()) refresh();
    session_.notifyChanged();
}
