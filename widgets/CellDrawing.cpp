#include "widgets/CellDrawing.h"

#include <QPainter>

void DrawCentredCell(QPainter& canvas, const QRect& rect, const QString& text, bool selected,
                     const QColor& background, const QColor& fontColor) {
    if (selected) {
        canvas.setBrush(background);
        canvas.setPen(fontColor);
    }
    canvas.fillRect(rect, canvas.brush());
    canvas.drawText(rect.translated(0, 2), Qt::AlignCenter | Qt::TextSingleLine, text);
}
