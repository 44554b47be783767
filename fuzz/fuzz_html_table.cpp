// The HTML page of the name panel. Input: cell texts in UTF-8, separated by
// TAB (cells) and LF (rows); the first row's first cell is the title. No text
// may open a tag or an attribute: the page has exactly the tags of its
// frame, and every text reads back from its escaped form unchanged.
#include "FuzzCheck.h"
#include "gridio/DelimitedText.h"
#include "gridio/HtmlTable.h"
#include "core/Cp932.h"

#include <QRegularExpression>

namespace {
// Reverses what the page does to a text: the four escapes and numeric references.
QString unescaped(const QString& text) {
    static const QRegularExpression reference(QStringLiteral("&(amp|lt|gt|quot|#([0-9]+));"));
    QString out;
    qsizetype last = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        out += text.mid(last, match.capturedStart() - last);
        const QString name = match.captured(1);
        if (name == u"amp")
            out += u'&';
        else if (name == u"lt")
            out += u'<';
        else if (name == u"gt")
            out += u'>';
        else if (name == u"quot")
            out += u'"';
        else
            out += QString::fromUcs4(std::u32string(1, char32_t(match.captured(2).toUInt())).data(), 1);
        last = match.capturedEnd();
    }
    return out + text.mid(last);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QStringList> rows;
    for (const QString& line : input.split(u'\n'))
        rows.append(line.split(u'\t'));
    const QString title = rows.first().first();

    const QByteArray page = DelimitedText::FileBytes(HtmlTable::PageLines(title, rows));
    // "<" and ">" are never a trail byte of a code page 932 character, so the
    // bytes can be counted as they are.
    qsizetype tags = 12 + 2 * rows.size(); // the frame, and <TR></TR> per row
    for (const QStringList& row : rows)
        tags += 2 * row.size();
    FUZZ_CHECK(page.count('<') == tags && page.count('>') == tags,
               QString::fromLatin1(page.toPercentEncoding()));
    // Attributes only where the frame has them.
    FUZZ_CHECK(page.count('"') == 6, QString::fromLatin1(page.toPercentEncoding()));

    const QString text = FromCp932(page);
    const qsizetype titleStart = text.indexOf(u"<TITLE>") + 7;
    FUZZ_CHECK(unescaped(text.mid(titleStart, text.indexOf(u"</TITLE>") - titleStart)) == title, title);
    qsizetype pos = text.indexOf(u"<TABLE BORDER>");
    for (const QStringList& row : rows)
        for (const QString& cell : row) {
            const qsizetype start = text.indexOf(u"<TD>", pos) + 4;
            pos = text.indexOf(u"</TD>", start);
            FUZZ_CHECK(unescaped(text.mid(start, pos - start)) == cell, cell);
        }
    return 0;
}
