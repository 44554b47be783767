// TForm1: building the window from its layout table, and the wiring of
// controls and menu items to their handlers.
#include "app/Unit1.h"

#include "about/ProgramIcon.h"
#include "about/VersionBox.h"
#include "app/Glyphs.h"
#include "app/MainWindowLayout.h"
#include "drill/DrillTime.h"
#include "drill/stopwatchu.h"
#include "gridio/StrGrdIO.h"
#include "widgets/Fonts.h"
#include "widgets/TButton.h"
#include "widgets/TPageControl.h"
#include "widgets/TStatusBar.h"
#include "print/VoskGridP.h"
#include "sound/EventSounds.h"
#include "sound/Greetings.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
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

QFont gothic(int pixels, bool bold) { return LayoutFont(kGothicFace, pixels, bold); }
} // namespace

TForm1::TForm1(TApplication& app, FormServices services, QWidget* parent)
    : QMainWindow(parent), app_(app), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    app_.Guard([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::AttachVersionBox(TVersionBox* box) {
    VersionBox = box;
    // Closing the box hands the activation back to this window.
    connect(box, &QDialog::finished, this, [this] { aboutBoxClosed_ = true; });
}

template <typename T> T* TForm1::control(const char* name) const {
    return findChild<T*>(QString::fromUtf8(name));
}

void TForm1::buildWindow() {
    setWindowTitle(QStringLiteral("Vantel"));
    setWindowIcon(QIcon(ProgramIcon()));
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
    findControls();

    for (const DrillSheet& sheet : DrillSheets()) {
        TStringGrid* grid = GridOf(sheet);
        grid->SetColCount(sheet.size + 1);
        grid->SetRowCount(sheet.size + 1);
        grid->SetDefaultColWidth(sheet.colWidth);
        grid->SetDefaultRowHeight(sheet.rowHeight);
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

    // Controls of the sound slots stay off until their slot is switched on.
    for (const char* name :
         {"Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Button1", "Button2", "Button3", "Button4", "Button5",
          "BitBtn17", "BitBtn18", "BitBtn19", "BitBtn13", "BitBtn14"})
        control<QWidget>(name)->setEnabled(false);
    control<QWidget>("BitBtn16")->setEnabled(false);

    const struct {
        const char* name;
        Glyph glyph;
    } glyphs[] = {
        {"BitBtn7", Glyph::Start},    {"BitBtn6", Glyph::Stop},     {"BitBtn5", Glyph::Exit},
        {"BitBtn4", Glyph::Help},     {"BitBtn8", Glyph::About},    {"BitBtn1", Glyph::Print},
        {"BitBtn2", Glyph::Print},    {"BitBtn3", Glyph::Print},    {"BitBtn16", Glyph::Print},
        {"BitBtn24", Glyph::Setup},   {"BitBtn20", Glyph::Save},    {"BitBtn21", Glyph::Open},
        {"BitBtn12", Glyph::Picture}, {"BitBtn17", Glyph::Speaker}, {"BitBtn18", Glyph::Speaker},
        {"BitBtn19", Glyph::Speaker}, {"BitBtn13", Glyph::Speaker}, {"BitBtn14", Glyph::Speaker},
        {"BitBtn9", Glyph::Speaker},  {"BitBtn10", Glyph::Speaker}, {"BitBtn11", Glyph::Speaker},
    };
    for (const auto& glyph : glyphs)
        control<QPushButton>(glyph.name)->setIcon(GlyphIcon(glyph.glyph));
    for (const char* name : {"BitBtn5", "BitBtn4", "BitBtn8"})
        control<QPushButton>(name)->setIconSize(QSize(24, 24));

    buildStatusBar();
    StatusBar1->setParent(client);
    StatusBar1->setGeometry(0, kClientHeight - 32, kClientWidth, 32);
    buildMenu();

    StringGridIO1 = new TStringGridIO(services_.spreadsheet, this);
    StringGridIO1->setObjectName(QStringLiteral("StringGridIO1"));
    StringGridIO1->SetTargetGrid(StringGrid4);
    StringGridIO1->SetStretch(false);

    StopWatch1 = new StopWatch(services_.ticks, this);
    StopWatch1->setObjectName(QStringLiteral("StopWatch1"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);

    wireHandlers();
    wireSoundHandlers();
    wirePrintHandlers();
    Timer1->start();
    Timer2->start();
    // Fixed size, with a minimise box but no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::findControls() {
    StringGrid1 = control<TStringGrid>("StringGrid1");
    StringGrid2 = control<TStringGrid>("StringGrid2");
    StringGrid3 = control<TStringGrid>("StringGrid3");
    StringGrid4 = control<TStringGrid>("StringGrid4");
    StringGrid5 = control<TStringGrid>("StringGrid5");
    BitBtn7 = control<TButton>("BitBtn7");
    BitBtn6 = control<TButton>("BitBtn6");
    BitBtn15 = control<TButton>("BitBtn15");
    BitBtn5 = control<TButton>("BitBtn5");
    CheckBox1 = control<QCheckBox>("CheckBox1");
    CheckBox2 = control<QCheckBox>("CheckBox2");
    CheckBox3 = control<QCheckBox>("CheckBox3");
    CheckBox5 = control<QCheckBox>("CheckBox5");
    CheckBox6 = control<QCheckBox>("CheckBox6");
    CheckBox7 = control<QCheckBox>("CheckBox7");
    Edit2 = control<QLineEdit>("Edit2");
    Edit3 = control<QLineEdit>("Edit3");
    Edit4 = control<QLineEdit>("Edit4");
    Edit5 = control<QLineEdit>("Edit5");
    Edit6 = control<QLineEdit>("Edit6");
    Edit7 = control<QLineEdit>("Edit7");
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
        panels.append({65, Qt::AlignHCenter, i % 2 ? kNoBestTime : kNoAttemptTime});
    panels.append({150, Qt::AlignLeft, QString()});
    StatusBar1->SetPanels(panels);
}

void TForm1::wireHandlers() {
    const auto button = [this](const char* name) { return control<QPushButton>(name); };
    const auto item = [this](const char* name) { return control<QAction>(name); };
    wire(BitBtn7, &QPushButton::clicked, &TForm1::BitBtn7Click);
    wire(Cut1, &QAction::triggered, &TForm1::BitBtn7Click);
    wire(BitBtn6, &QPushButton::clicked, &TForm1::BitBtn6Click);
    wire(Find1, &QAction::triggered, &TForm1::BitBtn6Click);
    wire(BitBtn15, &QPushButton::clicked, &TForm1::BitBtn15Click);
    wire(Timer2, &QTimer::timeout, &TForm1::Timer2Timer);
    wire(PageControl1, &QTabWidget::currentChanged, &TForm1::PageControl1Change);
    wire(BitBtn5, &QPushButton::clicked, &TForm1::BitBtn5Click);
    wire(Exit1, &QAction::triggered, &TForm1::BitBtn5Click);
    wire(button("BitBtn4"), &QPushButton::clicked, &TForm1::Contents1Click);
    wire(item("Contents1"), &QAction::triggered, &TForm1::Contents1Click);
    wire(item("SearchforHelpOn1"), &QAction::triggered, &TForm1::SearchforHelpOn1Click);
    wire(button("BitBtn20"), &QPushButton::clicked, &TForm1::BitBtn20Click);
    wire(button("BitBtn21"), &QPushButton::clicked, &TForm1::BitBtn21Click);
    wire(button("BitBtn22"), &QPushButton::clicked, &TForm1::BitBtn22Click);
    wire(button("BitBtn23"), &QPushButton::clicked, &TForm1::BitBtn23Click);
    wire(button("BitBtn8"), &QPushButton::clicked, &TForm1::About1Click);
    wire(item("About1"), &QAction::triggered, &TForm1::About1Click);
    wire(button("BitBtn12"), &QPushButton::clicked, &TForm1::BitBtn12Click);
    wire(button("Button9"), &QPushButton::clicked, &TForm1::Button9Click);
    wire(button("Button6"), &QPushButton::clicked, &TForm1::Button6Click);
    wire(button("Button7"), &QPushButton::clicked, &TForm1::Button7Click);
    wire(button("Button8"), &QPushButton::clicked, &TForm1::Button8Click);
    wire(button("Button10"), &QPushButton::clicked, &TForm1::Button10Click);
}

TStringGrid* TForm1::GridOf(const DrillSheet& sheet) const {
    return findChild<TStringGrid*>(QString::fromUtf8(sheet.gridName));
}

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
