#include "platform/Fonts.h"

#include <QFont>

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kGothicFace, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kMinchoFace, QStringLiteral("IPAPMincho"));
}
