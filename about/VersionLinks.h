// The addresses the About box shows and the links its labels open. The link
// texts are built from fixed pieces and nothing else is encoded: "%0D%0A"
// stands for each line break of a mail body, and each body ends with an
// ideographic space after its last break.
#pragma once

#include <QString>

inline const QString kPictureAuthorMail = QStringLiteral("picture@vantel.example");
inline const QString kProducerMail = QStringLiteral("studio@vantel.example");
inline const QString kMakerWebPage = QStringLiteral("https://www.vantel.example/");

QString PictureAuthorMailLink(); // Label5
QString ProducerMailLink();      // Label7
QString MakerWebPageLink();      // Label8
