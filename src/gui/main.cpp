// corvella: the desktop program. Works in the folder given with -C DIR, else in the
// per-user data folder, seeded with the shipped federal table and sample employee.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstring>
#include <iostream>

#include "common/errors.h"
#include "gui/about_dialog.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "store/data_folder.h"
#include "shell/session.h"

namespace {
const char* const kUsage = "usage: corvella [-C DIR]\n";
}

int main(int argc, char** argv) {
    // The arguments first, so that a wrong one is reported even without a display.
    std::filesystem::path folder;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-C") == 0 && i + 1 < argc) {
            folder = argv[++i];
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "corvella " << programVersion().toStdString() << "\n";
            return 0;
        } else {
            std::cerr << "corvella: unknown argument " << argv[i] << "\n" << kUsage;
            return 1;
        }
    }
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        std::cerr << "corvella: " << folder.string() << " is not a folder\n";
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvella"));
    QApplication::setApplicationVersion(programVersion());
    QApplication::setDesktopFileName(QStringLiteral("corvella"));

    if (folder.empty()) {
        folder = corvella::defaultDataFolder();
        try {
            corvella::seedDataFolder(folder, corvella::shippedDataFolder());
        } catch (const corvella::Error& e) {
            QMessageBox::warning(
                nullptr, QStringLiteral("QUORVANE SOFTWARE"),
                QStringLiteral("The data folder %1 cannot be set up: %2")
                    .arg(QString::fromStdString(folder.string()), QString::fromUtf8(e.what())));
        }
    }
    if (auto absolute = std::filesystem::absolute(folder, ec); !ec) folder = absolute;
    QDir::setCurrent(QString::fromStdString(folder.string()));

    QtUi ui;
    corvella::Session session(ui, folder);
    Form1 window(session);
    ui.setParentWindow(&window);
    QObject::connect(&window, &Form1::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
