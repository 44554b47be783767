// The class at a glance for the teacher: one row per child, and for each
// drill the best time, the last time, the attempts of the last 7 days and
// the trend of the last five attempts against the five before. With a class
// list every listed child has a row, practised or not; names that came only
// from attempts are kept apart for the teacher to join to a listed name.
#pragma once

#include "classroom/ClassReader.h"

#include <QAbstractTableModel>

// One child of the class table.
struct ClassChild {
    QString name;
    bool listed = false; // on the class list
    std::optional<ClassSummaryRow> drills[4];

    qint64 Attempts() const;
    qint64 AttemptsIn7Days() const;
    // No attempt in the last 7 days (or none at all): the teacher should look.
    bool Idle() const { return AttemptsIn7Days() == 0; }
};

// Listed children in the list's order by name, each with their figures; and
// the names of attempts that are not on the list. Without a list everyone with
// attempts is a row, as before there were lists.
struct ClassRows {
    QList<ClassChild> rows;
    QList<ClassChild> unlisted;
};
ClassRows MakeClassRows(const QList<ClassSummaryRow>& summary, const QStringList& roster);

class ClassTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Measure { Best, Last, Week, Trend, MeasureCount };
    static constexpr int kNameColumn = 0;
    static constexpr int kIdleColumn = 1;
    static constexpr int kFirstDrillColumn = 2;
    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(const QList<ClassSummaryRow>& rows);
    // The class list; empty: none, everyone with attempts is shown.
    void SetRoster(const QStringList& roster);
    const QStringList& Roster() const { return roster_; }
    // The headers and texts again, in the language now chosen.
    void Retranslate();
    // Every name the window may show records of: the rows, then the unlisted names.
    QStringList Children() const;
    QString ChildAt(int row) const;
    const QList<ClassChild>& Rows() const { return rows_.rows; }
    const QList<ClassChild>& Unlisted() const { return rows_.unlisted; }
    static int Column(DrillKind drill, Measure measure) {
        return kFirstDrillColumn + int(drill) * MeasureCount + measure;
    }
    static DrillKind DrillOf(int column) {
        return DrillKind(std::max(0, column - kFirstDrillColumn) / MeasureCount);
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void rebuild();

    QList<ClassSummaryRow> summary_;
    QStringList roster_;
    ClassRows rows_;
};

// "01:23" as the main window writes times; "—" for none.
QString ClassTimeText(int ms);
// "−3.2秒" (faster) or "+1.0秒"; "" when there are too few attempts.
QString TrendText(const std::optional<int>& trendMs);
// The mark of a child with no attempt in the last 7 days.
QString IdleMark();
