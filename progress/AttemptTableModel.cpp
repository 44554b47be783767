#include "progress/AttemptTableModel.h"

#include "drill/DrillTime.h"

void AttemptTableModel::SetAttempts(QList<Attempt> attempts) {
    beginResetModel();
    attempts_ = std::move(attempts);
    endResetModel();
}

int AttemptTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(attempts_.size());
}

int AttemptTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AttemptTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= attempts_.size())
        return {};
    const Attempt& a = attempts_[index.row()];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Date:
            return a.StartedLocal().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
        case Time:
            return FormatDrillTime(a.durationMs);
        case Score:
            return QStringLiteral("%1/%2").arg(a.score).arg(a.fullScore);
        case NewBest:
            return a.newBest ? QStringLiteral("○") : QString();
        }
    }
    if (role == Qt::UserRole) {
        switch (index.column()) {
        case Date:
            return a.startedUtc.toMSecsSinceEpoch();
        case Time:
            return qint64(a.durationMs);
        case Score:
            return a.score;
        case NewBest:
            return a.newBest ? 1 : 0;
        }
    }
    if (role == Qt::TextAlignmentRole)
        return index.column() == Date ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    return {};
}

QVariant AttemptTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Date:
        return QStringLiteral("日付");
    case Time:
        return QStringLiteral("時間");
    case Score:
        return QStringLiteral("点数");
    case NewBest:
        return QStringLiteral("新記録");
    }
    return {};
}
