#include "platform/help/HelpWindow.h"

#include "core/VantelError.h"
#include "platform/help/HelpBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kNamespace = QStringLiteral("vantel.help");

QToolButton* MakeToolButton(QWidget* parent, QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(const QString& collectionFile, QWidget* parent) : QWidget(parent, Qt::Window) {
    OpenEngine(collectionFile);
    // An open help window does not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    browser_ = new HelpBrowser(*engine_);
    contentsTree_ = engine_->contentWidget();
    contentsTree_->setHeaderHidden(true);

    tabs_ = new QTabWidget;
    tabs_->addTab(contentsTree_, QString());
    indexTab_ = MakeIndexTab();
    tabs_->addTab(indexTab_, QString());

    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->addWidget(tabs_);
    splitter_->addWidget(browser_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({260, 620});

    auto* back = backButton_ = MakeToolButton(this, QStyle::SP_ArrowBack);
    auto* forward = forwardButton_ = MakeToolButton(this, QStyle::SP_ArrowForward);
    auto* home = homeButton_ = MakeToolButton(this, QStyle::SP_DirHomeIcon);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { ShowPage(ContentsPage()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(splitter_, 1);

    connect(contentsTree_, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowPage);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectInContents);
    // The tree is filled on a worker thread; mark the page once it is there.
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { SelectInContents(browser_->source()); });

    retranslate();
    resize(880, 620);
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void HelpWindow::retranslate() {
    setWindowTitle(tr("Vantel ヘルプ"));
    //: The help's table of contents, as a tab and as the button that opens its first page.
    const QString contents = tr("目次");
    tabs_->setTabText(tabs_->indexOf(contentsTree_), contents);
    //: The tab of the keyword index.
    tabs_->setTabText(tabs_->indexOf(indexTab_), tr("キーワード"));
    //: Go back to the page shown before.
    backButton_->setText(tr("戻る"));
    //: Go forward again after going back.
    forwardButton_->setText(tr("進む"));
    homeButton_->setText(contents);
    keywordPrompt_->setText(tr("探したい言葉を入力してください："));
}

HelpWindow::~HelpWindow() {
    // The views use the engine's models: let them go before the engine.
    delete splitter_;
}

QUrl HelpWindow::ContentsPage() { return QUrl(QStringLiteral("qthelp://vantel.help/doc/index.html")); }

void HelpWindow::OpenEngine(const QString& collectionFile) {
    engine_ = new QHelpEngine(collectionFile, this);
    // The collection may sit in a folder the user cannot write to.
    engine_->setReadOnly(true);
    engine_->setUsesFilterEngine(true);
    const QString shown = QDir::toNativeSeparators(collectionFile);
    if (!engine_->setupData())
        throw VantelError(tr("ヘルプファイル %1 を開けません。").arg(shown));
    if (!engine_->registeredDocumentations().contains(kNamespace))
        throw VantelError(tr("ヘルプファイル %1 にヘルプの内容が登録されていません。").arg(shown));
    // The collection only points at the compressed pages, which may be missing.
    const QString pages = engine_->documentationFileName(kNamespace);
    if (!QFileInfo(pages).isFile())
        throw VantelError(tr("ヘルプファイル %1 が見つかりません。").arg(QDir::toNativeSeparators(pages)));
}

QWidget* HelpWindow::MakeIndexTab() {
    auto* tab = new QWidget;
    auto* prompt = keywordPrompt_ = new QLabel(tab);
    keywordField_ = new QLineEdit(tab);
    keywordField_->setClearButtonEnabled(true);
    prompt->setBuddy(keywordField_);
    indexList_ = engine_->indexWidget();

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 6, 4, 4);
    layout->addWidget(prompt);
    layout->addWidget(keywordField_);
    layout->addWidget(indexList_, 1);

    connect(keywordField_, &QLineEdit::textChanged, indexList_,
            [this](const QString& text) { indexList_->filterIndices(text); });
    connect(keywordField_, &QLineEdit::returnPressed, indexList_, &QHelpIndexWidget::activateCurrentItem);
    connect(engine_->indexModel(), &QHelpIndexModel::indexCreated, this,
            [this] { indexList_->filterIndices(keywordField_->text()); });
    connect(indexList_, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { ShowPage(document.url); });
    connect(indexList_, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents) { OpenDocuments(documents); });
    // Arrow keys in the field walk the list, so the keyboard never has to leave it.
    keywordField_->installEventFilter(this);
    return tab;
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == keywordField_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(indexList_, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::OpenDocuments(const QList<QHelpLink>& documents) {
    if (documents.isEmpty())
        return;
    QStringList titles;
    for (const QHelpLink& document : documents)
        titles.append(document.title);
    bool chosen = false;
    const QString title = QInputDialog::getItem(
        this, tr("トピックの選択"), tr("表示するページを選んでください："), titles, 0, false, &chosen);
    if (chosen)
        ShowPage(documents.at(titles.indexOf(title)).url);
}

void HelpWindow::ShowPage(const QUrl& url) { browser_->setSource(url); }

void HelpWindow::SelectInContents(const QUrl& url) {
    const QModelIndex item = contentsTree_->indexOf(url);
    if (!item.isValid())
        return;
    contentsTree_->expand(item);
    contentsTree_->setCurrentIndex(item);
    contentsTree_->scrollTo(item);
}

void HelpWindow::BringToFront() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void HelpWindow::ShowContents() {
    tabs_->setCurrentIndex(0);
    ShowPage(ContentsPage());
    BringToFront();
    contentsTree_->setFocus();
}

void HelpWindow::ShowKeywordSearch() {
    tabs_->setCurrentWidget(indexTab_);
    keywordField_->clear();
    if (browser_->source().isEmpty())
        ShowPage(ContentsPage());
    BringToFront();
    keywordField_->setFocus();
}
