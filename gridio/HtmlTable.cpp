#include "gridio/HtmlTable.h"

#include "core/Cp932.h"

namespace HtmlTable {
namespace {
bool inCodePage(const QString& text) { return FromCp932(ToCp932(text)) == text; }

QString markupEscaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}
} // namespace

QString Text(const QString& text) {
    const QString escaped = markupEscaped(text);
    if (inCodePage(escaped))
        return escaped;
    // Rare: look at each character on its own.
    QString out;
    for (qsizetype i = 0; i < escaped.size();) {
        const qsizetype length =
            (escaped[i].isHighSurrogate() && i + 1 < escaped.size() && escaped[i + 1].isLowSurrogate()) ? 2
                                                                                                        : 1;
        const QString character = escaped.mid(i, length);
        if (character[0].unicode() < 0x80 || inCodePage(character)) // ASCII is all in the code page
            out += character;
        else
            out += QStringLiteral("&#%1;").arg(character.toUcs4().value(0));
        i += length;
    }
    return out;
}

QStringList PageLines(const QString& title, const QList<QStringList>& rows) {
    QStringList lines{
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML i18n//EN\">"),
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE>") + Text(title) + QStringLiteral("</TITLE>"),
        QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=Shift_JIS\">"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QString(),
        QStringLiteral("<TABLE BORDER>"),
    };
    for (const QStringList& row : rows) {
        QString line = QStringLiteral("<TR>");
        for (const QString& cell : row)
            line += QStringLiteral("<TD>") + Text(cell) + QStringLiteral("</TD>");
        lines.append(line + QStringLiteral("</TR>"));
    }
    lines << QStringLiteral("</TABLE>") << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
    return lines;
}

} // namespace HtmlTable
