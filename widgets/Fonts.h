// The window layout names the Windows Japanese faces; the IPA P fonts share
// their metrics, so they stand in for them.
#pragma once

#include <QFont>
#include <QString>

inline const QString kGothicFace = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kMinchoFace = QStringLiteral("ＭＳ Ｐ明朝");

void InstallFontSubstitutions();

// A font of the layout, by its face name there, at a size in pixels. It is
// made with the installed face that stands in for the name, so no time goes
// into looking for a face the machine does not have.
QFont LayoutFont(const QString& face, int pixels, bool bold = false, bool underline = false);
