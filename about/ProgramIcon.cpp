#include "about/ProgramIcon.h"

#include <QImage>
#include <QPainter>

namespace {
const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kGray(128, 128, 128);
} // namespace

QPixmap ProgramIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Sheet with a drop shadow.
    p.fillRect(3, 3, 29, 29, kGray);
    p.fillRect(0, 0, 29, 29, kWhite);
    // Header row and column.
    p.fillRect(1, 1, 27, 9, kYellow);
    p.fillRect(1, 1, 9, 27, kYellow);
    // Frame and cell lines: a 3 x 3 sheet of 9-pixel cells.
    p.setPen(kNavy);
    p.drawRect(0, 0, 28, 28);
    for (int at : {10, 19}) {
        p.drawLine(at, 1, at, 27);
        p.drawLine(1, at, 27, at);
    }
    // The plus sign of the corner.
    p.fillRect(2, 4, 7, 3, kRed);
    p.fillRect(4, 2, 3, 7, kRed);
    // Two answers judged correct.
    p.setPen(QPen(kRed, 1));
    p.drawEllipse(12, 12, 5, 5);
    p.drawEllipse(21, 21, 5, 5);
    p.end();
    return QPixmap::fromImage(image);
}
