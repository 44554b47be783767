// The attempts as a table of date, time, score and new best; each column
// sorts by its value (Qt::UserRole), not by its text.
#pragma once

#include "progress/Attempt.h"

#include <QAbstractTableModel>

class AttemptTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    enum Column { Date, Time, Score, NewBest, ColumnCount };

    void SetAttempts(QList<Attempt> attempts);
    const QList<Attempt>& Attempts() const { return attempts_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<Attempt> attempts_;
};
