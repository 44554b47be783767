// The window layout names the Windows Japanese faces; the IPA P fonts share
// their metrics, so they stand in for them.
#pragma once

#include <QString>

inline const QString kGothicFace = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kMinchoFace = QStringLiteral("ＭＳ Ｐ明朝");

void InstallFontSubstitutions();
