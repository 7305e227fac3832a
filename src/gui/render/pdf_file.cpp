#include "gui/render/pdf_file.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>

#include "common/fileio.h"
#include "gui/render/page_painter.h"

namespace corvella {

namespace {

// Qt's notices about the session it runs in (no display, no runtime folder) are not the
// command's business; its failures still show.
void quietNotices(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "corvella-cli: %s\n", text.toLocal8Bit().constData());
}

void startGui() {
    if (QCoreApplication::instance()) return;
    qInstallMessageHandler(quietNotices);
    static int argc = 3;
    static char name[] = "corvella-cli", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Lives until the program ends: fonts and paint devices need it.
    new QGuiApplication(argc, argv);
}

}  // namespace

void writePdfFile(const TextPage& page, const std::filesystem::path& path) {
    startGui();
    FileWriter writer;
    writer.writeThrough(path, [&](const std::filesystem::path& temporary) {
        QPdfWriter pdf(QString::fromStdString(temporary.string()));
        pdf.setCreator(QStringLiteral("Corvella"));
        pdf.setPageLayout(render::defaultPageLayout());
        render::drawPage(page, pdf);
    });
}

}  // namespace corvella
