// The recorded attempt, and how the history names its child and drill.
#pragma once

#include "drill/Attempt.h"

// How the history shows a child: the name, or "名前なし" for none.
QString ChildLabel(const QString& child);
// The drill's name as the main window's tabs give it ("たしざん").
QString DrillLabel(DrillKind drill);
