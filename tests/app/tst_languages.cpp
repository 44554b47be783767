// The language switched at run time on the real main window: English on the
// menus the program added and in the progress window, then back to Japanese
// with every text as it was; a pseudo-translation that brackets every text it
// serves finds no text in those windows that does not go through a catalogue.
#include "about/VersionBox.h"
#include "app/NumberedSheetsDialog.h"
#include "platform/desktop/LanguageSwitch.h"
#include "platform/desktop/QtTranslations.h"
#include "progress/AttemptTableModel.h"
#include "progress/HistorySource.h"
#include "progress/ProgressWindow.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"

#include "tests/support/AccessibilityOn.h"
#include "tests/support/BracketTranslator.h"
#include "tests/support/FormTestCase.h"
#include "tests/support/SampleAttempts.h"
#include "tests/support/TextFit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QValueAxis>

namespace {
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

// Every control of the window's client area that shows or speaks a text of ours.
QList<QWidget*> TextControls(QWidget* root) {
    QList<QWidget*> controls;
    for (QWidget* control : root->findChildren<QWidget*>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")) &&
            !qobject_cast<QTabBar*>(control->parentWidget())) // the tab bar's own scroll buttons
            controls << control;
    return controls;
}

// Every text of the main window with the control that shows it, and where the
// control stands: the same list twice means the same window.
QStringList WindowTexts(TForm1& form) {
    QStringList texts{QStringLiteral("title|") + form.windowTitle()};
    for (QWidget* control : TextControls(form.centralWidget())) {
        QString shown;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(control))
            shown = box->title();
        const QRect place = control->geometry();
        texts << QStringLiteral("%1|%2|%3|%4|%5 %6 %7 %8")
                     .arg(control->objectName(), shown, control->toolTip(), control->accessibleName())
                     .arg(place.x())
                     .arg(place.y())
                     .arg(place.width())
                     .arg(place.height());
    }
    for (int i = 0; i < form.PageControl1->count(); ++i)
        texts << QStringLiteral("tab|%1|%2")
                     .arg(form.PageControl1->tabText(i))
                     .arg(form.PageControl1->tabBar()->tabRect(i).width());
    for (int panel = 0; panel <= 8; ++panel)
        texts << QStringLiteral("panel|") + form.StatusBar1->PanelName(panel);
    return texts;
}

// The texts alone, without the controls' names and places.
QStringList OnlyTexts(TForm1& form) {
    QStringList texts{form.windowTitle()};
    for (QWidget* control : TextControls(form.centralWidget())) {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            texts << label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(control))
            texts << box->title();
        texts << control->toolTip() << control->accessibleName();
    }
    for (int i = 0; i < form.PageControl1->count(); ++i)
        texts << form.PageControl1->tabText(i);
    for (int panel = 0; panel <= 8; ++panel)
        texts << form.StatusBar1->PanelName(panel);
    texts.removeAll(QString());
    return texts;
}

// The About box's texts of ours: its name, version and addresses are no words to translate.
QStringList AboutTexts(TVersionBox& box) {
    return {box.windowTitle(),  box.Label1->text(), box.Label3->text(), box.Label4->text(),
            box.Label6->text(), box.Label9->text(), box.Button1->text()};
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

// Kana: a text still in Japanese has some (Chinese has kanji but none).
bool HasKana(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x30ff)
            return true;
    return false;
}

// A class on a server, as the progress window offers it.
class NamedSource : public HistorySource {
public:
    QString Name() const override { return QCoreApplication::translate("Classroom", "クラス"); }
    QString StatusText() override { return {}; }
    QString StatusTip() override { return {}; }
    QWidget* MakeOverview(const ProgressServices&) override { return new QWidget; }
    using HistorySource::Available;
};

