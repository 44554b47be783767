// The real ShellLinks: hands a link to the desktop's mail program or browser.
#pragma once

#include "platform/desktop/ShellLinks.h"

#include <QByteArray>

class DesktopLinks : public ShellLinks {
public:
    bool OpenLink(const QString& link) override;
};

// The link as the desktop expects it: UTF-8 with every byte outside printable
// ASCII percent-encoded. Escapes already in the text ("%0D%0A") and the
// separators of a mailto link ("?", "&", "=") pass unchanged.
QByteArray EncodeLink(const QString& link);
