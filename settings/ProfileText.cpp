#include "settings/ProfileText.h"

#include "core/Cp932.h"

#include <QList>
#include <climits>

namespace {
struct Line {
    QByteArray text;
    QByteArray end; // the line's own terminator, kept as found
};

// Lines may end in CR LF, CR or LF.
QList<Line> splitLines(const QByteArray& file) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < file.size()) {
        qsizetype stop = start;
        while (stop < file.size() && file[stop] != '\r' && file[stop] != '\n')
            ++stop;
        qsizetype next = stop;
        if (next < file.size() && file[next] == '\r')
            ++next;
        if (next < file.size() && file[next] == '\n')
            ++next;
        lines.append({file.mid(start, stop - start), file.mid(stop, next - stop)});
        start = next;
    }
    return lines;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Names are compared decoded: "[" and "]" can be the second byte of a
// code page 932 character, "=" cannot.
std::optional<QString> sectionOf(const QByteArray& text) {
    const QString line = FromCp932(text).trimmed();
    if (!line.startsWith(u'['))
        return std::nullopt;
    // A header that lost its "]" still opens its section, so the keys under
    // it are found where they were meant to be.
    const qsizetype close = line.indexOf(u']');
    return line.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

std::optional<QString> keyOf(const QByteArray& text) {
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return FromCp932(text.left(equals)).trimmed();
}

struct Position {
    qsizetype keyLine = -1;     // the key's line
    qsizetype sectionLine = -1; // the header of the first matching section
    qsizetype lastLine = -1;    // its last non-blank line: a new key goes after it
};

// Reads and writes share this lookup, so a write replaces the very value a
// read would return.
Position find(const QList<Line>& lines, const QString& section, const QString& key) {
    Position at;
    bool inSection = false;
    bool inFirstSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& text = lines[i].text;
        if (const auto name = sectionOf(text)) {
            inSection = sameName(*name, section);
            inFirstSection = inSection && at.sectionLine < 0;
            if (inFirstSection)
                at.sectionLine = at.lastLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (inFirstSection && !text.trimmed().isEmpty())
            at.lastLine = i;
        if (const auto name = keyOf(text); name && sameName(*name, key)) {
            at.keyLine = i;
            return at;
        }
    }
    return at;
}

// A line break inside a value would end its line and turn the rest into
// lines of their own (a user name could plant "[form1]" and "top=").
QByteArray oneLine(const QString& text) {
    QString flat = text;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    return ToCp932(flat);
}
} // namespace

std::optional<QString> ProfileValue(const QByteArray& file, const QString& section, const QString& key) {
    const QList<Line> lines = splitLines(file);
    const Position at = find(lines, section, key);
    if (at.keyLine < 0)
        return std::nullopt;
    const QByteArray& text = lines[at.keyLine].text;
    return FromCp932(text.mid(text.indexOf('=') + 1));
}

QByteArray WithProfileValue(const QByteArray& file, const QString& section, const QString& key,
                            const QString& value) {
    const QByteArray crlf("\r\n");
    QList<Line> lines = splitLines(file);
    const Position at = find(lines, section, key);
    if (at.keyLine >= 0) {
        // Keep the name as it was written; only the value changes.
        QByteArray& text = lines[at.keyLine].text;
        text = text.left(text.indexOf('=') + 1) + oneLine(value);
    } else {
        const Line entry{oneLine(key) + '=' + oneLine(value), crlf};
        if (at.sectionLine >= 0) {
            lines.insert(at.lastLine + 1, entry);
        } else {
            if (!lines.isEmpty() && !lines.last().text.trimmed().isEmpty())
                lines.append({QByteArray(), crlf});
            lines.append({'[' + oneLine(section) + ']', crlf});
            lines.append(entry);
        }
    }
    QByteArray result;
    for (const Line& line : lines)
        result += line.text + (line.end.isEmpty() ? crlf : line.end);
    return result;
}

std::optional<int> ParseProfileInteger(const QString& text) {
    // Blanks around a number are forgiven, as in a hand-edited "top = 5".
    QStringView digits = QStringView(text).trimmed();
    const bool negative = digits.startsWith(u'-');
    if (negative || digits.startsWith(u'+'))
        digits = digits.mid(1);
    int base = 10;
    if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.mid(2);
    }
    if (digits.isEmpty())
        return std::nullopt;
    const QStringView alphabet = QStringView(u"0123456789abcdef").left(base);
    qint64 magnitude = 0;
    for (const QChar c : digits) {
        const qsizetype digit = alphabet.indexOf(c.toLower());
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > qint64(INT_MAX) + 1)
            return std::nullopt;
    }
    const qint64 number = negative ? -magnitude : magnitude;
    if (number > INT_MAX)
        return std::nullopt;
    return int(number);
}
