#include "gui/company_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/bound_widgets.h"

using namespace corvella;
using namespace corvella::gui;

CompanyDialog::CompanyDialog(Session& s, QWidget* parent) : QDialog(parent), session_(s) {
    setObjectName("DialogCompany");
    setWindowTitle("Company");

    CompanyScreen& m = session_.companyScreen();  // reports a damaged Company.sav
    const ModelGuard mine = [this, model = &m] { return session_.loadedCompanyScreen() == model; };
    auto* form = new QFormLayout;
    auto row = [&](TextBox& box, const char* name, const char* caption) {
        auto* e = new BoundLineEdit(box, name);
        e->setGuard(mine);
        e->pull();
        edits_.push_back(e);
        auto* label = new QLabel(caption);
        label->setBuddy(e);
        form->addRow(label, e);
        return e;
    };
    row(m.txtLegalName, "txtLegalName", "&Legal name")
        ->setMinimumWidth(36 * fontMetrics().horizontalAdvance(QLatin1Char('M')));
    row(m.txtTradeName, "txtTradeName", "&Trade name");
    row(m.txtCoAddress, "txtCoAddress", "&Address");
    row(m.txtCoCityStateZip, "txtCoCityStateZip", "&City, state and zip");
    row(m.txtEin, "txtEin", "&EIN")->setPlaceholderText("NN-NNNNNNN");
    row(m.txtStateId, "txtStateId", "&State employer account number");
    QStringList schedules;
    for (std::string_view t : kDepositSchedules)
        schedules << QString::fromUtf8(t.data(), qsizetype(t.size()));
    schedule_ = new BoundComboBox(m.cboDepositSchedule, "cboDepositSchedule", schedules);
    schedule_->setGuard(mine);
    schedule_->pull();
    auto* scheduleLabel = new QLabel("&Deposit schedule");
    scheduleLabel->setBuddy(schedule_);
    form->addRow(scheduleLabel, schedule_);

    auto* save = new QPushButton("Save");
    save->setObjectName("cmdSave");
    save->setDefault(true);
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("cmdCancel");
    connect(save, &QPushButton::clicked, this, [this] {
        if (SaveCompany()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* root = new QVBoxLayout(this);
    root->addLayout(form);
    root->addLayout(buttons);
}

bool CompanyDialog::SaveCompany() {
    for (auto* e : edits_) e->push();
    schedule_->push();
    return session_.companySave();
}

void CompanyDialog::done(int r) {
    session_.companyClose();
    QDialog::done(r);
}
