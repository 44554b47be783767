// The chosen language: its file read back as written, a missing, broken or
// strange file falling back to the locale's choice, the locale's languages
// matched to the catalogues, and the catalogues built into the program.
#include "platform/desktop/LanguageFile.h"
#include "platform/desktop/LanguageSwitch.h"
#include "platform/desktop/Languages.h"
#include "platform/desktop/QtTranslations.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {
const QStringList kCodes{"ja", "en", "pt_BR", "zh_CN", "vi", "fil", "es"};

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void writtenIsReadBack() {
        const LanguageFile file(path("sub/folder/language.conf"));
        QCOMPARE(file.Read(kCodes), QString()); // no file yet
        QVERIFY(file.Write(QStringLiteral("pt_BR")));
        QCOMPARE(file.Read(kCodes), QStringLiteral("pt_BR"));
        QVERIFY(file.Write(QStringLiteral("ja")));
        QCOMPARE(file.Read(kCodes), QStringLiteral("ja"));
    }

    void badFilesReadAsNoChoice_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[\x01\x02=\x80\x81\n\x00", 11);
        QTest::newRow("unknown language") << QByteArray("[Language]\ncode=klingon\n");
        QTest::newRow("path in the code") << QByteArray("[Language]\ncode=../../etc/passwd\n");
        QTest::newRow("no section") << QByteArray("code=en\n");
        QTest::newRow("long line") << QByteArray("[Language]\ncode=") + QByteArray(1 << 20, 'e');
    }
    void badFilesReadAsNoChoice() {
        QFETCH(QByteArray, bytes);
        WriteBytes(path("bad.conf"), bytes);
        QCOMPARE(LanguageFile(path("bad.conf")).Read(kCodes), QString());
    }

    void aChoiceNotOfferedIsNoChoice() {
        const LanguageFile file(path("vi.conf"));
        QVERIFY(file.Write(QStringLiteral("vi")));
        QCOMPARE(file.Read({"ja", "en"}), QString());
    }

    void unwritableFileSaysSo() {
        WriteBytes(path("plain"), "a file where a folder should be");
        QVERIFY(!LanguageFile(path("plain/language.conf")).Write(QStringLiteral("en")));
    }

    void localeChoosesLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("C asks for nothing") << "C"
                                            << "ja";
        QTest::newRow("Japanese") << "ja_JP"
                                  << "ja";
        QTest::newRow("American English") << "en_US"
                                          << "en";
        QTest::newRow("Portuguese of Portugal") << "pt_PT"
                                                << "pt_BR";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "pt_BR";
        QTest::newRow("simplified Chinese") << "zh_CN"
                                            << "zh_CN";
        QTest::newRow("Filipino") << "fil_PH"
                                  << "fil";
        QTest::newRow("Vietnamese") << "vi_VN"
                                    << "vi";
        QTest::newRow("Mexican Spanish") << "es_MX"
                                         << "es";
        QTest::newRow("German: none of ours") << "de_DE"
                                              << "ja";
    }
    void localeChoosesLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, code);
        QCOMPARE(LanguageForLocale(QLocale(locale), kCodes), code);
    }

    void localeOnlyAmongAvailable() {
        QCOMPARE(LanguageForLocale(QLocale(QStringLiteral("pt_BR")), {"ja", "en"}), QStringLiteral("ja"));
    }

    void everyLanguageNamedInItsOwnWords() {
        QCOMPARE(KnownLanguages().size(), kCodes.size());
        for (const QString& code : kCodes)
            QVERIFY2(!LanguageName(code).isEmpty(), qPrintable(code));
        QCOMPARE(LanguageName(QStringLiteral("zh_CN")), QStringLiteral("简体中文"));
        QCOMPARE(LanguageName(QStringLiteral("vi")), QStringLiteral("Tiếng Việt"));
    }

    void englishIsBuiltIn() {
        ProgramTranslations translations;
        const QStringList available = translations.Available();
        QCOMPARE(available.first(), QStringLiteral("ja"));
        QVERIFY(available.contains(QStringLiteral("en")));
        for (const QString& code : available)
            QVERIFY(kCodes.contains(code));
    }

    void savedChoiceElseLocale() {
        ProgramTranslations translations;
        const QString conf = path("switch.conf");
        LanguageSwitch languages(translations, LanguageFile(conf));
        languages.ApplySaved(QLocale(QStringLiteral("en_GB"))); // no file: the locale's
        QCOMPARE(languages.Current(), QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("ProgressWindow", "すべて"), QStringLiteral("All"));

        WriteBytes(conf, "[Language]\ncode=ja\n");
        languages.ApplySaved(QLocale(QStringLiteral("en_GB"))); // the saved one wins
        QCOMPARE(languages.Current(), QStringLiteral("ja"));
        QCOMPARE(QCoreApplication::translate("ProgressWindow", "すべて"), QStringLiteral("すべて"));

        WriteBytes(conf, "[Language]\ncode=%%%\n");
        languages.ApplySaved(QLocale(QStringLiteral("en_GB"))); // broken: the locale's again
        QCOMPARE(languages.Current(), QStringLiteral("en"));

        QVERIFY(languages.Choose(QStringLiteral("ja")));
        QCOMPARE(LanguageFile(conf).Read(kCodes), QStringLiteral("ja"));
        QVERIFY(!languages.Choose(QStringLiteral("de")));
        QCOMPARE(LanguageFile(conf).Read(kCodes), QStringLiteral("ja"));
    }

    void untranslatedCataloguesAreNotOffered() {
        // A catalogue of drafts only is built empty, as one not yet translated:
        // neither is offered, nor can it be applied.
        const QStringList available = ProgramTranslations().Available();
        int drafts = 0;
        for (const QString& code : kCodes.mid(1)) {
            QTranslator probe;
            QVERIFY2(probe.load(QStringLiteral("vantel_") + code, kProgramCatalogues), qPrintable(code));
            if (!probe.isEmpty())
                continue;
            ++drafts;
            QVERIFY2(!available.contains(code), qPrintable(code));
            ProgramTranslations translations;
            QVERIFY(!translations.Apply(code));
            QCOMPARE(translations.Current(), QString());
        }
        if (drafts == 0)
            QSKIP("every language is translated");
    }
};

QTEST_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
