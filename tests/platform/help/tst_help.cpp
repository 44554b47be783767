// The help: the collection built from help/ opens in the help window, its
// contents and keyword index lead to real pages, and the two help commands
// open the window the way the Help menu promises.
#include "core/VantelError.h"
#include "platform/help/HelpBrowser.h"
#include "platform/help/HelpFiles.h"
#include "platform/help/HelpWindow.h"
#include "platform/help/HelpWindowViewer.h"

#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { indexWindow_.reset(); }
    void findCollection_data();
    void findCollection();
    void brokenCollection_data();
    void brokenCollection();
    void contentsTreeHasThePages();
    void everyLinkLeadsToAPage();
    void indexHoldsTheMainKeywords_data();
    void indexHoldsTheMainKeywords();
    void showContentsOpensTheContentsPage();
    void showKeywordSearchActivatesTheIndex();
    void keywordFieldWalksAndOpensTheIndex();
    void engineStartsOnFirstUse();
    void windowGoesWithItsOwner();

private:
    // Waits until the worker threads have filled the tree and the index.
    static void WaitForModels(HelpWindow& window);
    static bool PageHasAnchor(const QHelpEngineCore& engine, const QUrl& url);
    static QList<QUrl> ContentsUrls(HelpWindow& window);
    // keyClicks takes Latin-1 only; Japanese goes in as key events with text.
    static void TypeText(QWidget* widget, const QString& text);

    QString collectionFolder_;
    std::unique_ptr<HelpWindow> indexWindow_;
};

void TestHelp::initTestCase() {
    // The test program sits somewhere below the build folder, which holds the
    // collection beside the vantel executable.
    QDir folder(QCoreApplication::applicationDirPath());
    for (int up = 0; up < 4 && !folder.exists(kHelpCollectionName); ++up)
        folder.cdUp();
    if (!folder.exists(kHelpCollectionName))
        QFAIL("Vantel.qhc was not built: build the vantel_help target first");
    collectionFolder_ = folder.absolutePath();
}

void TestHelp::WaitForModels(HelpWindow& window) {
    QHelpEngine& engine = window.Engine();
    QTRY_VERIFY(!engine.contentModel()->isCreatingContents() && engine.contentModel()->rowCount() > 0);
    QTRY_VERIFY(!engine.indexModel()->isCreatingIndex() && engine.indexModel()->rowCount() > 0);
}

bool TestHelp::PageHasAnchor(const QHelpEngineCore& engine, const QUrl& url) {
    QUrl page = url;
    page.setFragment(QString());
    const QString html = QString::fromUtf8(engine.fileData(page));
    if (html.isEmpty())
        return false;
    return !url.hasFragment() || html.contains(QStringLiteral("name=\"%1\"").arg(url.fragment()));
}

QList<QUrl> TestHelp::ContentsUrls(HelpWindow& window) {
    QList<QUrl> urls;
    QHelpContentModel* model = window.Engine().contentModel();
    QList<QModelIndex> pending{QModelIndex()};
    while (!pending.isEmpty()) {
        const QModelIndex parent = pending.takeFirst();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex item = model->index(row, 0, parent);
            urls.append(model->contentItemAt(item)->url());
            pending.append(item);
        }
    }
    return urls;
}

void TestHelp::TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void TestHelp::findCollection_data() {
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<bool>("inDataFolder");
    QTest::addColumn<int>("found"); // 0 beside the program, 1 data folder, -1 none

    QTest::newRow("beside the program wins") << true << true << 0;
    QTest::newRow("data folder when not beside") << false << true << 1;
    QTest::newRow("nowhere") << false << false << -1;
}

