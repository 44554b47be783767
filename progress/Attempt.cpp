#include "progress/Attempt.h"

QString ChildLabel(const QString& child) { return child.isEmpty() ? QStringLiteral("名前なし") : child; }

QString DrillLabel(DrillKind drill) {
    switch (drill) {
    case DrillKind::Addition:
        return QStringLiteral("足し算");
    case DrillKind::Subtraction:
        return QStringLiteral("引き算");
    case DrillKind::Multiplication:
        return QStringLiteral("掛け算");
    case DrillKind::Kuku:
        return QStringLiteral("九九");
    }
    return {};
}
