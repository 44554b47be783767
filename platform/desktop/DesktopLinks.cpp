#include "platform/desktop/DesktopLinks.h"

#include <QDesktopServices>
#include <QUrl>

QByteArray EncodeLink(const QString& link) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    static const QByteArray kUnsafe("\"<>\\^`{|}");
    QByteArray encoded;
    for (const char c : link.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        // Characters no URL may hold as they are.
        if (byte <= 0x20 || byte >= 0x7F || kUnsafe.contains(c)) {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

bool DesktopLinks::OpenLink(const QString& link) {
    return QDesktopServices::openUrl(QUrl::fromEncoded(EncodeLink(link), QUrl::StrictMode));
}
