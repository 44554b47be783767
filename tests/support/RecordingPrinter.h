// A printer that draws nothing and records every call, and a printer setup
// dialog that answers from a script, so printing runs without a printer.
#pragma once

#include "core/VantelError.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterSetup.h"

#include <QImage>
#include <QList>
#include <QStringList>

struct CanvasCall {
    enum Kind { TextRect, TextOut, Rectangle, Image };
    Kind kind = TextRect;
    QRect rect; // TextRect: the clip; Rectangle: left, top, right, bottom as given
    QPoint at;  // where the text starts
    QString text;
    int penWidth = 0;
    QColor penColor;
    BrushStyle brush = BrushStyle::Solid;
    int fontSize = 0; // points
    int page = 0;     // counted from 1
    QSize imageSize;  // Image: the picture's own size; rect is where it goes
};

class RecordingCanvas : public PrinterCanvas {
public:
    QColor PenColor() const override { return penColor; }
    void SetPenColor(const QColor& color) override { penColor = color; }
    int PenWidth() const override { return penWidth; }
    void SetPenWidth(int width) override { penWidth = width; }
    BrushStyle Brush() const override { return brush; }
    void SetBrushStyle(BrushStyle style) override { brush = style; }
    void AssignFont(const QFont& source, const QColor& color, int sourceDpi) override {
        font = source;
        font.setPointSize(PointSizeOf(source, sourceDpi));
        fontColor = color;
    }
    QFont Font() const override { return font; }
    QColor FontColor() const override { return fontColor; }
    int FontSize() const override { return font.pointSize(); }
    void SetFontSize(int points) override { font.setPointSize(points); }

    void TextRect(const QRect& clip, int x, int y, const QString& text) override {
        record(CanvasCall::TextRect, clip, QPoint(x, y), text);
    }
    void TextOut(int x, int y, const QString& text) override {
        record(CanvasCall::TextOut, {}, QPoint(x, y), text);
    }
    // Points at the printer's resolution, like a font whose cell is its size.
    int TextHeight(const QString&) override {
        return textHeight >= 0 ? textHeight : font.pointSize() * dpiY / 72;
    }
    // Half an em a character, as a proportional font's Latin letters run.
    int TextWidth(const QString& text) override { return int(text.size()) * font.pointSize() * dpiY / 144; }
    void Rectangle(int left, int top, int right, int bottom) override {
        record(CanvasCall::Rectangle, QRect(QPoint(left, top), QPoint(right, bottom)), {}, {});
    }
    void DrawImage(const QRect& target, const QImage& image) override {
        record(CanvasCall::Image, target, {}, {});
        calls.last().imageSize = image.size();
    }

    QList<CanvasCall> Calls(CanvasCall::Kind kind, int onPage = 0) const {
        QList<CanvasCall> found;
        for (const CanvasCall& call : calls)
            if (call.kind == kind && (onPage == 0 || call.page == onPage))
                found.append(call);
        return found;
    }
    QStringList Texts(int onPage = 0) const {
        QStringList texts;
        for (const CanvasCall& call : Calls(CanvasCall::TextRect, onPage))
            texts.append(call.text);
        return texts;
    }

    QColor penColor = Qt::red;
    int penWidth = 1;
    BrushStyle brush = BrushStyle::Solid;
    QFont font;
    QColor fontColor;
    int textHeight = -1; // -1: from the font size
    int dpiY = 600;
    int page = 1;
    int failAtCall = -1; // the call (counted from 0) that throws, as a broken device would
    QList<CanvasCall> calls;

private:
    void record(CanvasCall::Kind kind, const QRect& rect, const QPoint& at, const QString& text) {
        if (int(calls.size()) == failAtCall) {
            failAtCall = -1;
            throw VantelError(QStringLiteral("canvas failure"));
        }
        CanvasCall call;
        call.kind = kind;
        call.rect = rect;
        call.at = at;
        call.text = text;
        call.penWidth = penWidth;
        call.penColor = penColor;
        call.brush = brush;
        call.fontSize = font.pointSize();
        call.page = page;
        calls.append(call);
    }
};

class RecordingPrinter : public TPrinter {
public:
    // A4 with 10 pt margins at 600 dpi.
    RecordingPrinter(int width = 4794, int height = 6849, int dpi = 600)
        : width_(width), height_(height), dpi_(dpi) {
        canvas.dpiY = dpi;
    }

    void BeginDoc() override {
        if (failBegin)
            throw VantelError(QStringLiteral("no printer"));
        log.append(QStringLiteral("BeginDoc"));
        printing_ = true;
        canvas.page = 1;
    }
    void EndDoc() override {
        log.append(QStringLiteral("EndDoc"));
        printing_ = false;
    }
    void NewPage() override {
        log.append(QStringLiteral("NewPage"));
        ++canvas.page;
    }
    bool Printing() const override { return printing_; }
    PrinterCanvas& Canvas() override { return canvas; }
    int PageWidth() const override { return width_; }
    int PageHeight() const override { return height_; }
    int DpiX() const override { return dpi_; }
    int DpiY() const override { return dpi_; }

    int NewPages() const { return int(log.count(QStringLiteral("NewPage"))); }

    RecordingCanvas canvas;
    QStringList log;
    bool failBegin = false;

private:
    int width_;
    int height_;
    int dpi_;
    bool printing_ = false;
};

class FakePrinterSetup : public PrinterSetup {
public:
    bool ShowPrinterSetup() override {
        ++shown;
        return answer;
    }
    int shown = 0;
    bool answer = true;
};
