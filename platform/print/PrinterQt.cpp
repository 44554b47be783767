#include "platform/print/PrinterQt.h"

#include "core/VantelError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainterPath>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PrinterQt)
};

// Every job prints at this resolution, whatever the device offers.
constexpr int kPrinterDpi = 600;
} // namespace

void PainterCanvas::AssignFont(const QFont& font, const QColor& color, int sourceDpi) {
    font_ = font;
    font_.setPointSize(PointSizeOf(font, sourceDpi));
    fontColor_ = color;
}

void PainterCanvas::SetFontSize(int points) {
    if (points > 0)
        font_.setPointSize(points);
}

QPainter& PainterCanvas::activePainter() {
    if (!painter_.isActive())
        throw VantelError(Texts::tr("プリンターは印刷中ではありません。"));
    return painter_;
}

// A bold font whose face has no bold style is emboldened on the screen, but
// the PDF output drops that: such text is drawn in the face as it is and its
// outline stroked over it, widened by the amount the screen adds, em / 24.
// The text stays text that can be searched, copied and read aloud.
bool PainterCanvas::needsSyntheticBold() const {
    if (font_.weight() < QFont::DemiBold)
        return false;
    const QFontInfo info(font_);
    return QFontDatabase::weight(info.family(), info.styleName()) < QFont::DemiBold;
}

void PainterCanvas::drawText(int x, int y, const QString& text) {
    QPainter& painter = activePainter();
    const QFontMetrics metrics(font_, &device_);
    const QPoint baseline(x, y + metrics.ascent());
    painter.save();
    painter.setPen(fontColor_);
    painter.setBackgroundMode(Qt::TransparentMode);
    if (!needsSyntheticBold()) {
        painter.setFont(font_);
        painter.drawText(baseline, text);
        painter.restore();
        return;
    }
    // Text and outline in one size in device pixels, so they cover each
    // other; the face's own weight, so Qt draws no second copy of the text.
    QFont face = font_;
    face.setWeight(QFont::Normal);
    const double emPx = font_.pointSizeF() * device_.logicalDpiY() / 72.0;
    face.setPixelSize(qMax(1, qRound(emPx)));
    painter.setFont(face);
    painter.drawText(baseline, text);
    QPainterPath outline;
    outline.addText(baseline, face, text);
    painter.strokePath(outline, QPen(fontColor_, emPx / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.restore();
}

void PainterCanvas::TextRect(const QRect& clip, int x, int y, const QString& text) {
    QPainter& painter = activePainter();
    painter.save();
    painter.setClipRect(clip);
    if (brush_ == BrushStyle::Solid)
        painter.fillRect(clip, brushColor_);
    // Only what fits in the clip shows, and no glyph is narrower than a device pixel.
    if (!text.isEmpty())
        drawText(x, y, text.left(4 * qMax(clip.width(), 1)));
    painter.restore();
}

void PainterCanvas::TextOut(int x, int y, const QString& text) {
    QPainter& painter = activePainter();
    if (brush_ == BrushStyle::Solid) {
        const QFontMetrics metrics(font_, &device_);
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), brushColor_);
    }
    drawText(x, y, text);
}

int PainterCanvas::TextHeight(const QString&) {
    // The height of the font's cell, whatever the characters.
    return QFontMetrics(font_, &device_).height();
}

int PainterCanvas::TextWidth(const QString& text) { return QFontMetrics(font_, &device_).horizontalAdvance(text); }

void PainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    QPainter& painter = activePainter();
    painter.save();
    painter.setPen(QPen(penColor_, penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(brush_ == BrushStyle::Clear ? QBrush(Qt::NoBrush) : QBrush(brushColor_));
    // The outline runs along the last pixel inside, as the right and bottom
    // edges are not part of the rectangle.
    painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    painter.restore();
}

void PainterCanvas::DrawImage(const QRect& target, const QImage& image) {
    QPainter& painter = activePainter();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A PDF keeps the picture as it is, not as a JPEG with blurred lines.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(target, image);
    painter.restore();
}

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    canvas_ = std::make_unique<PainterCanvas>(painter_, *printer_);
    choice_ = DefaultPrinterChoice();
    applyChoice();
}

QtPrinter::~QtPrinter() {
    if (painter_.isActive())
        painter_.end();
}

void QtPrinter::SetChoice(const PrinterChoice& choice) {
    if (painter_.isActive())
        throw VantelError(Texts::tr("印刷中はプリンターを変えられません。"));
    choice_ = choice;
    applyChoice();
}

void QtPrinter::applyChoice() {
    if (choice_.ToPdf()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer_->setOutputFormat(QPrinter::NativeFormat);
        printer_->setPrinterName(choice_.printerName);
    }
    printer_->setResolution(kPrinterDpi);
    printer_->setPageSize(choice_.pageSize);
    printer_->setPageOrientation(choice_.orientation);
}

void QtPrinter::BeginDoc() {
    if (painter_.isActive())
        throw VantelError(Texts::tr("すでに印刷中です。"));
    applyChoice();
    lastOutputFile_.clear();
    QString file;
    if (choice_.ToPdf()) {
        file = ReservePdfName(choice_.pdfBase);
        printer_->setOutputFileName(file);
    } else {
        printer_->setOutputFileName(QString());
        if (!printer_->isValid())
            throw VantelError(Texts::tr("プリンター「%1」は使えません。").arg(choice_.printerName));
    }
    if (!painter_.begin(printer_.get())) {
        if (!file.isEmpty())
            QFile::remove(file);
        throw VantelError(file.isEmpty()
                              ? Texts::tr("プリンター「%1」で印刷を始められません。").arg(choice_.printerName)
                              : Texts::tr("%1\n印刷を始められません。").arg(QDir::toNativeSeparators(file)));
    }
    lastOutputFile_ = file;
}

void QtPrinter::EndDoc() {
    if (!painter_.isActive())
        throw VantelError(Texts::tr("プリンターは印刷中ではありません。"));
    painter_.end();
}

void QtPrinter::NewPage() {
    if (!painter_.isActive())
        throw VantelError(Texts::tr("プリンターは印刷中ではありません。"));
    if (!printer_->newPage())
        throw VantelError(Texts::tr("新しいページを始められません。"));
}

int QtPrinter::PageWidth() const { return int(printer_->pageRect(QPrinter::DevicePixel).width()); }

int QtPrinter::PageHeight() const { return int(printer_->pageRect(QPrinter::DevicePixel).height()); }

int QtPrinter::DpiX() const { return printer_->logicalDpiX(); }

int QtPrinter::DpiY() const { return printer_->logicalDpiY(); }
