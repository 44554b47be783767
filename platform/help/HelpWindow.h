// The help window: the contents tree and the keyword index in tabs beside the
// page. It owns the help engine, which reads the collection file read-only.
#pragma once

#include <QUrl>
#include <QWidget>

class HelpBrowser;
class QHelpContentWidget;
class QHelpEngine;
class QHelpIndexWidget;
class QHelpLink;
class QLabel;
class QLineEdit;
class QSplitter;
class QTabWidget;
class QToolButton;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the collection; throws VantelError when it, or the documentation it
    // registers, cannot be read.
    explicit HelpWindow(const QString& collectionFile, QWidget* parent = nullptr);
    ~HelpWindow() override;

    void ShowContents();
    void ShowKeywordSearch();

    // The first page of the help, where "目次" opens it.
    static QUrl ContentsPage();

    QHelpEngine& Engine() const { return *engine_; }
    HelpBrowser* Browser() const { return browser_; }
    QTabWidget* Tabs() const { return tabs_; }
    QWidget* IndexTab() const { return indexTab_; }
    QLineEdit* KeywordField() const { return keywordField_; }
    QHelpContentWidget* ContentsTree() const { return contentsTree_; }
    QHelpIndexWidget* IndexList() const { return indexList_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void OpenEngine(const QString& collectionFile);
    QWidget* MakeIndexTab();
    void OpenDocuments(const QList<QHelpLink>& documents);
    void ShowPage(const QUrl& url);
    void SelectInContents(const QUrl& url);
    void BringToFront();

    QHelpEngine* engine_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QHelpContentWidget* contentsTree_ = nullptr;
    QWidget* indexTab_ = nullptr;
    QLabel* keywordPrompt_ = nullptr;
    QLineEdit* keywordField_ = nullptr;
    QHelpIndexWidget* indexList_ = nullptr;
    HelpBrowser* browser_ = nullptr;
    QToolButton* backButton_ = nullptr;
    QToolButton* forwardButton_ = nullptr;
    QToolButton* homeButton_ = nullptr;
};
