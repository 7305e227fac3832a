#include "gui/about_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/icons.h"

#ifndef CORVELLA_VERSION
#define CORVELLA_VERSION "0.0.0"
#endif

QString programVersion() {
    return QStringLiteral(CORVELLA_VERSION);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAboutSpcl"));
    setWindowTitle(QStringLiteral("About Corvella Payroll"));
    setModal(true);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("picIcon"));
    logo->setPixmap(programIcon().pixmap(64, 64));
    auto* company = new QLabel(QStringLiteral("QUORVANE"), this);
    company->setObjectName(QStringLiteral("lblCompany"));
    QFont f = company->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    company->setFont(f);
    auto* title = new QLabel(QStringLiteral("Corvella Payroll"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont t = title->font();
    t.setPointSizeF(t.pointSizeF() * 1.3);
    title->setFont(t);
    auto* version = new QLabel(QStringLiteral("Version ") + programVersion(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(18);
    grid->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(company, 0, 1);
    grid->addWidget(title, 1, 1);
    grid->addWidget(version, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}
