// How drill cells and the name panel are drawn: the text on one line,
// centred, two pixels below the middle, and no highlight for selected cells.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// The painter arrives prepared by the grid (font, brush, pen).
void DrawCentredCell(QPainter& canvas, const QRect& rect, const QString& text, bool selected,
                     const QColor& background, const QColor& fontColor);
