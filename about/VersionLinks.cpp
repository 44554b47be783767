#include "about/VersionLinks.h"

namespace {
const QString kSubject = QStringLiteral("subject=Vantelのバージョン情報から&");

QString MailLink(const QString& address, const QString& body) {
    return QStringLiteral("mailto:") + address + QStringLiteral("?") + kSubject + body;
}
} // namespace

QString PictureAuthorMailLink() {
    return MailLink(kPictureAuthorMail, QStringLiteral("body=「バージョン情報の画像は、如何ですか」%0D%0A"
                                                       "「貴方の一言が私の勇気となります。」%0D%0A　"));
}

QString ProducerMailLink() {
    return MailLink(kProducerMail, QStringLiteral("body=「Vantel の使い心地は、如何ですか」%0D%0A"
                                                  "「貴方の一言が私の勇気となります。」%0D%0A　"));
}

QString MakerWebPageLink() { return kMakerWebPage; }
