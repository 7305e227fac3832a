#include "gui/header_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/bound_widgets.h"

using namespace corvella;
using namespace corvella::gui;

HeaderDialog::HeaderDialog(Session& s, QWidget* parent) : QDialog(parent), session_(s) {
    setObjectName("DialogHeader");
    setWindowTitle("Print Out Heading");

    HeaderScreen& m = session_.headerScreen();  // reads Header.sav, reports a damaged one
    const ModelGuard mine = [this, model = &m] { return session_.loadedHeaderScreen() == model; };
    for (int i = 0; i < 4; ++i) {
        txtHeader_[i] =
            new BoundLineEdit(m.txtHeader[static_cast<size_t>(i)], indexedName("txtHeader", i));
        txtHeader_[i]->setGuard(mine);
        txtHeader_[i]->pull();
    }
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    txtHeader_[0]->setMinimumWidth(36 * em);
    txtHeader_[3]->setMaximumWidth(12 * em);

    auto* ok = new QPushButton("OK");
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("CancelButton");
    connect(ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(txtHeader_[0], 0, 0, 1, 2);
    grid->addWidget(txtHeader_[1], 1, 0, 1, 2);
    grid->addWidget(txtHeader_[2], 2, 0);
    grid->addWidget(txtHeader_[3], 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* root = new QVBoxLayout(this);
    root->addLayout(grid);
    root->addLayout(buttons);
}

bool HeaderDialog::SaveHeader() {
    for (auto* box : txtHeader_) box->push();
    return session_.headerSave();
}

void HeaderDialog::OKButton_Click() {
    if (SaveHeader()) accept();
}

void HeaderDialog::done(int r) {
    session_.headerClose();
    QDialog::done(r);
}
