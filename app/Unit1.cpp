// TForm1: building the window from its layout table, and the wiring of
// controls and menu items to their handlers.
#include "app/Unit1.h"

#include "progress/ProgressWindow.h"

#include "about/ProgramIcon.h"
#include "about/VersionBox.h"
#include "app/MainWindowLayout.h"
#include "drill/DrillSession.h"
#include "drill/stopwatchu.h"
#include "gridio/StrGrdIO.h"
#include "print/VoskGridP.h"
#include "readaloud/ReadAloud.h"
#include "sound/EventSounds.h"
#include "sound/Greetings.h"
#include "widgets/AfterFirstPaint.h"
#include "widgets/Fonts.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

namespace {
constexpr int kClientWidth = 725;
constexpr int kClientHeight = 600;

QFont gothic(int pixels, bool bold) { return LayoutFont(kGothicFace, pixels, bold); }

// The grid of each drill, in the order of DrillKind.
constexpr TStringGrid* TForm1::*kSheetGrids[] = {&TForm1::StringGrid1, &TForm1::StringGrid2,
                                                 &TForm1::StringGrid3, &TForm1::StringGrid5};
} // namespace

TForm1::TForm1(TApplication& app, FormServices services, QWidget* parent)
    : QMainWindow(parent), Session(new DrillSession(services.ticks, services.random, this)), app_(app),
      services_(services) {
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    app_.Guard([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::AttachVersionBox(std::function<TVersionBox*()> make, bool now) {
    makeVersionBox_ = std::move(make);
    if (now)
        AboutBox();
    else
        RunAfterFirstPaint(this, [this] { AboutBox(); });
}

TVersionBox* TForm1::AboutBox() {
    if (VersionBox || !makeVersionBox_)
        return VersionBox;
    VersionBox = std::exchange(makeVersionBox_, nullptr)();
    // Closing the box hands the activation back to this window.
    connect(VersionBox, &QDialog::finished, this, [this] { aboutBoxClosed_ = true; });
    return VersionBox;
}

void TForm1::buildWindow() {
    makeClientArea();
    MadeControls made = makeControls();
    makeMenu(made);
    bindControls(made);
    setUpGrids();
    setUpStatusBar();
    showDrillSession();
    makeComponents();
    wireHandlers();
    wireSoundHandlers();
    wirePrintHandlers();
    setUpListening();
    wireProgress();
    Timer1->start();
    Timer2->start();
    // Fixed size, with a minimise box but no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::makeClientArea() {
    setWindowTitle(QStringLiteral("Vantel"));
    setWindowIcon(QIcon(ProgramIcon()));
    setFont(gothic(15, true));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
}

MadeControls TForm1::makeControls() {
    MadeControls made = BuildControls(centralWidget(), MainWindowControls());
    RetranslateControls(centralWidget(), MainWindowControls(), "TForm1");
    return made;
}

void TForm1::bindControls(const MadeControls& made) {
    BindControls<TForm1>(*this, made,
                         {
                             {"PageControl1", &TForm1::PageControl1},
                             {"TabSheet1", &TForm1::TabSheet1},
                             {"TabSheet2", &TForm1::TabSheet2},
                             {"TabSheet3", &TForm1::TabSheet3},
                             {"TabSheet4", &TForm1::TabSheet4},
                             {"TabSheet5", &TForm1::TabSheet5},
                             {"TabSheet6", &TForm1::TabSheet6},
                             {"StringGrid1", &TForm1::StringGrid1},
                             {"StringGrid2", &TForm1::StringGrid2},
                             {"StringGrid3", &TForm1::StringGrid3},
                             {"StringGrid4", &TForm1::StringGrid4},
                             {"StringGrid5", &TForm1::StringGrid5},
                             {"BitBtn7", &TForm1::BitBtn7},
                             {"BitBtn6", &TForm1::BitBtn6},
                             {"BitBtn15", &TForm1::BitBtn15},
                             {"BitBtn5", &TForm1::BitBtn5},
                             {"BitBtn4", &TForm1::BitBtn4},
                             {"BitBtn8", &TForm1::BitBtn8},
                             {"BitBtn1", &TForm1::BitBtn1},
                             {"BitBtn2", &TForm1::BitBtn2},
                             {"BitBtn3", &TForm1::BitBtn3},
                             {"BitBtn24", &TForm1::BitBtn24},
                             {"SpeedButton4", &TForm1::SpeedButton4},
                             {"SpeedButton3", &TForm1::SpeedButton3},
                             {"SpeedButton5", &TForm1::SpeedButton5},
                             {"SpeedButton1", &TForm1::SpeedButton1},
                             {"BitBtn20", &TForm1::BitBtn20},
                             {"BitBtn21", &TForm1::BitBtn21},
                             {"BitBtn22", &TForm1::BitBtn22},
                             {"BitBtn23", &TForm1::BitBtn23},
                             {"BitBtn12", &TForm1::BitBtn12},
                             {"BitBtn9", &TForm1::BitBtn9},
                             {"BitBtn10", &TForm1::BitBtn10},
                             {"BitBtn11", &TForm1::BitBtn11},
                             {"Button1", &TForm1::Button1},
                             {"Button2", &TForm1::Button2},
                             {"Button3", &TForm1::Button3},
                             {"Button4", &TForm1::Button4},
                             {"Button5", &TForm1::Button5},
                             {"BitBtn17", &TForm1::BitBtn17},
                             {"BitBtn18", &TForm1::BitBtn18},
                             {"BitBtn19", &TForm1::BitBtn19},
                             {"BitBtn13", &TForm1::BitBtn13},
                             {"BitBtn14", &TForm1::BitBtn14},
                             {"Button6", &TForm1::Button6},
                             {"Button7", &TForm1::Button7},
                             {"Button8", &TForm1::Button8},
                             {"Button9", &TForm1::Button9},
                             {"Button10", &TForm1::Button10},
                             {"StatusBar1", &TForm1::StatusBar1},
                             {"CheckBox1", &TForm1::CheckBox1},
                             {"CheckBox2", &TForm1::CheckBox2},
                             {"CheckBox3", &TForm1::CheckBox3},
                             {"CheckBox5", &TForm1::CheckBox5},
                             {"CheckBox6", &TForm1::CheckBox6},
                             {"CheckBox7", &TForm1::CheckBox7},
                             {"Edit2", &TForm1::Edit2},
                             {"Edit3", &TForm1::Edit3},
                             {"Edit4", &TForm1::Edit4},
                             {"Edit5", &TForm1::Edit5},
                             {"Edit6", &TForm1::Edit6},
                             {"Edit7", &TForm1::Edit7},
                             {"Edit1", &TForm1::Edit1},
                             {"Print1", &TForm1::Print1},
                             {"Print2", &TForm1::Print2},
                             {"Print3", &TForm1::Print3},
                             {"PrintSetup1", &TForm1::PrintSetup1},
                             {"Exit1", &TForm1::Exit1},
                             {"Cut1", &TForm1::Cut1},
                             {"Find1", &TForm1::Find1},
                             {"N6", &TForm1::N6},
                             {"N7", &TForm1::N7},
                             {"N8", &TForm1::N8},
                             {"N991", &TForm1::N991},
                             {"Open1", &TForm1::Open1},
                             {"Open2", &TForm1::Open2},
                             {"Open3", &TForm1::Open3},
                             {"Open4", &TForm1::Open4},
                             {"Open5", &TForm1::Open5},
                             {"Contents1", &TForm1::Contents1},
                             {"SearchforHelpOn1", &TForm1::SearchforHelpOn1},
                             {"About1", &TForm1::About1},
                             {"ReadAloud1", &TForm1::ReadAloud1},
                             {"ShowProgress1", &TForm1::ShowProgress1},
                             {"Language1", &TForm1::Language1},
                         });
}

void TForm1::setUpGrids() {
    for (const SheetPlace& place : SheetPlaces()) {
        const DrillSheet& sheet = SheetOf(place.kind);
        TStringGrid* grid = GridOf(sheet);
        Q_ASSERT(grid->objectName() == QLatin1String(place.gridName));
        grid->SetColCount(sheet.size + 1);
        grid->SetRowCount(sheet.size + 1);
        grid->SetDefaultColWidth(place.colWidth);
        grid->SetDefaultRowHeight(place.rowHeight);
        grid->OnKeyPress = [this](TStringGrid* sender, QChar& key) { StringGrid1KeyPress(sender, key); };
    }
    // The name panel as laid out; start-up gives it its working size.
    StringGrid4->SetFixedCols(0);
    StringGrid4->SetFixedRows(0);
    StringGrid4->SetColCount(3);
    StringGrid4->SetRowCount(2);
    StringGrid4->SetDefaultColWidth(190);
    StringGrid4->SetDefaultRowHeight(49);
    for (TStringGrid* grid : {StringGrid1, StringGrid2, StringGrid3, StringGrid5, StringGrid4})
        grid->OnDrawCell = [this](TStringGrid* sender, int col, int row, const QRect& rect,
                                  GridDrawState state, QPainter& canvas) {
            StringGrid1DrawCell(sender, col, row, rect, state, canvas);
        };
}

void TForm1::setUpStatusBar() {
    QPalette palette = StatusBar1->palette();
    palette.setColor(QPalette::Window, QColor(0xD7, 0xE1, 0xFF));
    StatusBar1->setPalette(palette);
    QList<TStatusBar::Panel> panels(8, {65, Qt::AlignHCenter, QString()});
    for (const SheetPlace& place : SheetPlaces()) {
        panels[place.timePanel].text = Session->LastTimeText(place.kind);
        panels[place.bestPanel].text = Session->BestTimeText(place.kind);
    }
    panels.append({150, Qt::AlignLeft, QString()});
    StatusBar1->SetPanels(panels);
}

void TForm1::makeComponents() {
    StringGridIO1 = new TStringGridIO(services_.spreadsheet, this);
    StringGridIO1->setObjectName(QStringLiteral("StringGridIO1"));
    StringGridIO1->SetTargetGrid(StringGrid4);
    StringGridIO1->SetStretch(false);

    StopWatch1 = &Session->Watch();
    StopWatch1->setObjectName(QStringLiteral("StopWatch1"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
}

void TForm1::wireHandlers() {
    wire(BitBtn7, &QPushButton::clicked, &TForm1::BitBtn7Click);
    wire(Cut1, &QAction::triggered, &TForm1::BitBtn7Click);
    wire(BitBtn6, &QPushButton::clicked, &TForm1::BitBtn6Click);
    wire(Find1, &QAction::triggered, &TForm1::BitBtn6Click);
    wire(BitBtn15, &QPushButton::clicked, &TForm1::BitBtn15Click);
    wire(Timer2, &QTimer::timeout, &TForm1::Timer2Timer);
    wire(PageControl1, &QTabWidget::currentChanged, &TForm1::PageControl1Change);
    wire(BitBtn5, &QPushButton::clicked, &TForm1::BitBtn5Click);
    wire(Exit1, &QAction::triggered, &TForm1::BitBtn5Click);
    wire(BitBtn4, &QPushButton::clicked, &TForm1::Contents1Click);
    wire(Contents1, &QAction::triggered, &TForm1::Contents1Click);
    wire(SearchforHelpOn1, &QAction::triggered, &TForm1::SearchforHelpOn1Click);
    wire(BitBtn20, &QPushButton::clicked, &TForm1::BitBtn20Click);
    wire(BitBtn21, &QPushButton::clicked, &TForm1::BitBtn21Click);
    wire(BitBtn22, &QPushButton::clicked, &TForm1::BitBtn22Click);
    wire(BitBtn23, &QPushButton::clicked, &TForm1::BitBtn23Click);
    wire(BitBtn8, &QPushButton::clicked, &TForm1::About1Click);
    wire(About1, &QAction::triggered, &TForm1::About1Click);
    wire(BitBtn12, &QPushButton::clicked, &TForm1::BitBtn12Click);
    wire(Button9, &QPushButton::clicked, &TForm1::Button9Click);
    wire(Button6, &QPushButton::clicked, &TForm1::Button6Click);
    wire(Button7, &QPushButton::clicked, &TForm1::Button7Click);
    wire(Button8, &QPushButton::clicked, &TForm1::Button8Click);
    wire(Button10, &QPushButton::clicked, &TForm1::Button10Click);
}

TStringGrid* TForm1::GridOf(const DrillSheet& sheet) const { return this->*kSheetGrids[int(sheet.kind)]; }

const DrillSheet* TForm1::ActiveSheet() const { return SheetOnPage(PageControl1->currentIndex()); }

void TForm1::focusStart() {
    BitBtn7->setVisible(true);
    BitBtn7->setFocus();
}

bool TForm1::event(QEvent* event) {
    // Activation counts when the window first comes up and when the About box
    // hands it back, not after a message box or on a switch between programs.
    if (event->type() == QEvent::WindowActivate && (!activatedOnce_ || aboutBoxClosed_)) {
        activatedOnce_ = true;
        aboutBoxClosed_ = false;
        app_.Guard([this] { FormActivate(); });
    }
    return QMainWindow::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A greyed Close refuses the title bar and the window manager, not the program's own exit.
    if (!exitRequested_ && SystemMenuHandle && !SystemMenuHandle->CloseEnabled()) {
        event->ignore();
        return;
    }
    bool canClose = true;
    app_.Guard([&] { FormCloseQuery(canClose); });
    if (!canClose) {
        event->ignore();
        return;
    }
    app_.Guard([this] { FormClose(); });
    event->accept();
    exitRequested_ = false;
}
