#include "classroom/ClassTableModel.h"

#include "progress/PlainToolTip.h"

#include <QBrush>
#include <QColor>
#include <QMap>

QString ClassTimeText(int ms) {
    if (ms < 0)
        return QStringLiteral("—");
    const int seconds = ms / 1000;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString TrendText(const std::optional<int>& trendMs) {
    if (!trendMs)
        return {};
    const double seconds = *trendMs / 1000.0;
    if (std::abs(seconds) < 0.05)
        //: A change of time in seconds, in a narrow column of the class table
        return ClassTableModel::tr("±0.0秒");
    return (seconds < 0 ? QStringLiteral("−") : QStringLiteral("+")) +
           //: Seconds, in a narrow column of the class table
           ClassTableModel::tr("%1秒").arg(std::abs(seconds), 0, 'f', 1);
}

QString IdleMark() {
    //: A child with no attempt in the last 7 days; a narrow column of the class table
    return ClassTableModel::tr("7日間 練習なし");
}

qint64 ClassChild::Attempts() const {
    qint64 sum = 0;
    for (const std::optional<ClassSummaryRow>& drill : drills)
        sum += drill ? drill->attempts : 0;
    return sum;
}

qint64 ClassChild::AttemptsIn7Days() const {
    qint64 sum = 0;
    for (const std::optional<ClassSummaryRow>& drill : drills)
        sum += drill ? drill->attempts7d : 0;
    return sum;
}

ClassRows MakeClassRows(const QList<ClassSummaryRow>& summary, const QStringList& roster) {
    QMap<QString, ClassChild> practised; // sorted by name
    for (const ClassSummaryRow& row : summary) {
        ClassChild& child = practised[row.child];
        child.name = row.child;
        child.drills[int(row.drill)] = row;
    }
    ClassRows made;
    if (roster.isEmpty()) {
        made.rows = practised.values();
        return made;
    }
    for (const QString& name : roster) {
        ClassChild child = practised.take(name);
        child.name = name;
        child.listed = true;
        made.rows << child;
    }
    made.unlisted = practised.values();
    return made;
}

void ClassTableModel::SetRows(const QList<ClassSummaryRow>& rows) {
    summary_ = rows;
    rebuild();
}

void ClassTableModel::SetRoster(const QStringList& roster) {
    roster_ = roster;
    rebuild();
}

void ClassTableModel::Retranslate() {
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ClassTableModel::rebuild() {
    beginResetModel();
    rows_ = MakeClassRows(summary_, roster_);
    endResetModel();
}

QStringList ClassTableModel::Children() const {
    QStringList names;
    for (const QList<ClassChild>* group : {&rows_.rows, &rows_.unlisted})
        for (const ClassChild& child : *group)
            names << child.name;
    return names;
}

QString ClassTableModel::ChildAt(int row) const {
    return row >= 0 && row < rows_.rows.size() ? rows_.rows[row].name : QString();
}

int ClassTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.rows.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFirstDrillColumn + 4 * MeasureCount;
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.rows.size())
        return {};
    const ClassChild& child = rows_.rows[index.row()];
    // An idle child's name and mark share a colour; the mark says it in words.
    const bool idleShade = child.Idle() && index.column() <= kIdleColumn;
    if (role == Qt::BackgroundRole && idleShade)
        return QBrush(QColor(255, 226, 190));
    if (index.column() == kNameColumn) {
        if (role == Qt::DisplayRole)
            return ChildLabel(child.name);
        if (role == Qt::ToolTipRole)
            return PlainToolTip(ChildLabel(child.name));
        if (role == Qt::UserRole) // the list's order, or by name without a list
            return roster_.isEmpty() ? QVariant(child.name) : QVariant(index.row());
        return {};
    }
    if (index.column() == kIdleColumn) {
        if (role == Qt::DisplayRole)
            return child.Idle() ? IdleMark() : QString();
        if (role == Qt::ToolTipRole && child.Idle())
            return child.Attempts() == 0
                       ? tr("まだ一度も練習していません")
                       : tr("最近 7 日間に練習していません（これまでに %1 回）").arg(child.Attempts());
        if (role == Qt::UserRole)
            return child.Idle() ? 0 : 1;
        return {};
    }
    const std::optional<ClassSummaryRow>& drill = child.drills[int(DrillOf(index.column()))];
    const auto measure = Measure((index.column() - kFirstDrillColumn) % MeasureCount);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::BackgroundRole && int(DrillOf(index.column())) % 2 == 0)
        return QBrush(QColor(238, 244, 252));
    if (!drill) {
        if (role == Qt::DisplayRole)
            return measure == Week ? QStringLiteral("0") : QString();
        if (role == Qt::UserRole)
            return measure == Week ? 0 : std::numeric_limits<int>::max(); // no record sorts last
        return {};
    }
    switch (measure) {
    case Best:
    case Last: {
        const int ms = measure == Best ? drill->bestMs : drill->lastMs;
        if (role == Qt::DisplayRole)
            return ClassTimeText(ms);
        if (role == Qt::UserRole)
            return ms < 0 ? std::numeric_limits<int>::max() : ms;
        if (role == Qt::ToolTipRole && measure == Last && drill->lastAt.isValid())
            return drill->lastAt.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
        break;
    }
    case Week:
        if (role == Qt::DisplayRole || role == Qt::UserRole)
            return drill->attempts7d;
        if (role == Qt::ToolTipRole)
            return tr("これまでに %1 回").arg(drill->attempts);
        break;
    case Trend:
        if (role == Qt::DisplayRole)
            return TrendText(drill->trendMs);
        if (role == Qt::UserRole)
            return drill->trendMs ? *drill->trendMs : std::numeric_limits<int>::max();
        if (role == Qt::ForegroundRole && drill->trendMs && std::abs(*drill->trendMs) >= 50)
            return QBrush(*drill->trendMs < 0 ? QColor(30, 130, 50) : QColor(200, 50, 40));
        if (role == Qt::ToolTipRole)
            return drill->trendMs ? tr("最近5回の平均と、その前の5回の平均の差（−は速くなった）")
                                  : tr("6回以上で表示します");
        break;
    case MeasureCount:
        break;
    }
    return {};
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == kNameColumn)
        //: Column header: the child's name
        return tr("名前");
    if (section == kIdleColumn)
        //: Column header: whether the child practised lately
        return tr("練習");
    // Each under its drill's name in a column about 52 pixels wide.
    const QString measures[] = {//: Column header: the best time
                                tr("ベスト"),
                                //: Column header: the latest time
                                tr("最新"),
                                //: Column header: attempts in the last 7 days
                                tr("7日間"),
                                //: Column header: the trend of the times
                                tr("傾向")};
    return DrillLabel(DrillOf(section)) + u'\n' + measures[(section - kFirstDrillColumn) % MeasureCount];
}
