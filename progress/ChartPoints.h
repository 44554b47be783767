// The points of the time chart: every attempt's time, the best so far as a
// step line and the attempts with wrong answers. A long history has more
// attempts than the plot has pixels across; it is reduced to what the pixels
// can show, so drawing costs the same for ten thousand attempts as for a few
// hundred.
#pragma once

#include "progress/Attempt.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

struct ChartPoints {
    QList<QPointF> times; // x: ms since the epoch, y: seconds
    QList<QPointF> best;  // a step line from the first all-correct attempt to the last attempt
    QList<QPointF> wrong;
    double slowest = 0; // seconds
};

// Every point, from attempts oldest first.
ChartPoints ChartPointsOf(const QList<Attempt>& attempts);

// A line through points ordered by x, reduced to at most two points per
// pixel column of a plot columns wide over [xMin, xMax]: the lowest and the
// highest of each column in their order, so the line drawn covers the same
// pixels from bottom to top in each column. Fewer points than columns come
// back as they are.
QList<QPointF> ReduceToColumns(const QList<QPointF>& points, double xMin, double xMax, int columns);

// Marks over a plot of pixels size showing the values in range: one mark per
// cell of cellPx square pixels, so marks that would cover each other are
// drawn once; marks in different cells all stay.
QList<QPointF> ThinMarks(const QList<QPointF>& marks, const QRectF& range, const QSizeF& pixels,
                         double cellPx);
