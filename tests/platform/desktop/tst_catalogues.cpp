// The catalogues as translators left them: every text of every language
// accepted, each keeping its source's placeholders (a lost "%2" would print
// a wrong sentence) and, where the source marks a menu key, marking one.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {
struct Message {
    QString context, source, translation;
    bool finished = false;
};

QList<Message> ReadCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            message.translation = xml.readElementText();
            messages << message;
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QSet<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// A single "&" before a letter or digit marks a key; "&&" is an ampersand.
bool MarksAKey(QString text) {
    text.remove(QStringLiteral("&&"));
    static const QRegularExpression key(QStringLiteral("&[A-Za-z0-9]"));
    return text.contains(key);
}
} // namespace

class TestCatalogues : public QObject {
    Q_OBJECT
private slots:
    void everyTextAcceptedWithItsPlaceholders_data() {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../translations"));
        const QStringList files = folder.entryList({QStringLiteral("vantel_*.ts")});
        QVERIFY(files.size() >= 6);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }

    void everyTextAcceptedWithItsPlaceholders() {
        QFETCH(QString, path);
        const QList<Message> messages = ReadCatalogue(path);
        QVERIFY2(messages.size() > 400, qPrintable(path));
        QStringList faults;
        for (const Message& m : messages) {
            const QString where = m.context + u' ' + m.source;
            if (!m.finished || m.translation.isEmpty())
                faults << QStringLiteral("not accepted: ") + where;
            else if (Placeholders(m.translation) != Placeholders(m.source))
                faults << QStringLiteral("placeholders: ") + where + QStringLiteral(" -> ") + m.translation;
            else if (MarksAKey(m.source) && !MarksAKey(m.translation))
                faults << QStringLiteral("no key: ") + where + QStringLiteral(" -> ") + m.translation;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
