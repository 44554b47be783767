#include "gridio/DelimitedText.h"

#include "core/Cp932.h"

#include <algorithm>
#include <climits>

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

// Finds where values end in one text. A value that opens with a double quote
// is well quoted when its closing quote is followed by a delimiter, the end,
// or (with `atBreaks`) a line break, and every quote before that is doubled.
// Inside such a value a run of quotes of even length is only doubled quotes;
// the first run of odd length holds the closing quote at its end. Finding
// that run from scratch for every value would make a line full of stray
// quotes take quadratic time, so the last run found is remembered.
class ValueScanner {
public:
    ValueScanner(const QString& text, QChar delimiter) : text_(text), delimiter_(delimiter) {}

    qsizetype End(qsizetype pos, bool quoting, bool atBreaks) {
        if (quoting && pos < text_.size() && text_[pos] == kQuote) {
            const qsizetype end = quotedEnd(pos, atBreaks);
            if (end >= 0)
                return end;
        }
        return plainEnd(text_, pos, delimiter_, atBreaks);
    }

private:
    qsizetype runEnd(qsizetype pos) const {
        while (pos < text_.size() && text_[pos] == kQuote)
            ++pos;
        return pos;
    }

    // Just after the closing quote, or -1 when the value is not well quoted.
    qsizetype quotedEnd(qsizetype pos, bool atBreaks) {
        qsizetype closing = runEnd(pos);
        // The opening quote leaves an odd run to close at once, an even one to skip.
        if ((closing - pos) % 2 != 0)
            closing = oddRunEnd(closing);
        if (closing < 0)
            return -1;
        if (closing == text_.size() || text_[closing] == delimiter_ ||
            (atBreaks && isLineBreak(text_[closing])))
            return closing;
        return -1;
    }

    // The end of the first run of quotes of odd length at or after `from`
    // (which is not inside a run), or -1 when there is none.
    qsizetype oddRunEnd(qsizetype from) {
        if (from >= searchedFrom_ && (found_ < 0 ? searchedTo_ == text_.size() : from <= foundStart_))
            return found_;
        qsizetype pos = from;
        found_ = -1;
        while (pos < text_.size()) {
            if (text_[pos] != kQuote) {
                ++pos;
                continue;
            }
            const qsizetype end = runEnd(pos);
            if ((end - pos) % 2 != 0) {
                foundStart_ = pos;
                found_ = end;
                break;
            }
            pos = end;
        }
        searchedFrom_ = from;
        searchedTo_ = pos;
        return found_;
    }

    const QString& text_;
    QChar delimiter_;
    qsizetype searchedFrom_ = -1; // the last search, from where and up to where
    qsizetype searchedTo_ = -1;
    qsizetype foundStart_ = -1; // and the run it found
    qsizetype found_ = -1;
};

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

QStringList SplitRecords(const QString& text, QChar delimiter, bool quoting, qsizetype maxRecords) {
    QStringList records;
    ValueScanner values(text, delimiter);
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n && records.size() < maxRecords) {
        const qsizetype start = pos;
        if (quoting) {
            // Walk value by value, so that a break inside a quoted value does not end the record.
            for (;;) {
                pos = values.End(pos, true, true);
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
    ValueScanner values(record, delimiter);
    int count = 0;
    qsizetype pos = values.End(0, true, false);
    while (pos < record.size()) { // at a delimiter
        ++count;
        pos = values.End(pos + 1, true, false);
    }
    return count;
}

QStringList SplitRecord(const QString& record, QChar delimiter, int columns, bool quoting) {
    QStringList values;
    if (columns <= 0)
        return values;
    ValueScanner scanner(record, delimiter);
    qsizetype pos = 0;
    for (int k = 0; k < columns - 1; ++k) {
        const qsizetype end = scanner.End(pos, quoting, false);
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

QByteArray SaveTable(const QList<QStringList>& rows, QChar delimiter, bool quoting) {
    QStringList lines;
    for (const QStringList& row : rows)
        lines.append(JoinLine(row, delimiter, quoting));
    return FileBytes(lines);
}

std::optional<Table> LoadTable(const QByteArray& bytes, QChar delimiter, bool quoting, bool stretch, int rows,
                               int columns, qint64 maxCells) {
    const QString text = FromCp932(bytes);
    // Only the records that reach the grid are cut out, so a long file costs
    // no more than its text; a stretched grid of more rows than cells is refused anyway.
    const QStringList records =
        SplitRecords(text, delimiter, quoting, stretch ? maxCells + 1 : qMax(rows, 0));
    Table table{rows, columns, {}};
    if (stretch) {
        table.rows = int(std::clamp<qsizetype>(records.size(), 1, INT_MAX));
        int delimiters = 0;
        for (const QString& record : records)
            delimiters = std::max(delimiters, DelimiterCount(record, delimiter, quoting));
        table.columns = delimiters + 1;
        if (qint64(table.rows) * table.columns > maxCells)
            return std::nullopt;
    }
    const qsizetype filled = std::min<qsizetype>(table.rows, records.size());
    for (qsizetype r = 0; r < filled; ++r)
        table.cells.append(SplitRecord(records[r], delimiter, table.columns, quoting));
    return table;
}

} // namespace DelimitedText
