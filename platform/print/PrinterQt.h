// The printer on Qt: a QPrinter at 600 dpi that prints to the chosen system
// printer or to a new PDF file, and a canvas that draws on it with a QPainter.
#pragma once

#include "platform/print/Printer.h"
#include "platform/print/PrinterChoice.h"

#include <QPainter>
#include <memory>

class QPrinter;

class PainterCanvas : public PrinterCanvas {
public:
    // device gives the resolution for text metrics; painter is active only
    // while a job runs.
    PainterCanvas(QPainter& painter, QPaintDevice& device) : painter_(painter), device_(device) {}

    QColor PenColor() const override { return penColor_; }
    void SetPenColor(const QColor& color) override { penColor_ = color; }
    int PenWidth() const override { return penWidth_; }
    void SetPenWidth(int width) override { penWidth_ = width; }
    BrushStyle Brush() const override { return brush_; }
    void SetBrushStyle(BrushStyle style) override { brush_ = style; }

    void AssignFont(const QFont& font, const QColor& color, int sourceDpi) override;
    QFont Font() const override { return font_; }
    QColor FontColor() const override { return fontColor_; }
    int FontSize() const override { return PointSizeOf(font_, 0); }
    void SetFontSize(int points) override;

    void TextRect(const QRect& clip, int x, int y, const QString& text) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextHeight(const QString& text) override;
    int TextWidth(const QString& text) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void DrawImage(const QRect& target, const QImage& image) override;

private:
    QPainter& activePainter();
    void drawText(int x, int y, const QString& text);
    bool needsSyntheticBold() const;

    QPainter& painter_;
    QPaintDevice& device_;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
    BrushStyle brush_ = BrushStyle::Solid;
    QColor brushColor_ = Qt::white;
    QFont font_;
    QColor fontColor_ = Qt::black;
};

class QtPrinter : public TPrinter {
public:
    QtPrinter();
    ~QtPrinter() override;

    void BeginDoc() override;
    void EndDoc() override;
    void NewPage() override;
    bool Printing() const override { return painter_.isActive(); }
    PrinterCanvas& Canvas() override { return *canvas_; }
    int PageWidth() const override;
    int PageHeight() const override;
    int DpiX() const override;
    int DpiY() const override;

    // The setup holds for every later print.
    const PrinterChoice& Choice() const { return choice_; }
    void SetChoice(const PrinterChoice& choice);
    // The PDF file of the latest job; empty when it went to a printer.
    const QString& LastOutputFile() const { return lastOutputFile_; }

private:
    void applyChoice();

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::unique_ptr<PainterCanvas> canvas_;
    PrinterChoice choice_;
    QString lastOutputFile_;
};
