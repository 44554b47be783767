#include "platform/help/HelpBrowser.h"

#include <QHelpEngineCore>
#include <QTextDocument>

HelpBrowser::HelpBrowser(const QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    // Mail and web links go to the desktop; pages stay in here.
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != QLatin1String("qthelp"))
        return QTextBrowser::loadResource(type, name);
    const QByteArray data = engine_.fileData(name);
    if (data.isEmpty())
        return {};
    // The pages and style sheet are UTF-8; hand them over as text so nothing
    // has to guess the encoding.
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(data);
    return data;
}
