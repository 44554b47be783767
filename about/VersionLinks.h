// The addresses the About box shows and the links its labels open. The link
// texts are built from fixed pieces and nothing else is encoded: "%0D%0A"
// stands for each line break of a mail body, and each body ends with an
// ideographic space after its last break.
#pragma once

#include <QString>

// As plain text too, for the rows of the box's table.
inline constexpr char kPictureAuthorMailText[] = "picture@vantel.example";
inline constexpr char kProducerMailText[] = "studio@vantel.example";
inline constexpr char kMakerWebPageText[] = "https://www.vantel.example/";

inline const QString kPictureAuthorMail = QString::fromUtf8(kPictureAuthorMailText);
inline const QString kProducerMail = QString::fromUtf8(kProducerMailText);
inline const QString kMakerWebPage = QString::fromUtf8(kMakerWebPageText);

QString PictureAuthorMailLink(); // Label5
QString ProducerMailLink();      // Label7
QString MakerWebPageLink();      // Label8
