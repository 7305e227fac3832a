#include "gui/render/page_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>

#include "common/errors.h"

namespace corvella::render {

QFont pageFont(const std::string& name, double points) {
    QString family = QString::fromStdString(name);
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 &&
        QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        family = QStringLiteral("Liberation Sans");
    QFont font(family);
    font.setPointSizeF(points > 0 ? points : 10);
    font.setKerning(false);
    return font;
}

QPageLayout defaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

namespace {

// The width of one column: the font's average character width in its classic sense,
// the advances of "a" to "z" and the blank weighted by how often they occur in English
// text. For Liberation Sans this is Arial's own figure, where the font's stored average
// (taken over every glyph) would be a third wider and push the right-hand columns off
// the page.
double columnWidth(const QFontMetricsF& fm) {
    static const int weights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                    56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double sum = 0;
    for (int i = 0; i < 26; ++i) sum += weights[i] * fm.horizontalAdvance(QChar(u'a' + i));
    sum += weights[26] * fm.horizontalAdvance(QChar(u' '));
    return sum / 1000;
}

// The longest start of `text` that fits in `room`.
QString fitting(const QString& text, const QFontMetricsF& fm, double room) {
    if (fm.horizontalAdvance(text) <= room) return text;
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (fm.horizontalAdvance(text.left(mid)) <= room)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low);
}

}  // namespace

void drawPage(const TextPage& page, QPagedPaintDevice& device) {
    device.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        throw Error("the printer or file could not be opened for printing");
    const double height = device.height();
    // Text may run on into the right margin, up to the paper's edge: a check's date moved
    // right by its offset must still print whole rather than read as another date.
    const double width =
        device.width() + device.pageLayout().marginsPixels(device.logicalDpiX()).right();
    QFont font = pageFont("Arial", 10);
    QFontMetricsF fm(font, &device);
    double column = columnWidth(fm);
    painter.setFont(font);
    painter.setPen(Qt::black);
    double x = 0, y = 0;
    auto newLine = [&] {
        x = 0;
        y += fm.height();
    };
    for (const PageItem& item : page.items()) {
        switch (item.kind) {
            case PageItem::Kind::Font:
                font = pageFont(item.text, item.size);
                fm = QFontMetricsF(font, &device);
                column = columnWidth(fm);
                painter.setFont(font);
                break;
            case PageItem::Kind::Tab: {
                const double to = (item.column - 1) * column;
                if (x > to + 0.001) newLine();
                x = to;
                break;
            }
            case PageItem::Kind::Text: {
                if (item.text.empty()) break;
                if (y > 0 && y + fm.height() > height) {
                    device.newPage();
                    y = 0;
                }
                const QString text = QString::fromStdString(item.text);
                painter.drawText(QPointF(x, y + fm.ascent()), fitting(text, fm, width - x));
                x += fm.horizontalAdvance(text);
                break;
            }
            case PageItem::Kind::LineEnd:
                newLine();
                break;
            case PageItem::Kind::DocumentEnd:
                x = 0;
                y = 0;
                if (&item != &page.items().back()) device.newPage();
                break;
        }
    }
    painter.end();
}

}  // namespace corvella::render
