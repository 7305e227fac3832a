#include "gui/icons.h"

#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const char* themeName(Glyph g) {
    switch (g) {
        case Glyph::YearToDate:
            return "x-office-spreadsheet";
        case Glyph::Overtime:
            return "appointment-soon";
        case Glyph::Vacation:
            return "weather-clear";
        case Glyph::Print:
            return "document-print";
        case Glyph::Clear:
            return "edit-clear";
        case Glyph::Add:
            return "accessories-calculator";
        case Glyph::Logo:
            break;
    }
    return "";
}

// Drawn on a 48 x 48 grid and scaled.
void draw(QPainter& p, Glyph g) {
    const QColor ink(0x2e, 0x34, 0x36);
    QPen pen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (g) {
        case Glyph::YearToDate: {  // a ledger sheet
            p.setBrush(QColor(0xf6, 0xf5, 0xf4));
            p.drawRoundedRect(QRectF(8, 5, 32, 38), 3, 3);
            p.setBrush(QColor(0x35, 0x84, 0xe4));
            p.drawRect(QRectF(8, 5, 32, 8));
            p.setPen(QPen(ink, 1.6));
            for (int y = 19; y <= 37; y += 6) p.drawLine(QPointF(12, y), QPointF(36, y));
            p.drawLine(QPointF(24, 15), QPointF(24, 41));
            break;
        }
        case Glyph::Overtime: {  // a clock
            p.setBrush(QColor(0xf9, 0xf0, 0x6b));
            p.drawEllipse(QPointF(24, 24), 18, 18);
            p.drawLine(QPointF(24, 24), QPointF(24, 12));
            p.drawLine(QPointF(24, 24), QPointF(33, 28));
            break;
        }
        case Glyph::Vacation: {  // a sun over the sea
            p.setBrush(QColor(0xff, 0xbe, 0x6f));
            p.drawEllipse(QPointF(24, 20), 9, 9);
            for (int i = 0; i < 8; ++i) {
                p.save();
                p.translate(24, 20);
                p.rotate(45.0 * i);
                p.drawLine(QPointF(0, -13), QPointF(0, -17));
                p.restore();
            }
            p.setPen(QPen(QColor(0x1c, 0x71, 0xd8), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 38), QPointF(42, 38));
            p.drawLine(QPointF(12, 44), QPointF(36, 44));
            break;
        }
        case Glyph::Print: {  // a printer
            p.setBrush(Qt::white);
            p.drawRect(QRectF(14, 6, 20, 12));
            p.setBrush(QColor(0x9a, 0x99, 0x96));
            p.drawRoundedRect(QRectF(6, 17, 36, 17), 3, 3);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(14, 28, 20, 14));
            p.setPen(QPen(ink, 1.4));
            p.drawLine(QPointF(17, 33), QPointF(31, 33));
            p.drawLine(QPointF(17, 37), QPointF(28, 37));
            break;
        }
        case Glyph::Clear: {  // an eraser
            p.save();
            p.translate(24, 24);
            p.rotate(-35);
            p.setBrush(QColor(0xf6, 0x61, 0x51));
            p.drawRoundedRect(QRectF(-18, -8, 20, 16), 2, 2);
            p.setBrush(QColor(0xde, 0xdd, 0xda));
            p.drawRoundedRect(QRectF(2, -8, 14, 16), 2, 2);
            p.restore();
            p.drawLine(QPointF(8, 43), QPointF(40, 43));
            break;
        }
        case Glyph::Add: {  // a calculator
            p.setBrush(QColor(0x5e, 0x5c, 0x64));
            p.drawRoundedRect(QRectF(10, 4, 28, 40), 4, 4);
            p.setBrush(QColor(0x8f, 0xf0, 0xa4));
            p.drawRect(QRectF(14, 8, 20, 9));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) p.drawRect(QRectF(14 + c * 7.5, 21 + r * 7.5, 5, 5));
            break;
        }
        case Glyph::Logo: {  // a pay sheet with a dollar coin (as packaging/corvella.svg)
            p.save();
            p.scale(48.0 / 128, 48.0 / 128);
            p.setPen(QPen(ink, 5));
            p.setBrush(QColor(0xf6, 0xf5, 0xf4));
            p.drawRoundedRect(QRectF(14, 10, 100, 108), 10, 10);
            p.setBrush(QColor(0x35, 0x84, 0xe4));
            p.drawRoundedRect(QRectF(14, 10, 100, 22), 10, 10);
            p.setPen(QPen(ink, 3));
            p.drawLine(QPointF(26, 46), QPointF(102, 46));
            p.drawLine(QPointF(26, 60), QPointF(70, 60));
            p.drawLine(QPointF(26, 74), QPointF(62, 74));
            p.drawLine(QPointF(26, 88), QPointF(58, 88));
            p.setPen(QPen(ink, 4));
            p.setBrush(QColor(0x26, 0xa2, 0x69));
            p.drawEllipse(QPointF(88, 88), 28, 28);
            QFont f(QStringLiteral("Liberation Sans"));
            f.setPixelSize(38);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(60, 60, 56, 56), Qt::AlignCenter, QStringLiteral("$"));
            p.restore();
            break;
        }
    }
}

QPixmap drawnAt(Glyph g, const QSize& size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 48.0, size.height() / 48.0);
    draw(p, g);
    return pm;
}

// An icon found and drawn only when something asks for its pixels, which is when it is
// painted: searching the desktop theme and drawing glyphs (with the first font of the
// logo) cost start-up a good part of its time before the window could show.
class GlyphEngine : public QIconEngine {
  public:
    GlyphEngine(Glyph g, QString themeName) : glyph_(g), themeName_(std::move(themeName)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (size.isEmpty()) return {};
        if (const QIcon* t = themed()) return t->pixmap(size, mode, state);
        if (!drawnSizes_.contains(size)) {
            drawn_.addPixmap(drawnAt(glyph_, size));
            drawnSizes_.append(size);
        }
        return drawn_.pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (const QIcon* t = themed()) return t->actualSize(size, mode, state);
        return size;
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        if (const QIcon* t = themed()) return t->availableSizes(mode, state);
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    }

    QString key() const override { return QStringLiteral("corvella-glyph"); }
    QIconEngine* clone() const override { return new GlyphEngine(*this); }

  private:
    const QIcon* themed() {
        if (!searched_) {
            searched_ = true;
            if (!themeName_.isEmpty() && QIcon::hasThemeIcon(themeName_))
                theme_ = QIcon::fromTheme(themeName_);
        }
        return theme_.isNull() ? nullptr : &theme_;
    }

    Glyph glyph_;
    QString themeName_;
    bool searched_ = false;
    QIcon theme_;
    QIcon drawn_;
    QList<QSize> drawnSizes_;
};

}  // namespace

QIcon buttonIcon(Glyph glyph) {
    return QIcon(new GlyphEngine(glyph, QString::fromLatin1(themeName(glyph))));
}

QIcon programIcon() {
    return QIcon(new GlyphEngine(Glyph::Logo, QStringLiteral("corvella")));
}