// A window's picture for looking at, when VANTEL_SHOT_DIR names a folder.
void Shoot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VANTEL_SHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
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
        QVERIFY(SwitchAccessibilityOn());
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
                                 "&Worksheets/Many different worksheets...", "&Sound/Read the problems aloud",
                                 "&Help/Language / 言語"})
            QVERIFY2(menus.contains(QString::fromUtf8(text)), text);
        for (const char* text :
             {"&File", "&File/&Print Adding", "&Edit/&Check answers", "&Help/&About Vantel..."})
            QVERIFY2(menus.contains(QString::fromUtf8(text)), text);
        for (const QString& text : menus) // every caption of the menu is English now
            QVERIFY2(!text.section(u'/', -1).contains(QStringLiteral("の")), qPrintable(text));
        const QStringList english = ProgressTexts(progress);
        for (const char* text :
             {"My results",     "Name:",           "Drill:",         "Dates:",       "Adding",
              "Taking away",    "Times",           "Times tables",   "Last 30 days", "All",
              "Save as CSV...", "Practice sheet",  "Report",         " problems",    "How long it took",
              "Best time",      "Some wrong",      "Seconds",        "Date",         "Score",
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

    void mainWindowInEnglishThenJapaneseToTheCharacter() {
        f->form->Edit7->setText(QStringLiteral("さくら"));
        f->form->Button9->click(); // the user's name in the title
        const QStringList japanese = WindowTexts(*f->form), japaneseAbout = AboutTexts(*f->versionBox);
        QVERIFY(japanese.contains(QStringLiteral("title| さくら の Vantel")));

        choose(QStringLiteral("en"));
        const QStringList english = OnlyTexts(*f->form);
        for (const char* text :
             {" さくら’s Vantel", "Start", "Stop", "Makes new problems and starts the clock.", " Adding ",
              " Taking away ", " Times ", " Times tables", "Print Adding", "Reset best times",
              "Greet me at start.", "Play a sound for all right && a best time.", "Adding best time",
              "Date and time"})
            QVERIFY2(english.contains(QString::fromUtf8(text)), text);
        QCOMPARE(AboutTexts(*f->versionBox),
                 QStringList({"About Vantel", "Hundred Cell Math", "Voice: a computer says the greetings",
                              "Picture: the Vantel project", "Made by the Vantel project",
                              "Copyright (C) 2026 the Vantel project", "OK"}));
        // Captions sized by their text grow with it; the fixed ones keep their place.
        QVERIFY(f->form->findChild<QLabel*>(QStringLiteral("Label5"))->width() <
                QFontMetrics(f->form->findChild<QLabel*>(QStringLiteral("Label5"))->font())
                        .horizontalAdvance(QStringLiteral("Reset Adding.")) +
                    8);
        QCOMPARE(f->form->BitBtn7->geometry(), QRect(10, 2, 108, 40));

        choose(QStringLiteral("ja"));
        QCOMPARE(WindowTexts(*f->form), japanese);
        QCOMPARE(AboutTexts(*f->versionBox), japaneseAbout);
    }

    void englishCaptionsFitTheirControls() {
        choose(QStringLiteral("en"));
        const QStringList clipped = ClippedTexts(f->form->centralWidget(), FitScope::All);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
        // The check sees a caption too long for its button.
        f->form->BitBtn7->setText(QStringLiteral("Start the clock"));
        QVERIFY(ClippedTexts(f->form->centralWidget(), FitScope::All).join(u' ').contains(QStringLiteral("BitBtn7")));
        choose(QStringLiteral("ja"));
    }

    void readAloudInTheChosenLanguage() {
        TForm1& form = *f->form;
        form.ReadAloud1->trigger();
        const auto firstProblem = [&form](const char* word) {
            return form.StringGrid1->Cells(1, 0).trimmed() + QString::fromUtf8(word) +
                   form.StringGrid1->Cells(0, 1).trimmed();
        };
        choose(QStringLiteral("en"));
        form.Cut1->trigger(); // a fresh sheet, read from its first cell
        QCOMPARE(f->speech.said.last(), firstProblem(" plus "));
        QCOMPARE(f->speech.voice, QStringLiteral("en-us"));
        // A screen reader hears the same words, marked English for its voice.
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(form.StringGrid1)->tableInterface();
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), firstProblem(" plus "));
        int start = 0, end = 0;
        QCOMPARE(table->cellAt(0, 0)->textInterface()->attributes(0, &start, &end), "language:en;");
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(form.StatusBar1);
        QVERIFY(bar->child(0)->text(QAccessible::Name).endsWith(QStringLiteral(" latest time")));

        choose(QStringLiteral("ja"));
        form.Cut1->trigger();
        QCOMPARE(f->speech.said.last(), firstProblem(" たす "));
        QCOMPARE(f->speech.voice, QStringLiteral("ja"));
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), firstProblem(" たす "));
        QCOMPARE(table->cellAt(0, 0)->textInterface()->attributes(0, &start, &end), "language:ja;");
    }

    void everyTextGoesThroughACatalogue() {
        ProgressWindow& progress = openProgress();
        QTRY_VERIFY(!progress.Loading());
        auto* source = new NamedSource;
        progress.AddSource(source);
        emit source->Available();
        BracketTranslator brackets;
        QCoreApplication::installTranslator(&brackets);
        QCoreApplication::sendPostedEvents();
        // The class a source names follows the language too, not only the computer's own records.
        auto* sources = progress.findChild<QComboBox*>(QStringLiteral("SourceBox"));
        QCOMPARE(sources->count(), 2);
        QCOMPARE(sources->itemText(1), QStringLiteral("[クラス]"));
        const QStringList texts = ProgressTexts(progress);
        QVERIFY(texts.size() > 30);
        for (const QString& text : texts) // a weak fact's line starts with the fact itself
            QVERIFY2(text.startsWith(u'[') || (text.contains(u'[') && text.endsWith(u']')), qPrintable(text));
        for (const QString& text : DialogTexts(*std::make_unique<NumberedSheetsDialog>(DrillKind::Kuku)))
            QVERIFY2(text.startsWith(u'['), qPrintable(text));
        for (const char* name : {"Record1", "Worksheet1"})
            QVERIFY(f->form->findChild<QMenu*>(QString::fromLatin1(name))->title().startsWith(u'['));
        for (QAction* entry : f->form->menuBar()->actions()) {
            QMenu* menu = entry->menu(); // the language submenu names each language in its own words
            QVERIFY2(menu->title().startsWith(u'['), qPrintable(menu->objectName() + u' ' + menu->title()));
            for (QAction* item : menu->actions())
                if (!item->isSeparator())
                    QVERIFY2(item->text().startsWith(u'['), qPrintable(item->text()));
        }
        f->form->Edit7->setText(QStringLiteral("さくら"));
        f->form->Button9->click();
        const QStringList window = OnlyTexts(*f->form);
        QVERIFY(window.size() > 80);
        for (const QString& text : window)
            QVERIFY2(text.startsWith(u'['), qPrintable(text));
        for (const QString& text : AboutTexts(*f->versionBox))
            QVERIFY2(text.startsWith(u'['), qPrintable(text));
        QCoreApplication::removeTranslator(&brackets);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(progress.windowTitle(), QStringLiteral("成績の記録"));
    }

    // Every language offered: its texts in the main window, the progress
    // window and the dialogs, each fitting its control.
    void everyLanguageFitsItsWindows_data() {
        QTest::addColumn<QString>("code");
        for (const Language& language : KnownLanguages())
            if (language.code != QLatin1String("ja"))
                QTest::newRow(qPrintable(language.code)) << language.code;
    }

    void everyLanguageFitsItsWindows() {
        QFETCH(QString, code);
        choose(code);
        TForm1& form = *f->form;
        QStringList untranslated, clipped;
        const auto checkTexts = [&untranslated](const QString& where, const QStringList& texts) {
            for (const QString& text : texts)
                if (HasKana(text))
                    untranslated << where + u' ' + text;
        };
        const auto checkFit = [&clipped](const QString& where, QWidget* window, FitScope scope) {
            for (const QString& text : ClippedTexts(window, scope))
                clipped << where + u' ' + text;
        };
        QStringList menus = menuTexts();
        menus.removeIf([](const QString& text) { return text.contains(QStringLiteral("言語")); });
        checkTexts(QStringLiteral("menu"), menus);
        checkTexts(QStringLiteral("main"), OnlyTexts(form));
        for (int page = 0; page < form.PageControl1->count(); ++page) {
            form.PageControl1->setCurrentIndex(page);
            Shoot(form, QStringLiteral("%1-main-%2").arg(code).arg(page));
        }
        form.PageControl1->setCurrentIndex(0);
        checkFit(QStringLiteral("main"), form.centralWidget(), FitScope::All);

        checkTexts(QStringLiteral("about"), AboutTexts(*f->versionBox));
        f->versionBox->show();
        checkFit(QStringLiteral("about"), f->versionBox, FitScope::All);
        Shoot(*f->versionBox, code + QStringLiteral("-about"));
        f->versionBox->hide();

        ProgressWindow& progress = openProgress();
        QTRY_VERIFY(!progress.Loading());
        checkTexts(QStringLiteral("progress"), ProgressTexts(progress));
        checkFit(QStringLiteral("progress"), &progress, FitScope::Shown);
        // The time axis's title stands along the plot's height.
        QChart* chart = progress.findChild<QChartView*>(QStringLiteral("ChartView"))->chart();
        for (QAbstractAxis* axis : chart->axes(Qt::Vertical))
            if (QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText()) > chart->plotArea().height())
                clipped << QStringLiteral("progress axis \"%1\": %2 > %3")
                               .arg(axis->titleText())
                               .arg(QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText()))
                               .arg(chart->plotArea().height());
        Shoot(progress, code + QStringLiteral("-progress"));
        progress.close();

        NumberedSheetsDialog dialog(DrillKind::Kuku);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        checkTexts(QStringLiteral("sheets"), DialogTexts(dialog));
        checkFit(QStringLiteral("sheets"), &dialog, FitScope::Shown);
        Shoot(dialog, code + QStringLiteral("-sheets"));

        // Qt's own buttons too, from Qt's catalogue or, where Qt has none, the program's.
        if (code != QLatin1String("en"))
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
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
