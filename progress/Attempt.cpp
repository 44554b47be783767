#include "progress/Attempt.h"

QString ChildLabel(const QString& child) { return child.isEmpty() ? QStringLiteral("名前なし") : child; }

QString DrillLabel(DrillKind drill) {
    switch (drill) {
    case DrillKind::Addition:
        return QStringLiteral("たしざん");
    case DrillKind::Subtraction:
        return QStringLiteral("ひきざん");
    case DrillKind::Multiplication:
        return QStringLiteral("かけざん");
    case DrillKind::Kuku:
        return QStringLiteral("九九");
    }
    return {};
}
