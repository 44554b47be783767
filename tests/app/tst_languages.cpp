// The language switched at run time on the real main window: English on the
// menus the program added and in the progress window, then back to Japanese
// with every text as it was; a pseudo-translation that brackets every text it
// serves finds no text in those windows that does not go through a catalogue.
#include "app/NumberedSheetsDialog.h"
#include "platform/desktop/LanguageSwitch.h"
#include "platform/desktop/QtTranslations.h"
#include "progress/AttemptTableModel.h"
#include "progress/ProgressWindow.h"

#include "tests/support/FormTestCase.h"
#include "tests/support/SampleAttempts.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QValueAxis>

namespace {
// Wraps every text of the program's own classes in brackets; Qt's stay as they are.
class BracketTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const QList<QByteArray> ours{"TForm1",      "ProgressWindow", "AttemptTableModel",
                                            "FactMapView", "Drills",         "NumberedSheetsDialog"};
        if (!ours.contains(QByteArray(context)))
            return {};
        return u'[' + QString::fromUtf8(source) + u']';
    }
};

// The menu's items, each with the titles of the menus above it.
void AddMenuTexts(QMenu* menu, const QString& path, QStringList& texts) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        texts << path + u'/' + action->text();
        if (action->menu())
            AddMenuTexts(action->menu(), path + u'/' + action->text(), texts);
    }
}

// Every text a child can see in the progress window.
QStringList ProgressTexts(ProgressWindow& window) {
    QStringList texts{window.windowTitle()};
    for (QLabel* label : window.findChildren<QLabel*>())
        if (!label->objectName().startsWith(QLatin1String("qt_")))
            texts << label->text();
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << button->text() << button->toolTip();
    // The children's names are theirs; only "名前なし" is a text of ours.
    for (QComboBox* box : window.findChildren<QComboBox*>())
        for (int i = 0; i < box->count(); ++i)
            if (box->objectName() != QLatin1String("ChildBox") || box->itemData(i).toString().isEmpty())
                texts << box->itemText(i);
    texts << window.findChild<QSpinBox*>(QStringLiteral("CountBox"))->suffix();
    QChart* chart = window.findChild<QChartView*>(QStringLiteral("ChartView"))->chart();
    texts << chart->title();
    for (QAbstractSeries* series : chart->series())
        texts << series->name();
    for (QAbstractAxis* axis : chart->axes())
        texts << axis->titleText();
    for (int column = 0; column < AttemptTableModel::ColumnCount; ++column)
        texts << window.Model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int row = 0; row < window.WeakestList->count(); ++row)
        texts << window.WeakestList->item(row)->text();
    texts.removeAll(QString());
    return texts;
}

QStringList DialogTexts(NumberedSheetsDialog& dialog) {
    QStringList texts{dialog.windowTitle(), dialog.CountBox->suffix()};
    for (QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << button->text();
    for (int i = 0; i < dialog.DrillBox->count(); ++i)
        texts << dialog.DrillBox->itemText(i);
    texts.removeAll(QString());
    return texts;
}
} // namespace

class TestLanguages : public FormTestCase {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<ProgramTranslations> translations;
    std::unique_ptr<LanguageSwitch> languages;

    QString languageFile() const { return config.filePath(QStringLiteral("language.conf")); }

    QStringList menuTexts() const {
        QStringList texts;
        for (QAction* action : f->form->menuBar()->actions()) {
            texts << action->text();
            AddMenuTexts(action->menu(), action->text(), texts);
        }
        return texts;
    }

    ProgressWindow& openProgress() {
        f->form->ShowProgress1->trigger();
        ProgressWindow* window = f->form->ProgressWindow1;
        Q_ASSERT(window);
        return *window;
    }

    void choose(const QString& code) {
        QAction* item = f->form->findChild<QAction*>(QStringLiteral("Language_") + code);
        QVERIFY2(item, qPrintable(code));
        item->trigger();
        QCoreApplication::sendPostedEvents(); // the language change reaches the windows
        QCOMPARE(languages->Current(), code);
    }

private slots:
    void initTestCase() {
        QVERIFY(config.isValid());
        translations = std::make_unique<ProgramTranslations>();
        languages = std::make_unique<LanguageSwitch>(*translations, LanguageFile(languageFile()));
        languages->ApplySaved(QLocale(QLocale::Japanese, QLocale::Japan));
        QCOMPARE(languages->Current(), QStringLiteral("ja"));
    }

    void init() {
        QVERIFY(translations->Apply(QStringLiteral("ja"))); // whatever a failed test left
        f = new FormFixture; // a fresh window, as every test of the window gets
        QVERIFY(f->Open());
        f->history.attempts << SampleHistory(QString(), DrillKind::Addition, QDateTime::currentDateTimeUtc(),
                                             8, 3);
        f->form->AttachLanguages(*languages);
    }

