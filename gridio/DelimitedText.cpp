#include "gridio/DelimitedText.h"

#include "core/Cp932.h"

namespace DelimitedText {
namespace {
constexpr QChar kQuote = u'"';

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// End of a value starting at `pos` that is read as plain text: the next
// delimiter, or with `atBreaks` the next line break, or the end of the text.
qsizetype plainEnd(const QString& text, qsizetype pos, QChar delimiter, bool atBreaks) {
    while (pos < text.size() && text[pos] != delimiter && !(atBreaks && isLineBreak(text[pos])))
        ++pos;
    return pos;
}

// End of a value that opens with a double quote at `pos`, just after its
// closing quote, or -1 when it is not well quoted: the closing quote must be
// followed by a delimiter, the end, or (with `atBreaks`) a line break, and
// every quote before it must be doubled.
qsizetype quotedEnd(const QString& text, qsizetype pos, QChar delimiter, bool atBreaks) {
    for (qsizetype i = pos + 1; i < text.size(); ++i) {
        if (text[i] != kQuote)
            continue;
        if (i + 1 < text.size() && text[i + 1] == kQuote) {
            ++i;
            continue;
        }
        if (i + 1 == text.size() || text[i + 1] == delimiter || (atBreaks && isLineBreak(text[i + 1])))
            return i + 1;
        return -1;
    }
    return -1;
}

qsizetype valueEnd(const QString& text, qsizetype pos, QChar delimiter, bool quoting, bool atBreaks) {
    if (quoting && pos < text.size() && text[pos] == kQuote) {
        const qsizetype end = quotedEnd(text, pos, delimiter, atBreaks);
        if (end >= 0)
            return end;
    }
    return plainEnd(text, pos, delimiter, atBreaks);
}

// True when every double quote of `inner` stands in a doubled pair.
bool quotesDoubled(const QString& inner) {
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] != kQuote)
            continue;
        if (i + 1 >= inner.size() || inner[i + 1] != kQuote)
            return false;
        ++i;
    }
    return true;
}
} // namespace

bool IsNumeric(const QString& value) {
    const qsizetype n = value.size();
    qsizetype i = 0;
    while (i < n && value[i] == u' ')
        ++i;
    if (i < n && (value[i] == u'+' || value[i] == u'-'))
        ++i;
    if (i >= n)
        return false;
    while (i < n && isDigit(value[i]))
        ++i;
    if (i < n && value[i] == u'.') {
        ++i;
        while (i < n && isDigit(value[i]))
            ++i;
    }
    if (i < n && (value[i] == u'e' || value[i] == u'E')) {
        ++i;
        if (i < n && (value[i] == u'+' || value[i] == u'-'))
            ++i;
        if (i >= n || !isDigit(value[i]))
            return false;
        while (i < n && isDigit(value[i]))
            ++i;
    }
    return i == n;
}

QString QuotedForm(const QString& value, QChar delimiter, bool quoting) {
    if (!quoting || (IsNumeric(value) && !value.contains(delimiter)))
        return value;
    QString doubled = value;
    doubled.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + doubled + kQuote;
}

QString JoinLine(const QStringList& values, QChar delimiter, bool quoting) {
    QString line;
    for (qsizetype k = 0; k < values.size(); ++k) {
        if (k > 0)
            line += delimiter;
        line += QuotedForm(values[k], delimiter, quoting);
    }
    return line;
}

QByteArray FileBytes(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return ToCp932(text);
}

QStringList SplitRecords(const QString& text, QChar delimiter, bool quoting) {
    QStringList records;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        const qsizetype start = pos;
        if (quoting) {
            // Walk value by value, so that a break inside a quoted value does not end the record.
            for (;;) {
                pos = valueEnd(text, pos, delimiter, true, true);
                if (pos < n && text[pos] == delimiter && !isLineBreak(delimiter))
                    ++pos;
                else
                    break;
            }
        }
        while (pos < n && !isLineBreak(text[pos]))
            ++pos;
        records.append(text.mid(start, pos - start));
        if (pos < n)
            pos += (text[pos] == u'\r' && pos + 1 < n && text[pos + 1] == u'\n') ? 2 : 1;
    }
    return records;
}

int DelimiterCount(const QString& record, QChar delimiter, bool quoting) {
    if (!quoting)
        return int(record.count(delimiter));
    int count = 0;
    qsizetype pos = valueEnd(record, 0, delimiter, true, false);
    while (pos < record.size()) { // at a delimiter
        ++count;
        pos = valueEnd(record, pos + 1, delimiter, true, false);
    }
    return count;
}

QStringList SplitRecord(const QString& record, QChar delimiter, int columns, bool quoting) {
    QStringList values;
    if (columns <= 0)
        return values;
    qsizetype pos = 0;
    for (int k = 0; k < columns - 1; ++k) {
        const qsizetype end = valueEnd(record, pos, delimiter, quoting, false);
        if (end < record.size()) { // a delimiter is left: the value runs up to it
            values.append(record.mid(pos, end - pos));
            pos = end + 1;
        } else {
            values.append(QString());
        }
    }
    values.append(record.mid(pos));
    if (quoting)
        for (QString& value : values)
            value = Unquote(value);
    return values;
}

QString Unquote(const QString& value) {
    if (value.size() < 2 || value.front() != kQuote || value.back() != kQuote)
        return value;
    QString inner = value.mid(1, value.size() - 2);
    if (quotesDoubled(inner))
        inner.replace(QStringLiteral("\"\""), QString(kQuote));
    return inner;
}

} // namespace DelimitedText
