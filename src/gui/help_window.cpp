#include "gui/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "store/data_folder.h"

std::filesystem::path HelpWindow::startPage(const std::filesystem::path& workingFolder) {
    const std::filesystem::path page = std::filesystem::path("help") / "index.html";
    std::error_code ec;
    if (!workingFolder.empty() && std::filesystem::is_regular_file(workingFolder / page, ec))
        return workingFolder / page;
    const auto shipped = corvella::shippedDataFolder();
    if (!shipped.empty() && std::filesystem::is_regular_file(shipped / page, ec))
        return shipped / page;
    return {};
}

HelpWindow::HelpWindow(const std::filesystem::path& workingFolder, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Corvella Payroll Help"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* home = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    back->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);

    const auto page = startPage(workingFolder);
    if (page.empty())
        browser_->setHtml(QStringLiteral(
            "<h2>Corvella Payroll Help</h2><p>The help pages were not found. They are "
            "installed with the program in its data folder, under <tt>help/</tt>.</p>"));
    else
        browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
    resize(720, 600);
}

void HelpWindow::showTopic(const QString& anchor) {
    if (browser_->source().isEmpty()) return;  // no help pages: the window says so
    QUrl url = browser_->source();
    url.setFragment(anchor);
    browser_->setSource(url);
}
