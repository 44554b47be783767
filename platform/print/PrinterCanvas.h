// The drawing surface of the printer, in printer pixels. It keeps the state
// the grid printer sets between calls: a pen (colour and width) for outlines,
// a brush that may be clear, and a font whose size is in points and whose
// colour is the text colour. Text positions are the top-left corner of the
// text, not its baseline.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>

class QImage;

enum class BrushStyle { Solid, Clear };

class PrinterCanvas {
public:
    virtual ~PrinterCanvas() = default;

    virtual QColor PenColor() const = 0;
    virtual void SetPenColor(const QColor& color) = 0;
    virtual int PenWidth() const = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual BrushStyle Brush() const = 0;
    virtual void SetBrushStyle(BrushStyle style) = 0;

    // Face, style, colour and size carry over. A size given in pixels is read
    // at sourceDpi, the resolution of the screen the font was made for, so the
    // printed text comes out as large as it looks there.
    virtual void AssignFont(const QFont& font, const QColor& color, int sourceDpi) = 0;
    virtual QFont Font() const = 0;
    virtual QColor FontColor() const = 0;
    // Whole points, as a font size in the toolkit's canvas is.
    virtual int FontSize() const = 0;
    virtual void SetFontSize(int points) = 0;

    // Text with its top-left corner at (x, y), cut off at the edges of clip.
    virtual void TextRect(const QRect& clip, int x, int y, const QString& text) = 0;
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextHeight(const QString& text) = 0;
    // How wide text prints in the current font, in device pixels.
    virtual int TextWidth(const QString& text) = 0;
    // Outline from (left, top) to (right, bottom), right and bottom excluded.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // A picture drawn for print (a chart at the printer's resolution), scaled into target.
    virtual void DrawImage(const QRect& target, const QImage& image) = 0;
};

// The whole-point size of a font, its pixel size read at dpi when it has one.
// Rounded half away from zero, as the toolkit rounds its sizes; at least 1.
inline int PointSizeOf(const QFont& font, int dpi) {
    const double points = font.pixelSize() > 0 && dpi > 0 ? font.pixelSize() * 72.0 / dpi : font.pointSizeF();
    return std::max(1, int(std::lround(points)));
}
