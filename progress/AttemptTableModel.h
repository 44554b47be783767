// The attempts as a table of date, time, score and new best; each column
// sorts by its value (Qt::UserRole), not by its text. The model sorts its
// rows itself, comparing the attempts' own values: a long history sorts in
// a few milliseconds, with no value made for each comparison.
#pragma once

#include "progress/Attempt.h"

#include <QAbstractTableModel>

class AttemptTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    enum Column { Date, Time, Score, NewBest, ColumnCount };

    // In the order of the last sort.
    void SetAttempts(QList<Attempt> attempts);
    // As they were given, whatever the rows' order.
    const QList<Attempt>& Attempts() const { return attempts_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // The headers in the language now spoken.
    void Retranslate();

private:
    void sortRows();

    QList<Attempt> attempts_;
    QList<int> rows_; // the attempt shown in each row
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
