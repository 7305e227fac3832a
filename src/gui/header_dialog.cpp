#include "gui/header_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/errors.h"
#include "gui/bound_widgets.h"

using namespace corvella;
using namespace corvella::gui;

HeaderDialog::HeaderDialog(Session& s, QWidget* parent) : QDialog(parent), session_(s) {
    setObjectName("DialogHeader");
    setWindowTitle("Print Out Heading");

    try {
        LoadHeader(session_.dir, session_.header);
    } catch (const ReadError& e) {
        // The fields read before the fault are kept; the rest take the defaults below.
        session_.ui.message(corruptedFileMessage(e.file), Icon::Warning);
    }
    fillHeaderDefaults(session_.header);

    const std::string* fields[] = {&session_.header.Company, &session_.header.Address,
                                   &session_.header.ZipLine, &session_.header.IdNumber};
    for (int i = 0; i < 4; ++i) {
        txtHeader_[i] = new QLineEdit(qs(*fields[i]));
        txtHeader_[i]->setObjectName(indexedName("txtHeader", i));
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
    session_.header.Company = ss(txtHeader_[0]->text());
    session_.header.Address = ss(txtHeader_[1]->text());
    session_.header.ZipLine = ss(txtHeader_[2]->text());
    session_.header.IdNumber = ss(txtHeader_[3]->text());
    try {
        corvella::SaveHeader(session_.writer, session_.dir, session_.header);
    } catch (const Error& e) {
        session_.ui.message("The heading was not saved: " + std::string(e.what()) +
                                ". Correct this and press OK again.",
                            Icon::Warning);
        return false;
    }
    return true;
}

void HeaderDialog::OKButton_Click() {
    if (SaveHeader()) accept();
}
