#include "progress/Attempt.h"

#include <QCoreApplication>

namespace {
// The labels speak the chosen language wherever they are shown or printed.
QString DrillText(const char* text) { return QCoreApplication::translate("Drills", text); }
} // namespace

QString ChildLabel(const QString& child) {
    return child.isEmpty() ? DrillText(QT_TRANSLATE_NOOP("Drills", "名前なし")) : child;
}

QString DrillLabel(DrillKind drill) {
    switch (drill) {
    case DrillKind::Addition:
        return DrillText(QT_TRANSLATE_NOOP("Drills", "たしざん"));
    case DrillKind::Subtraction:
        return DrillText(QT_TRANSLATE_NOOP("Drills", "ひきざん"));
    case DrillKind::Multiplication:
        return DrillText(QT_TRANSLATE_NOOP("Drills", "かけざん"));
    case DrillKind::Kuku:
        return DrillText(QT_TRANSLATE_NOOP("Drills", "九九"));
    }
    return {};
}
