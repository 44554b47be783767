#include "progress/ChartPoints.h"

#include <QSet>
#include <algorithm>
#include <cmath>

ChartPoints ChartPointsOf(const QList<Attempt>& attempts) {
    ChartPoints points;
    points.times.reserve(attempts.size());
    double bestSoFar = -1;
    for (const Attempt& a : attempts) {
        const double x = double(a.startedUtc.toMSecsSinceEpoch());
        const double seconds = a.durationMs / 1000.0;
        points.slowest = std::max(points.slowest, seconds);
        points.times << QPointF(x, seconds);
        if (!a.AllCorrect()) {
            points.wrong << QPointF(x, seconds);
        } else if (bestSoFar < 0 || seconds < bestSoFar) {
            if (bestSoFar >= 0)
                points.best << QPointF(x, bestSoFar); // a step, not a slope
            bestSoFar = seconds;
            points.best << QPointF(x, seconds);
        }
    }
    if (bestSoFar >= 0)
        points.best << QPointF(double(attempts.last().startedUtc.toMSecsSinceEpoch()), bestSoFar);
    return points;
}

QList<QPointF> ReduceToColumns(const QList<QPointF>& points, double xMin, double xMax, int columns) {
    if (columns <= 0 || points.size() <= columns || !(xMax > xMin))
        return points;
    const double perColumn = columns / (xMax - xMin);
    const auto columnOf = [&](double x) {
        return std::clamp(int(std::floor((x - xMin) * perColumn)), 0, columns - 1);
    };
    QList<QPointF> reduced;
    reduced.reserve(std::min<qsizetype>(points.size(), 2 * qsizetype(columns)));
    qsizetype start = 0;
    while (start < points.size()) {
        const int column = columnOf(points[start].x());
        qsizetype end = start + 1;
        qsizetype low = start, high = start;
        while (end < points.size() && columnOf(points[end].x()) == column) {
            if (points[end].y() < points[low].y())
                low = end;
            if (points[end].y() > points[high].y())
                high = end;
            ++end;
        }
        // In their own order: the line drawn through them covers the column
        // from its lowest to its highest point, as the whole line did.
        reduced << points[std::min(low, high)];
        if (low != high)
            reduced << points[std::max(low, high)];
        start = end;
    }
    return reduced;
}

QList<QPointF> ThinMarks(const QList<QPointF>& marks, const QRectF& range, const QSizeF& pixels,
                         double cellPx) {
    if (marks.isEmpty() || range.width() <= 0 || range.height() <= 0 || cellPx <= 0)
        return marks;
    const double cellsAcross = pixels.width() / cellPx, cellsDown = pixels.height() / cellPx;
    QSet<qint64> taken;
    taken.reserve(marks.size());
    QList<QPointF> kept;
    for (const QPointF& mark : marks) {
        const auto column = qint64(std::floor((mark.x() - range.left()) / range.width() * cellsAcross));
        const auto row = qint64(std::floor((mark.y() - range.top()) / range.height() * cellsDown));
        if (!taken.contains((column << 32) ^ row)) {
            taken.insert((column << 32) ^ row);
            kept << mark;
        }
    }
    return kept;
}
