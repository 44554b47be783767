// Reading a drill sheet's headers back as numbers, for comparing them with
// the values they must hold.
#pragma once

#include "drill/GridCells.h"

#include <QList>
#include <algorithm>

inline QList<int> Sorted(QList<int> values) {
    std::sort(values.begin(), values.end());
    return values;
}

// The count values from, from + 1, ...
inline QList<int> Range(int from, int count) {
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values.append(from + i);
    return values;
}

// The first n top headers (top) or left headers, in sheet order.
inline QList<int> Headers(const GridCells& grid, int n, bool top) {
    QList<int> values;
    for (int i = 1; i <= n; ++i)
        values.append((top ? grid.Cells(i, 0) : grid.Cells(0, i)).toInt());
    return values;
}
