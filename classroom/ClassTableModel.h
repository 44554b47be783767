// The class at a glance for the teacher: one row per child, and for each
// drill the best time, the last time, the attempts of the last 7 days and
// the trend of the last five attempts against the five before.
#pragma once

#include "classroom/ClassReader.h"

#include <QAbstractTableModel>

class ClassTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Measure { Best, Last, Week, Trend, MeasureCount };
    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(const QList<ClassSummaryRow>& rows);
    QStringList Children() const;
    QString ChildAt(int row) const;
    static int Column(DrillKind drill, Measure measure) { return 1 + int(drill) * MeasureCount + measure; }
    static DrillKind DrillOf(int column) { return DrillKind(std::max(0, column - 1) / MeasureCount); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Child {
        QString name;
        std::optional<ClassSummaryRow> drills[4];
    };
    QList<Child> children_;
};

// "01:23" as the main window writes times; "—" for none.
QString ClassTimeText(int ms);
// "−3.2秒" (faster) or "+1.0秒"; "" when there are too few attempts.
QString TrendText(const std::optional<int>& trendMs);
