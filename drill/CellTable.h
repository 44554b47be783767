// A grid of texts held in memory: the store behind TStringGrid, and a
// stand-in for a grid wherever no widget is needed.
#pragma once

#include "drill/GridCells.h"

#include <QList>

class CellTable : public GridCells {
public:
    CellTable(int cols = 0, int rows = 0) { Resize(cols, rows); }

    int ColCount() const override { return cols_; }
    int RowCount() const override { return rows_; }
    QString Cells(int col, int row) const override {
        return Contains(col, row) ? texts_[index(col, row)] : QString();
    }
    void SetCells(int col, int row, const QString& text) override {
        if (Contains(col, row))
            texts_[index(col, row)] = text;
    }
    bool Contains(int col, int row) const { return col >= 0 && row >= 0 && col < cols_ && row < rows_; }

    // Keeps the texts of the cells that stay inside the new size.
    void Resize(int cols, int rows) {
        cols = qMax(0, cols);
        rows = qMax(0, rows);
        QList<QString> texts(qsizetype(cols) * rows);
        for (int r = 0; r < qMin(rows, rows_); ++r)
            for (int c = 0; c < qMin(cols, cols_); ++c)
                texts[qsizetype(r) * cols + c] = texts_[index(c, r)];
        texts_.swap(texts);
        cols_ = cols;
        rows_ = rows;
    }

private:
    qsizetype index(int col, int row) const { return qsizetype(row) * cols_ + col; }

    int cols_ = 0;
    int rows_ = 0;
    QList<QString> texts_;
};
