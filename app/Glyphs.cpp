#include "app/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

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
} // namespace

QIcon GlyphIcon(Glyph glyph) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, glyph);
    return QIcon(pixmap);
}
