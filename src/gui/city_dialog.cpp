#include "gui/city_dialog.h"

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

CityDialog::CityDialog(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.cityScreen(), [&s] { return static_cast<const void*>(s.loadedCityScreen()); },
          [&s] { s.cityCancel(); }, parent),
      model_(&s.cityScreen()) {
    setObjectName("DialogCity");
    setWindowTitle("City (Local) Tax Tables");
    DialogCity& m = *model_;
    const ModelGuard guard = this->guard();

    auto edit = [&](TextBox& box, const QString& name) {
        auto* e = new BoundLineEdit(box, name);
        e->setGuard(guard);
        sizeTableBox(e);
        edits_.push_back(e);
        return e;
    };
    auto bold = [](QLabel* l) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };

    using Column = std::array<TextBox, 10>;
    auto bracketTable = [&](const char* frameName, const char* title, Column& mins,
                            const char* minName, Column& amts, const char* amtName, Column& pers,
                            const char* perName) {
        auto* g = new QGroupBox;
        g->setObjectName(frameName);
        auto* grid = new QGridLayout(g);
        grid->addWidget(bold(new QLabel(title)), 0, 0, 1, 4);
        grid->addWidget(new QLabel("BIWEEKLY "), 1, 0, 1, 4);
        grid->addWidget(columnCaption("Minimum Range"), 2, 1);
        grid->addWidget(columnCaption("Amount to Withhold"), 2, 2);
        grid->addWidget(columnCaption("Multiply by Percentage in Decimal"), 2, 3);
        for (int i = 0; i < 10; ++i) {
            auto* row = new QLabel(QString::number(i + 1));
            row->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(row, 3 + i, 0);
            grid->addWidget(edit(mins[i], indexedName(minName, i)), 3 + i, 1);
            grid->addWidget(edit(amts[i], indexedName(amtName, i)), 3 + i, 2);
            grid->addWidget(edit(pers[i], indexedName(perName, i)), 3 + i, 3);
        }
        grid->setRowStretch(13, 1);
        return g;
    };
    auto* tables = new QHBoxLayout;
    tables->addWidget(bracketTable("fraSingle", "SINGLE", m.txtCityMinBS, "txtCityMinBS",
                                   m.txtCityAmtBS, "txtCityAmtBS", m.txtCityPerBS, "txtCityPerBS"));
    tables->addWidget(bracketTable("fraMarried", "MARRIED", m.txtCityMinBM, "txtCityMinBM",
                                   m.txtCityAmtBM, "txtCityAmtBM", m.txtCityPerBM, "txtCityPerBM"));
    {
        auto* g = new QGroupBox;
        g->setObjectName("fraExemptions");
        auto* grid = new QGridLayout(g);
        grid->addWidget(bold(new QLabel("Withholding Allowance")), 0, 0, 1, 3);
        grid->addWidget(new QLabel("BIWEEKLY "), 1, 0, 1, 3);
        grid->addWidget(columnCaption("# of Exemp"), 2, 0);
        grid->addWidget(columnCaption("SINGLE"), 2, 1);
        grid->addWidget(columnCaption("MARRIED"), 2, 2);
        for (int i = 0; i < 10; ++i) {
            auto* n = new QLabel(QString::number(i));
            n->setAlignment(Qt::AlignCenter);
            grid->addWidget(n, 3 + i, 0);
            grid->addWidget(edit(m.txtCitySgExp[i], indexedName("txtCitySgExp", i)), 3 + i, 1);
            grid->addWidget(edit(m.txtCityMarExp[i], indexedName("txtCityMarExp", i)), 3 + i, 2);
        }
        grid->setRowStretch(13, 1);
        tables->addWidget(g);
    }

    auto* notes = new QVBoxLayout;
    notes->addWidget(warningLabel());
    notes->addWidget(new QLabel("Enter 999999 in any Minimum Range Box that is not used."));
    ckNoLocalTax_ = new BoundCheckBox(m.ckNoLocalTax, "ckNoLocalTax", "NO LOCAL TAX");
    connect(ckNoLocalTax_, &QCheckBox::clicked, this, [this] {
        if (!alive()) return;
        ckNoLocalTax_->toggleModel();  // clears the boxes, or refills them from the table
        refresh();
    });

    auto button = [&](const char* name, const char* text, auto&& slot) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ckNoLocalTax_);
    buttons->addSpacing(24);
    buttons->addWidget(button("cmdDefault", "&New York", [this] {
        if (!alive()) return;
        model_->cmdDefault_Click();
        refresh();
    }));
    buttons->addWidget(button("cmdClearMe", "CLEAR ALL", [this] {
        if (!alive()) return;
        model_->cmdClearMe_Click();
        refresh();
    }));
    buttons->addStretch();
    buttons->addWidget(button("OKButton", "&SAVE", [this] {
        if (!alive()) return;
        if (session_.citySave()) {  // a refusal has shown its message
            finish();
            return;
        }
        if (alive()) refresh();
    }));
    buttons->addWidget(button("CancelButton", "&CANCEL", [this] { close(); }));

    auto* root = new QVBoxLayout(this);
    root->addLayout(tables);
    root->addLayout(notes);
    root->addLayout(buttons);
    refresh();
}

void CityDialog::refresh() {
    for (auto* e : edits_) e->pull();
    ckNoLocalTax_->pull();
}
