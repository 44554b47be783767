#include "classroom/RosterImport.h"

#include "core/Cp932.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringDecoder>

namespace {
constexpr int kMaxProblemLines = 30;

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RosterImport)
};
// The class table's export speaks in its own context.
struct CsvTexts {
    Q_DECLARE_TR_FUNCTIONS(ClassCsv)
};

// The words a teacher's file uses, whatever the language; and the header of
// the class table's own export in the language chosen, so that file reads back.
bool isNameHeader(const QString& cell) {
    static const QStringList kHeaders = {QStringLiteral("名前"), QStringLiteral("氏名"),
                                         QStringLiteral("なまえ"), QStringLiteral("name")};
    const QString word = cell.trimmed();
    return kHeaders.contains(word, Qt::CaseInsensitive) ||
           word.compare(ClassCsvNameHeader(), Qt::CaseInsensitive) == 0;
}

// A text file has no NUL bytes, and few control characters besides tabs and line ends.
bool looksBinary(const QByteArray& bytes, const QString& text) {
    if (bytes.contains('\0'))
        return true;
    qsizetype controls = 0;
    for (QChar c : text)
        controls += (c.unicode() < 0x20 && c != u'\n' && c != u'\r' && c != u'\t') ||
                    c == QChar::ReplacementCharacter;
    return controls > 0 && controls * 20 > text.size();
}

QString shortened(const QString& name) {
    return name.size() > 20 ? name.left(20) + QStringLiteral("…") : name;
}

bool hasControl(const QString& name) {
    return std::any_of(name.begin(), name.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}
} // namespace

QString DecodeRosterText(const QByteArray& bytes) {
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(body.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    // Spreadsheets on Windows save CSV in the system's code page.
    return FromCp932(body);
}

QList<CsvRecord> ParseCsv(const QString& text) {
    QList<CsvRecord> records;
    CsvRecord record{1, {}};
    QString field;
    bool quoted = false; // inside quotes
    bool fieldStarted = false;
    int line = 1;
    const auto endRecord = [&] {
        record.fields << field;
        records << record;
        record = CsvRecord{line, {}};
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == u',') {
            record.fields << field;
            field.clear();
            fieldStarted = false;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !record.fields.isEmpty() || !field.isEmpty())
        endRecord();
    return records;
}

QString ClassCsvNameHeader() {
    //: CSV column header of the children's names; a class list file with this header reads back
    return CsvTexts::tr("名前");
}

RosterImport ReadRoster(const QByteArray& bytes) {
    RosterImport result;
    if (bytes.size() > kRosterMaxBytes) {
        result.problems << Texts::tr(
                               "ファイルが大きすぎます（名簿は %1 KB までです）。読み込みませんでした。")
                               .arg(kRosterMaxBytes / 1024);
        return result;
    }
    const QString text = DecodeRosterText(bytes);
    if (looksBinary(bytes, text)) {
        result.problems << Texts::tr("文字のファイルではないため、読み込みませんでした。");
        return result;
    }
    const QList<CsvRecord> records = ParseCsv(text);
    int column = 0;
    qsizetype first = 0;
    while (first < records.size() && records[first].fields.join(QString()).trimmed().isEmpty())
        ++first;
    if (first < records.size()) {
        const QStringList& header = records[first].fields;
        const auto found = std::find_if(header.begin(), header.end(), isNameHeader);
        if (found != header.end()) {
            column = int(found - header.begin());
            ++first;
        }
    }

    QStringList problems;
    QSet<QString> seen;
    int over = 0;
    for (qsizetype r = first; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const QString name = record.fields.value(column).trimmed();
        if (name.isEmpty())
            continue;
        const int line = record.line;
        if (name.size() > kRosterNameMaxLength) {
            problems << Texts::tr("%1 行目: 名前が長すぎます（%2 文字まで）「%3」")
                            .arg(line)
                            .arg(kRosterNameMaxLength)
                            .arg(shortened(name));
        } else if (hasControl(name)) {
            problems << Texts::tr("%1 行目: 名前に使えない文字があります").arg(line);
        } else if (seen.contains(name)) {
            problems << Texts::tr("%1 行目: 「%2」は前にもあるので、1 回だけにしました").arg(line).arg(name);
        } else if (result.names.size() >= kRosterMaxNames) {
            ++over;
        } else {
            seen.insert(name);
            result.names << name;
        }
    }
    if (over > 0)
        problems << Texts::tr("%1 人を超えた %2 人は読み込みませんでした").arg(kRosterMaxNames).arg(over);
    if (problems.size() > kMaxProblemLines) {
        const qsizetype rest = problems.size() - kMaxProblemLines;
        problems = problems.mid(0, kMaxProblemLines);
        problems << Texts::tr("ほか %1 件").arg(rest);
    }
    if (result.names.isEmpty() && problems.isEmpty())
        problems << Texts::tr("名前が見つかりませんでした。");
    result.problems = problems;
    return result;
}
