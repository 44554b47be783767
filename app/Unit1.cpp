#include "app/Unit1.h"

#include "app/MainWindowLayout.h"
#include "drill/stopwatchu.h"
#include "platform/Fonts.h"
#include "platform/TButton.h"
#include "platform/TPageControl.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QMenuBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {
constexpr int kClientWidth = 725;
constexpr int kClientHeight = 600;

struct PageRow {
    const char* name;
    const char* caption;
};
// The tab pages in their order; the drill sheets name their page index.
constexpr PageRow kPages[] = {
    {"TabSheet1", " たしざん "}, {"TabSheet2", " ひきざん "}, {"TabSheet3", " かけざん "},
    {"TabSheet6", " 九九"},      {"TabSheet4", " Print"},     {"TabSheet5", " Sound && Picture"},
};

QFont gothic(int pixels, bool bold) {
    QFont font(kGothicFace);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
} // namespace

TForm1::TForm1(TApplication& app, FormServices services, QWidget* parent)
    : QMainWindow(parent), app_(app), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    app_.Guard([this] { FormCreate(); });
    qApp->installEventFilter(this);
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

void TForm1::buildWindow() {
    setWindowTitle(QStringLiteral("Vantel"));
    setFont(gothic(15, true));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    PageControl1 = new TPageControl(32, client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 49, 708, 512);
    PageControl1->setFont(gothic(15, true));
    for (const PageRow& page : kPages) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QString::fromUtf8(page.name));
        PageControl1->addTab(sheet, QString::fromUtf8(page.caption));
    }
    BuildControls(client, MainWindowControls());

    StringGrid1 = findChild<TStringGrid*>(QStringLiteral("StringGrid1"));
    StringGrid2 = findChild<TStringGrid*>(QStringLiteral("StringGrid2"));
    StringGrid3 = findChild<TStringGrid*>(QStringLiteral("StringGrid3"));
    StringGrid5 = findChild<TStringGrid*>(QStringLiteral("StringGrid5"));
    BitBtn7 = findChild<TButton*>(QStringLiteral("BitBtn7"));
    BitBtn6 = findChild<TButton*>(QStringLiteral("BitBtn6"));
    BitBtn15 = findChild<TButton*>(QStringLiteral("BitBtn15"));
    BitBtn7->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    BitBtn6->setIcon(style()->standardIcon(QStyle::SP_MediaStop));

    for (const DrillSheet& sheet : DrillSheets()) {
        TStringGrid* grid = GridOf(sheet);
        grid->SetColCount(sheet.size + 1);
        grid->SetRowCount(sheet.size + 1);
        grid->SetDefaultColWidth(sheet.colWidth);
        grid->SetDefaultRowHeight(sheet.rowHeight);
        grid->OnKeyPress = [this](TStringGrid* sender, QChar& key) { StringGrid1KeyPress(sender, key); };
        grid->OnDrawCell = [this](TStringGrid* sender, int col, int row, const QRect& rect, GridDrawState state,
                                  QPainter& canvas) { StringGrid1DrawCell(sender, col, row, rect, state, canvas); };
    }

    buildStatusBar();
    StatusBar1->setParent(client);
    StatusBar1->setGeometry(0, kClientHeight - 32, kClientWidth, 32);
    buildMenu();

    StopWatch1 = new StopWatch(services_.ticks, this);
    StopWatch1->setObjectName(QStringLiteral("StopWatch1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);

    wireHandlers();
    Timer2->start();
    // Fixed size, with a minimise box but no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::buildMenu() {
    Edit1 = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Cut1 = Edit1->addAction(QStringLiteral("問題作成(&T)"));
    Cut1->setObjectName(QStringLiteral("Cut1"));
    Cut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Edit1->addSeparator()->setObjectName(QStringLiteral("N5"));
    Find1 = Edit1->addAction(QStringLiteral("答えあわせ(&F)"));
    Find1->setObjectName(QStringLiteral("Find1"));
    Find1->setShortcut(QKeySequence(Qt::Key_F2));
}

void TForm1::buildStatusBar() {
    StatusBar1 = new TStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFont(gothic(16, true));
    QPalette palette = StatusBar1->palette();
    palette.setColor(QPalette::Window, QColor(0xD7, 0xE1, 0xFF));
    StatusBar1->setPalette(palette);
    QList<TStatusBar::Panel> panels;
    for (int i = 0; i < 8; ++i)
        panels.append({65, Qt::AlignHCenter, i % 2 ? QStringLiteral("59:59") : QStringLiteral("00:00")});
    panels.append({150, Qt::AlignLeft, QString()});
    StatusBar1->SetPanels(panels);
}

template <typename Sender, typename Signal>
void TForm1::wire(Sender* sender, Signal signal, void (TForm1::*handler)()) {
    connect(sender, signal, this, [this, handler] { app_.Guard([this, handler] { (this->*handler)(); }); });
}

void TForm1::wireHandlers() {
    wire(BitBtn7, &QPushButton::clicked, &TForm1::BitBtn7Click);
    wire(Cut1, &QAction::triggered, &TForm1::BitBtn7Click);
    wire(BitBtn6, &QPushButton::clicked, &TForm1::BitBtn6Click);
    wire(Find1, &QAction::triggered, &TForm1::BitBtn6Click);
    wire(BitBtn15, &QPushButton::clicked, &TForm1::BitBtn15Click);
    wire(Timer2, &QTimer::timeout, &TForm1::Timer2Timer);
    wire(PageControl1, &QTabWidget::currentChanged, &TForm1::PageControl1Change);
}

TStringGrid* TForm1::GridOf(const DrillSheet& sheet) const {
    return findChild<TStringGrid*>(QString::fromUtf8(sheet.gridName));
}

const DrillSheet* TForm1::ActiveSheet() const { return SheetOnPage(PageControl1->currentIndex()); }

void TForm1::FormCreate() {
    for (const DrillSheet& sheet : DrillSheets())
        GridOf(sheet)->SetCells(0, 0, sheet.StartCorner());
}

void TForm1::focusStart() {
    BitBtn7->setVisible(true);
    BitBtn7->setFocus();
}

void TForm1::FormActivate() { focusStart(); }

void TForm1::PageControl1Change() {
    if (ActiveSheet())
        focusStart();
}

bool TForm1::event(QEvent* event) {
    // Activation counts when the window first comes up and when one of the
    // program's own dialogs hands the focus back, not on a switch between programs.
    if (event->type() == QEvent::WindowActivate && (!activatedOnce_ || ownWindowClosed_)) {
        activatedOnce_ = true;
        ownWindowClosed_ = false;
        app_.Guard([this] { FormActivate(); });
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && qobject_cast<QDialog*>(watched))
        ownWindowClosed_ = true;
    return QMainWindow::eventFilter(watched, event);
}
