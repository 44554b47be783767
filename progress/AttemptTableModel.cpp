#include "progress/AttemptTableModel.h"

#include "drill/DrillTime.h"

#include <algorithm>
#include <numeric>

void AttemptTableModel::SetAttempts(QList<Attempt> attempts) {
    beginResetModel();
    attempts_ = std::move(attempts);
    sortRows();
    endResetModel();
}

void AttemptTableModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> attemptsBefore;
    for (const QModelIndex& index : before)
        attemptsBefore << rows_[index.row()];
    sortColumn_ = column;
    sortOrder_ = order;
    sortRows();
    QList<int> rowOf(attempts_.size());
    for (int row = 0; row < rows_.size(); ++row)
        rowOf[rows_[row]] = row;
    QModelIndexList after;
    for (int i = 0; i < before.size(); ++i)
        after << index(rowOf[attemptsBefore[i]], before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void AttemptTableModel::sortRows() {
    rows_.resize(attempts_.size());
    std::iota(rows_.begin(), rows_.end(), 0);
    if (sortColumn_ < 0)
        return;
    const auto key = [this](int i) -> qint64 {
        const Attempt& a = attempts_.at(i); // no copy of a list shared with the reader
        switch (sortColumn_) {
        case Time:
            return a.durationMs;
        case Score:
            return a.score;
        case NewBest:
            return a.newBest;
        default:
            return a.startedUtc.toMSecsSinceEpoch();
        }
    };
    QList<qint64> keys(attempts_.size());
    for (int i = 0; i < attempts_.size(); ++i)
        keys[i] = key(i);
    // The attempts come oldest first: by date, with no two alike, the order is known.
    if (std::adjacent_find(keys.begin(), keys.end(), std::greater_equal<>()) == keys.end()) {
        if (sortOrder_ == Qt::DescendingOrder)
            std::reverse(rows_.begin(), rows_.end());
        return;
    }
    // Equal values keep the attempts' own order, newest last, whichever way round.
    if (sortOrder_ == Qt::AscendingOrder)
        std::stable_sort(rows_.begin(), rows_.end(), [&](int x, int y) { return keys[x] < keys[y]; });
    else
        std::stable_sort(rows_.begin(), rows_.end(), [&](int x, int y) { return keys[x] > keys[y]; });
}

int AttemptTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(attempts_.size());
}

int AttemptTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AttemptTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Attempt& a = attempts_[rows_[index.row()]];
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
        return tr("日付");
    case Time:
        return tr("時間");
    case Score:
        return tr("点数");
    case NewBest:
        return tr("新記録");
    }
    return {};
}

void AttemptTableModel::Retranslate() { emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1); }
