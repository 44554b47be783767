// The help in each language the program speaks: its collection is found for
// the language in force, holds the same pages and places as the Japanese
// help, reads in its own language, and the open help window follows a change.
#include "core/VantelError.h"
#include "platform/help/HelpFiles.h"
#include "platform/help/HelpWindow.h"
#include "platform/help/HelpWindowViewer.h"

#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpLink>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The languages offered besides Japanese; each must come with its help.
const QStringList kTranslated{"en", "pt_BR", "zh_CN", "vi", "fil", "es"};

bool Touch(const QString& path) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly);
}

// Every page of a collection, by file name, with its text.
QMap<QString, QString> Pages(QHelpEngineCore& engine) {
    QMap<QString, QString> pages;
    const QString space = engine.registeredDocumentations().value(0);
    for (const QUrl& url : engine.files(space, QString(), QStringLiteral("html")))
        pages.insert(url.fileName(), QString::fromUtf8(engine.fileData(url)));
    return pages;
}

// The places a page can be opened at: its ids and names.
QSet<QString> Anchors(const QString& html) {
    static const QRegularExpression anchor(QStringLiteral("\\b(?:id|name)=\"([^\"]+)\""));
    QSet<QString> anchors;
    for (const QRegularExpressionMatch& match : anchor.globalMatch(html))
        anchors.insert(match.captured(1));
    return anchors;
}

// The share of a page's letters that are kana or kanji, tags left out.
double JapaneseShare(QString html) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    html.remove(tags);
    int letters = 0, japanese = 0;
    for (const QChar c : html) {
        if (!c.isLetter())
            continue;
        ++letters;
        const ushort u = c.unicode();
        japanese += (u >= 0x3040 && u <= 0x30ff) ? 1 : 0; // kana: Chinese has none
    }
    return letters ? double(japanese) / letters : 0.0;
}
} // namespace

class TestHelpLanguages : public QObject {
    Q_OBJECT

    QString collectionFolder_;

    QString collection(const QString& code) const {
        return QDir(collectionFolder_).filePath(code == QLatin1String("ja") ? kHelpCollectionName
                                                                            : QStringLiteral("Vantel_%1.qhc").arg(code));
    }

private slots:
    void initTestCase() {
        QDir folder(QCoreApplication::applicationDirPath());
        for (int up = 0; up < 4 && !folder.exists(kHelpCollectionName); ++up)
            folder.cdUp();
        QVERIFY2(folder.exists(kHelpCollectionName), "build the vantel_help target first");
        collectionFolder_ = folder.absolutePath();
    }

    void findsTheLanguagesHelpElseTheJapanese() {
        QTemporaryDir root;
        const QStringList folders{root.filePath("bin"), root.filePath("share/vantel")};
        QVERIFY(Touch(QDir(folders[0]).filePath(kHelpCollectionName)));
        QVERIFY(Touch(QDir(folders[1]).filePath("Vantel_en.qhc")));
        QVERIFY(Touch(QDir(folders[1]).filePath("Vantel_ja.qhc")));
        QCOMPARE(FindHelpCollection(folders, "en"), QDir(folders[1]).filePath("Vantel_en.qhc"));
        QCOMPARE(FindHelpCollection(folders, "vi"), QDir(folders[0]).filePath(kHelpCollectionName));
        QCOMPARE(FindHelpCollection(folders, "ja"), QDir(folders[0]).filePath(kHelpCollectionName));
        QCOMPARE(FindHelpCollection(folders), QDir(folders[0]).filePath(kHelpCollectionName));
    }

    void eachLanguageHasTheJapanesePagesAndPlaces_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : kTranslated)
            QTest::newRow(qPrintable(code)) << code;
    }

    void eachLanguageHasTheJapanesePagesAndPlaces() {
        QFETCH(QString, code);
        QVERIFY2(QFile::exists(collection(code)), qPrintable(collection(code)));
        QHelpEngineCore japanese(collection("ja")), translated(collection(code));
        translated.setReadOnly(true);
        japanese.setReadOnly(true);
        QVERIFY(japanese.setupData());
        QVERIFY2(translated.setupData(), qPrintable(translated.error()));
        const QMap<QString, QString> source = Pages(japanese), pages = Pages(translated);
        QCOMPARE(pages.keys(), source.keys());

        const QString tag = QString(code).replace(u'_', u'-');
        for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
            const QString& html = page.value();
            QVERIFY2(html.contains(QStringLiteral("lang=\"%1\"").arg(tag)), qPrintable(page.key()));
            QVERIFY2(Anchors(html).contains(Anchors(source[page.key()])), qPrintable(page.key()));
            QVERIFY2(JapaneseShare(html) < 0.05, qPrintable(page.key()));
        }
        // The contents tree and the index lead to pages and places that exist.
        // The same addresses as the Japanese help, so the window opens them alike.
        QCOMPARE(translated.registeredDocumentations(), QStringList{QStringLiteral("vantel.help")});
        QVERIFY(translated.documentsForKeyword(QStringLiteral("data.txt")).size() > 0);
        const QRegularExpression href(QStringLiteral("href=\"([^\":]+)\""));
        for (auto page = pages.cbegin(); page != pages.cend(); ++page)
            for (const QRegularExpressionMatch& link : href.globalMatch(page.value())) {
                const QUrl target = QUrl(page.key()).resolved(QUrl(link.captured(1)));
                if (target.path().endsWith(QLatin1String(".css")) || target.path().endsWith(QLatin1String(".png")))
                    continue;
                QVERIFY2(pages.contains(target.path()), qPrintable(page.key() + " -> " + link.captured(1)));
                QVERIFY2(target.fragment().isEmpty() || Anchors(pages[target.path()]).contains(target.fragment()),
                         qPrintable(page.key() + " -> " + link.captured(1)));
            }
    }

    void openWindowFollowsTheLanguage() {
        QString language = QStringLiteral("ja");
        HelpWindowViewer viewer(nullptr, {collectionFolder_}, [&language] { return language; });
        viewer.ShowContents();
        QVERIFY(viewer.Window());
        QCOMPARE(viewer.Window()->Engine().collectionFile(), collection("ja"));
        HelpWindow* japanese = viewer.Window();
        viewer.ShowKeywordSearch();
        QCOMPARE(viewer.Window(), japanese); // the same window while the language stays

        language = QStringLiteral("en");
        viewer.ShowContents();
        QVERIFY(viewer.Window());
        QCOMPARE(viewer.Window()->Engine().collectionFile(), collection("en"));
    }
};

QTEST_MAIN(TestHelpLanguages)
#include "tst_helplanguages.moc"
