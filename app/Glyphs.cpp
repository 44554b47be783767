#include "app/Glyphs.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

namespace {
constexpr int kSize = 32;

void draw(QPainter& p, Glyph glyph) {
    const QColor ink(0x20, 0x40, 0x90);
    p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (glyph) {
    case Glyph::Start: {
        QPainterPath path;
        path.moveTo(9, 5);
        path.lineTo(27, 16);
        path.lineTo(9, 27);
        path.closeSubpath();
        p.fillPath(path, QColor(0x2E, 0x9E, 0x44));
        break;
    }
    case Glyph::Stop:
        p.fillRect(QRectF(7, 7, 18, 18), QColor(0xD0, 0x30, 0x30));
        break;
    case Glyph::Exit:
        p.drawRect(QRectF(6, 4, 14, 24));
        p.drawLine(QPointF(14, 16), QPointF(29, 16));
        p.drawLine(QPointF(24, 11), QPointF(29, 16));
        p.drawLine(QPointF(24, 21), QPointF(29, 16));
        break;
    case Glyph::Help:
    case Glyph::About: {
        p.setBrush(glyph == Glyph::Help ? QColor(0xFF, 0xE0, 0x60) : QColor(0xD7, 0xE1, 0xFF));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(20);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter,
                   glyph == Glyph::Help ? QStringLiteral("?") : QStringLiteral("i"));
        break;
    }
    case Glyph::Print:
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(0xE8, 0xE8, 0xE8));
        p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 9));
        break;
    case Glyph::Setup:
        p.drawEllipse(QRectF(9, 9, 14, 14));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(16, 16);
            p.rotate(i * 45);
            p.drawLine(QPointF(0, 7), QPointF(0, 12));
            p.restore();
        }
        break;
    case Glyph::Save:
        p.setBrush(QColor(0x70, 0x90, 0xD0));
        p.drawRect(QRectF(5, 5, 22, 22));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 5, 12, 8));
        break;
    case Glyph::Open:
        p.setBrush(QColor(0xF0, 0xC0, 0x50));
        p.drawRect(QRectF(4, 8, 24, 18));
        p.drawLine(QPointF(4, 8), QPointF(12, 8));
        break;
    case Glyph::Picture:
        p.setBrush(QColor(0xC8, 0xE6, 0xFF));
        p.drawRect(QRectF(4, 6, 24, 20));
        p.setBrush(QColor(0x50, 0xA0, 0x50));
        p.drawEllipse(QRectF(18, 9, 6, 6));
        break;
    case Glyph::Speaker: {
        QPainterPath path;
        path.moveTo(5, 12);
        path.lineTo(11, 12);
        path.lineTo(18, 6);
        path.lineTo(18, 26);
        path.lineTo(11, 20);
        path.lineTo(5, 20);
        path.closeSubpath();
        p.fillPath(path, ink);
        p.drawArc(QRectF(16, 10, 10, 12), -60 * 16, 120 * 16);
        break;
    }
    }
}

// Draws a glyph when it is first shown, at the size it is shown: most are in
// menus and on pages not open at start, and drawing them all (one loads a
// font) was a tenth of the time to the first paint.
class GlyphEngine : public QIconEngine {
public:
    explicit GlyphEngine(Glyph glyph) : glyph_(glyph) {}

    // Drawn for 32 pixels square, and never larger, like a 32-pixel picture.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kSize});
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(kSize, kSize)}; }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new GlyphEngine(glyph_); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize actual = actualSize(size, mode, state);
        if (actual.isEmpty())
            return {};
        // The style greys and tints with the palette, so a new palette draws anew.
        const QString key = QStringLiteral("vantel-glyph-%1-%2-%3-%4")
                                .arg(int(glyph_))
                                .arg(actual.width())
                                .arg(int(mode))
                                .arg(mode == QIcon::Normal ? 0 : QApplication::palette().cacheKey());
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = QPixmap(actual);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(actual.width() / double(kSize), actual.height() / double(kSize));
            draw(painter, glyph_);
        }
        // Greyed when disabled, as the style does to any picture.
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QApplication::palette();
            const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            if (!styled.isNull())
                pixmap = styled;
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        // QIcon has already fitted the rectangle to actualSize().
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    Glyph glyph_;
};
} // namespace

QIcon GlyphIcon(Glyph glyph) { return QIcon(new GlyphEngine(glyph)); }
