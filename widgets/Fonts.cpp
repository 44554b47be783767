#include "widgets/Fonts.h"

#include <QFont>

QFont LayoutFont(const QString& face, int pixels, bool bold, bool underline) {
    QFont font(QFont::substitute(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kGothicFace, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kMinchoFace, QStringLiteral("IPAPMincho"));
}