    void languageMenuLastInHelp() {
        QMenu* help = f->form->findChild<QMenu*>(QStringLiteral("Help1"));
        const QList<QAction*> items = help->actions();
        QCOMPARE(items.last(), f->form->Language1);
        QVERIFY(items[items.size() - 2]->isSeparator());
        QCOMPARE(f->form->Language1->text(), QStringLiteral("言語 / Language"));
        QStringList names;
        for (QAction* item : f->form->Language1->menu()->actions())
            names << item->text();
        QCOMPARE(names.first(), QStringLiteral("日本語"));
        QVERIFY(names.contains(QStringLiteral("English")));
        QVERIFY(f->form->findChild<QAction*>(QStringLiteral("Language_ja"))->isChecked());
    }

    void englishAtOnceThenJapaneseAsBefore() {
        ProgressWindow& progress = openProgress();
        QTRY_VERIFY(!progress.Loading());
        const QStringList japaneseMenus = menuTexts(), japaneseProgress = ProgressTexts(progress);
        QVERIFY(japaneseMenus.contains(QStringLiteral("記録(&R)/成績の記録を見る...")));
        QVERIFY(japaneseProgress.contains(QStringLiteral("苦手プリント")));

        choose(QStringLiteral("en"));
        const QStringList menus = menuTexts();
        for (const char* text : {"&Records", "&Records/See my results...", "&Worksheets",
                                 "&Worksheets/Many different worksheets...",
                                 "サウンド(&S)/Read the problems aloud", "ヘルプ(&H)/Language / 言語"})
            QVERIFY2(menus.contains(QString::fromUtf8(text)), text);
        QVERIFY(menus.contains(QStringLiteral("ファイル(&F)"))); // not yet translated: as it was
        const QStringList english = ProgressTexts(progress);
        for (const char* text :
             {"My results",     "Name:",           "Drill:",         "Dates:",       "Adding",
              "Taking away",    "Times",           "Times tables",   "Last 30 days", "All",
              "Save as CSV...", "Practice sheet",  "Report",         " problems",    "How long it took",
              "Best time",      "Some wrong",      "Time (seconds)", "Date",         "Score",
              "New best",       "Tricky problems", "No name"})
            QVERIFY2(english.contains(QString::fromUtf8(text)), text);
        QVERIFY(f->form->findChild<QAction*>(QStringLiteral("Language_en"))->isChecked());
        QCOMPARE(LanguageFile(languageFile()).Read({"ja", "en"}), QStringLiteral("en"));
        const QStringList dialog = DialogTexts(*std::make_unique<NumberedSheetsDialog>(DrillKind::Kuku));
        for (const char* text : {"Many different worksheets", "&Drill", "&How many", " sheets", "Cancel"})
            QVERIFY2(dialog.contains(QString::fromUtf8(text)), text);

        // A window opened in English is English from the start.
        progress.close();
        QTRY_VERIFY(!f->form->ProgressWindow1);
        ProgressWindow& reopened = openProgress();
        QTRY_VERIFY(!reopened.Loading());
        QCOMPARE(ProgressTexts(reopened), english);

        choose(QStringLiteral("ja"));
        QCOMPARE(menuTexts(), japaneseMenus);
        QCOMPARE(ProgressTexts(reopened), japaneseProgress);
        QCOMPARE(LanguageFile(languageFile()).Read({"ja", "en"}), QStringLiteral("ja"));
    }

    void everyTextGoesThroughACatalogue() {
        ProgressWindow& progress = openProgress();
        QTRY_VERIFY(!progress.Loading());
        BracketTranslator brackets;
        QCoreApplication::installTranslator(&brackets);
        QCoreApplication::sendPostedEvents();
        const QStringList texts = ProgressTexts(progress);
        QVERIFY(texts.size() > 30);
        for (const QString& text : texts) // a weak fact's line starts with the fact itself
            QVERIFY2(text.startsWith(u'[') || (text.contains(u'[') && text.endsWith(u']')), qPrintable(text));
        for (const QString& text : DialogTexts(*std::make_unique<NumberedSheetsDialog>(DrillKind::Kuku)))
            QVERIFY2(text.startsWith(u'['), qPrintable(text));
        for (const char* name : {"Record1", "Worksheet1"})
            QVERIFY(f->form->findChild<QMenu*>(QString::fromLatin1(name))->title().startsWith(u'['));
        for (QAction* item :
             {f->form->ShowProgress1, f->form->DifferentSheets1, f->form->ReadAloud1, f->form->Language1})
            QVERIFY2(item->text().startsWith(u'['), qPrintable(item->text()));
        QCoreApplication::removeTranslator(&brackets);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(progress.windowTitle(), QStringLiteral("成績の記録"));
    }

    void unavailableLanguageChangesNothing() {
        QVERIFY(!languages->Choose(QStringLiteral("xx")));
        QCOMPARE(languages->Current(), QStringLiteral("ja"));
        QCOMPARE(f->form->ShowProgress1->text(), QStringLiteral("成績の記録を見る..."));
    }

    void cleanupTestCase() {
        languages.reset();
        translations.reset();
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