void TestHelp::findCollection() {
    QFETCH(bool, besideProgram);
    QFETCH(bool, inDataFolder);
    QFETCH(int, found);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QStringList folders{root.filePath("bin"), root.filePath("share/vantel")};
    for (int i = 0; i < folders.size(); ++i) {
        QVERIFY(QDir().mkpath(folders[i]));
        if ((i == 0 && besideProgram) || (i == 1 && inDataFolder)) {
            QFile file(QDir(folders[i]).filePath(kHelpCollectionName));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    if (found >= 0) {
        QCOMPARE(FindHelpCollection(folders), QDir(folders[found]).filePath(kHelpCollectionName));
        return;
    }
    try {
        FindHelpCollection(folders);
        QFAIL("a missing help file was not reported");
    } catch (const VantelError& error) {
        QVERIFY2(error.Message().contains("ヘルプファイル Vantel.qhc が見つかりません"),
                 qPrintable(error.Message()));
        QVERIFY(error.Message().contains(folders[1]));
    }
}

void TestHelp::brokenCollection_data() {
    QTest::addColumn<bool>("realCollection");
    QTest::addColumn<QString>("named");

    // A collection without its compressed pages would open as an empty window.
    QTest::newRow("pages missing") << true << "Vantel.qch";
    QTest::newRow("not a collection") << false << "Vantel.qhc";
}

void TestHelp::brokenCollection() {
    QFETCH(bool, realCollection);
    QFETCH(QString, named);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString collection = folder.filePath(kHelpCollectionName);
    if (realCollection) {
        QVERIFY(QFile::copy(QDir(collectionFolder_).filePath(kHelpCollectionName), collection));
    } else {
        QFile file(collection);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not a help collection\n");
    }

    HelpWindowViewer viewer(nullptr, {folder.path()});
    try {
        viewer.ShowContents();
        QFAIL("a broken help file was not reported");
    } catch (const VantelError& error) {
        QVERIFY2(error.Message().startsWith("ヘルプファイル "), qPrintable(error.Message()));
        QVERIFY2(error.Message().contains(named), qPrintable(error.Message()));
    }
    QVERIFY(!viewer.Window());
}

void TestHelp::contentsTreeHasThePages() {
    HelpWindow window(QDir(collectionFolder_).filePath(kHelpCollectionName));
    WaitForModels(window);

    QHelpContentModel* model = window.Engine().contentModel();
    QStringList titles;
    for (int row = 0; row < model->rowCount(); ++row)
        titles.append(model->data(model->index(row, 0), Qt::DisplayRole).toString());
    const QStringList expected{"Vantel ヘルプ",
                               "計算ドリルのしかた",
                               "プリントの印刷と答え",
                               "氏名らんの保存・読込み",
                               "サウンドと起動時の挨拶",
                               "使う人の名前とベストタイムの初期化",
                               "成績の記録",
                               "クラスの記録（クラスサーバー）",
                               "バージョン情報",
                               "耳で使う（読み上げとスクリーンリーダー）",
                               "言語を選ぶ（Language）",
                               "キー操作とメニュー",
                               "インストールとコマンドライン"};
    QCOMPARE(titles, expected);
    QCOMPARE(model->contentItemAt(model->index(0, 0))->url(), HelpWindow::ContentsPage());

    for (const QUrl& url : ContentsUrls(window))
        QVERIFY2(PageHasAnchor(window.Engine(), url), qPrintable(url.toString()));
}

void TestHelp::everyLinkLeadsToAPage() {
    HelpWindow window(QDir(collectionFolder_).filePath(kHelpCollectionName));
    WaitForModels(window);

    const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    QSet<QUrl> pages;
    for (QUrl url : ContentsUrls(window)) {
        url.setFragment(QString());
        pages.insert(url);
    }
    QVERIFY(pages.size() >= 8);
    for (const QUrl& page : pages) {
        const QString html = QString::fromUtf8(window.Engine().fileData(page));
        for (const QRegularExpressionMatch& link : href.globalMatch(html)) {
            const QUrl target = page.resolved(QUrl(link.captured(1)));
            QVERIFY2(PageHasAnchor(window.Engine(), target),
                     qPrintable(page.fileName() + " -> " + link.captured(1)));
        }
    }
}

void TestHelp::indexHoldsTheMainKeywords_data() {
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("target"); // page#anchor

    QTest::newRow("start") << "スタート"
                           << "drill.html#attempt";
    QTest::newRow("stop") << "ストップ"
                          << "drill.html#judge";
    QTest::newRow("mark") << "○（正解のしるし）"
                          << "drill.html#judge";
    QTest::newRow("input") << "入力できる文字"
                           << "drill.html#input";
    QTest::newRow("clear") << "クリア"
                           << "drill.html#clear";
    QTest::newRow("best time") << "ベストタイム"
                               << "drill.html#besttime";
    QTest::newRow("read aloud") << "問題を読み上げる"
                                << "ear.html#readaloud";
    QTest::newRow("screen reader") << "スクリーンリーダー"
                                   << "ear.html#screenreader";
    QTest::newRow("language") << "言語"
                              << "language.html#choose";
    QTest::newRow("kuku") << "九九"
                          << "drill.html#drills";
    QTest::newRow("print") << "プリント印刷"
                           << "print.html#worksheet";
    QTest::newRow("answer key") << "答え+"
                                << "print.html#answerkey";
    QTest::newRow("name panel") << "氏名らん"
                                << "print.html#namepanel";
    QTest::newRow("printer setup") << "プリンターのセットアップ"
                                   << "print.html#setup";
    QTest::newRow("excel") << "Excelに転送"
                           << "names.html#excel";
    QTest::newRow("data.txt") << "data.txt"
                              << "names.html#datatxt";
    QTest::newRow("sounds") << "サウンド設定"
                            << "sound.html#eventsounds";
    QTest::newRow("greeting") << "起動時の挨拶"
                              << "sound.html#greeting";
    QTest::newRow("user name") << "使う人の名前"
                               << "user.html#username";
    QTest::newRow("reset") << "ベストタイムの初期化"
                           << "user.html#reset";
    QTest::newRow("about") << "バージョン情報"
                           << "about.html#aboutbox";
    QTest::newRow("shortcut F1") << "F1"
                                 << "keys.html#shortcuts";
    QTest::newRow("shortcut Ctrl+D") << "Ctrl+D"
                                     << "keys.html#shortcuts";
}

void TestHelp::indexHoldsTheMainKeywords() {
    QFETCH(QString, keyword);
    QFETCH(QString, target);

    // One window serves every row: the index is built once.
    if (!indexWindow_) {
        indexWindow_ = std::make_unique<HelpWindow>(QDir(collectionFolder_).filePath(kHelpCollectionName));
        WaitForModels(*indexWindow_);
    }
    HelpWindow* window = indexWindow_.get();

    QVERIFY(window->Engine().indexModel()->stringList().contains(keyword));
    const QList<QHelpLink> links = window->Engine().documentsForKeyword(keyword);
    QCOMPARE(links.size(), 1);
    QCOMPARE(links.first().url, HelpWindow::ContentsPage().resolved(QUrl(target)));
    QVERIFY(PageHasAnchor(window->Engine(), links.first().url));
}

void TestHelp::showContentsOpensTheContentsPage() {
    HelpWindowViewer viewer(nullptr, {collectionFolder_});
    viewer.ShowContents();
    HelpWindow* window = viewer.Window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    // An open help window must not keep the program alive after the main window closes.
    QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(window->Tabs()->currentIndex(), 0);
    QCOMPARE(window->Browser()->source(), HelpWindow::ContentsPage());
    QCOMPARE(window->Browser()->documentTitle(), QString("Vantel ヘルプ"));
    QVERIFY(window->Browser()->toPlainText().contains("百ます計算"));
    // The page's style sheet is read through the engine as well.
    QVERIFY(window->Browser()->document()->toHtml().contains("#1a3c8c"));
    WaitForModels(*window);
    QTRY_COMPARE(window->ContentsTree()->currentIndex().data().toString(), QString("Vantel ヘルプ"));

    // After wandering off, the command brings the contents page back.
    window->Browser()->setSource(HelpWindow::ContentsPage().resolved(QUrl("print.html")));
    window->ShowKeywordSearch();
    viewer.ShowContents();
    QCOMPARE(window->Tabs()->currentIndex(), 0);
    QCOMPARE(window->Browser()->source(), HelpWindow::ContentsPage());
}

void TestHelp::showKeywordSearchActivatesTheIndex() {
    HelpWindowViewer viewer(nullptr, {collectionFolder_});
    viewer.ShowKeywordSearch();
    HelpWindow* window = viewer.Window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->Tabs()->currentWidget(), window->IndexTab());
    QCOMPARE(window->focusWidget(), window->KeywordField());
    // The page beside the index is never left blank.
    QCOMPARE(window->Browser()->source(), HelpWindow::ContentsPage());

    // A second search starts from an empty field and keeps the page shown.
    const QUrl drill = HelpWindow::ContentsPage().resolved(QUrl("drill.html"));
    window->KeywordField()->setText("九九");
    window->Browser()->setSource(drill);
    viewer.ShowKeywordSearch();
    QVERIFY(window->KeywordField()->text().isEmpty());
    QCOMPARE(window->Browser()->source(), drill);
}

void TestHelp::keywordFieldWalksAndOpensTheIndex() {
    HelpWindowViewer viewer(nullptr, {collectionFolder_});
    viewer.ShowKeywordSearch();
    HelpWindow* window = viewer.Window();
    WaitForModels(*window);
    QLineEdit* field = window->KeywordField();

    TypeText(field, "ベストタイムの初期化");
    QCOMPARE(window->IndexList()->currentIndex().data().toString(), QString("ベストタイムの初期化"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(window->Browser()->source(), HelpWindow::ContentsPage().resolved(QUrl("user.html#reset")));

    // Arrow keys in the field move through the filtered list.
    field->clear();
    QTest::keyClicks(field, "Ctrl+");
    QCOMPARE(window->IndexList()->currentIndex().data().toString(), QString("Ctrl+A"));
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(window->IndexList()->currentIndex().data().toString(), QString("Ctrl+B"));
    QCOMPARE(window->focusWidget(), field);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(window->Browser()->source(), HelpWindow::ContentsPage().resolved(QUrl("keys.html#shortcuts")));
}

void TestHelp::engineStartsOnFirstUse() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    HelpWindowViewer viewer(nullptr, {folder.path()});
    QVERIFY(!viewer.Window());
    QVERIFY_THROWS_EXCEPTION(VantelError, viewer.ShowKeywordSearch());
    QVERIFY(!viewer.Window());

    // Put in place while the program runs, the help is found at the next try.
    for (const QString name : {"Vantel.qhc", "Vantel.qch"})
        QVERIFY(QFile::copy(QDir(collectionFolder_).filePath(name), folder.filePath(name)));
    viewer.ShowContents();
    QVERIFY(viewer.Window());
    QCOMPARE(viewer.Window()->Browser()->source(), HelpWindow::ContentsPage());
}

void TestHelp::windowGoesWithItsOwner() {
    auto owner = std::make_unique<QWidget>();
    HelpWindowViewer viewer(owner.get(), {collectionFolder_});
    viewer.ShowContents();
    QVERIFY(viewer.Window());
    QCOMPARE(viewer.Window()->parentWidget(), owner.get());
    QVERIFY(viewer.Window()->isWindow());
    owner.reset();
    QVERIFY(!viewer.Window());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
