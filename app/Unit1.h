// TForm1, the main window: the wiring between the controls and the
// subsystems. Handlers call the drill session or a subsystem; the grids and
// status panels show the session, and the logic lives in the subsystem folders.
#pragma once

#include "app/SheetPlaces.h"
#include "drill/DrillSheet.h"
#include "platform/desktop/SystemMenu.h"
#include "platform/desktop/TApplication.h"
#include "sound/SoundSlots.h"
#include "widgets/ControlTable.h"
#include "widgets/TStringGrid.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class Clock;
class EventSounds;
class PrinterSetup;
class FileDialogs;
class DrillSession;
class HistoryStore;
class LanguageSwitch;
class NamePanelPrint;
class NameCompletion;
class ProgressWindow;
class HelpViewer;
class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QTabWidget;
class QTimer;
class RandomSource;
class ReadAloud;
class ReadAloudSettings;
class Speech;
class ScreenInfo;
class SettingsFile;
class ShellLinks;
class SoundEngine;
class Spreadsheet;
class StartupGreeting;
class StopWatch;
class TButton;
class TStatusBar;
class TPrinter;
class TStringGridIO;
class TVoskSGridPrinter;
class TVersionBox;
class TickCounter;

// The platform services the window reaches through small interfaces, so a
// test can run every handler with fakes.
struct FormServices {
    TickCounter& ticks;
    Clock& clock;
    RandomSource& random;
    ScreenInfo& screen;
    HelpViewer& help;
    FileDialogs& dialogs;
    Spreadsheet& spreadsheet;
    SoundEngine& sound;
    TPrinter& printer;
    PrinterSetup& printerSetup; // PrinterSetupDialog1
    ShellLinks& links;          // the About box's links
    SettingsFile& settings;
    Speech& speech;                       // reads problems aloud
    ReadAloudSettings& readAloudSettings; // readaloud.conf
    HistoryStore& history;                // every judged attempt
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(TApplication& app, FormServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    TStringGrid* GridOf(const DrillSheet& sheet) const;
    // The sheet of the active page, or null on the pages without one.
    const DrillSheet* ActiveSheet() const;

    // Controls and components, by their names in the window; the window's
    // table makes the controls and bindControls() hands them out.
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;
    QWidget* TabSheet5;
    QWidget* TabSheet6;
    TStringGrid* StringGrid1;
    TStringGrid* StringGrid2;
    TStringGrid* StringGrid3;
    TStringGrid* StringGrid4;
    TStringGrid* StringGrid5;
    TButton* BitBtn7;
    TButton* BitBtn6;
    TButton* BitBtn15;
    TButton* BitBtn5;
    TButton* BitBtn4;
    TButton* BitBtn8;
    TButton* BitBtn1;
    TButton* BitBtn2;
    TButton* BitBtn3;
    TButton* BitBtn24;
    TButton* SpeedButton4;
    TButton* SpeedButton3;
    TButton* SpeedButton5;
    TButton* SpeedButton1;
    TButton* BitBtn20;
    TButton* BitBtn21;
    TButton* BitBtn22;
    TButton* BitBtn23;
    TButton* BitBtn12;
    TButton* BitBtn9;
    TButton* BitBtn10;
    TButton* BitBtn11;
    TButton* Button1;
    TButton* Button2;
    TButton* Button3;
    TButton* Button4;
    TButton* Button5;
    TButton* BitBtn17;
    TButton* BitBtn18;
    TButton* BitBtn19;
    TButton* BitBtn13;
    TButton* BitBtn14;
    TButton* Button6;
    TButton* Button7;
    TButton* Button8;
    TButton* Button9;
    TButton* Button10;
    TStatusBar* StatusBar1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    // The main menu's items that have handlers.
    QMenu* Edit1;
    QAction* Print1;
    QAction* Print2;
    QAction* Print3;
    QAction* PrintSetup1;
    QAction* Exit1;
    QAction* Cut1;
    QAction* Find1;
    QAction* N6;
    QAction* N7;
    QAction* N8;
    QAction* N991;
    QAction* Open1;
    QAction* Open2;
    QAction* Open3;
    QAction* Open4;
    QAction* Open5;
    QAction* Contents1;
    QAction* SearchforHelpOn1;
    QAction* About1;
    QAction* ReadAloud1; // "問題を読み上げる", checkable
    QAction* ShowProgress1;
    QAction* DifferentSheets1; // "ちがうプリントを N 枚..."
    QAction* Language1;        // "言語 / Language", its submenu made by AttachLanguages
    QTimer* Timer1;
    QTimer* Timer2;
    StopWatch* StopWatch1; // the session's
    // The drill's state: sheets, times and judging. Grids and status panels show it.
    DrillSession* Session;
    TStringGridIO* StringGridIO1;
    TVoskSGridPrinter* VoskSGridPrinter1;
    TVoskSGridPrinter* VoskSGridPrinter2;
    TVoskSGridPrinter* VoskSGridPrinter3;
    TVoskSGridPrinter* VoskSGridPrinter4;
    // The About box, a child of this window: made by `make` at once, or when
    // `now` is false, right after this window's first paint or at its first
    // use if that comes sooner. AboutBox() makes it when it is not made yet.
    TVersionBox* VersionBox = nullptr;
    void AttachVersionBox(std::function<TVersionBox*()> make, bool now);
    TVersionBox* AboutBox();
    // The progress window while it is open.
    QPointer<ProgressWindow> ProgressWindow1;
    // Adds to each new progress window what the program has beyond this computer (a class server).
    std::function<void(ProgressWindow&)> OnProgressWindowOpened;
    // Fills "言語 / Language" with the languages to choose; a choice applies
    // at once and is kept. Without it the item has no submenu.
    void AttachLanguages(LanguageSwitch& languages);
    // The user-name edit's completion; a class computer adds its class list's names.
    NameCompletion* UserNameCompletion = nullptr;
    // Empty until start-up finds a user name.
    SystemMenu* SystemMenuHandle = nullptr;

public slots:
    // Start-up, shutdown, help
    void FormCreate();
    void FormActivate();
    void PageControl1Change();
    void BitBtn5Click();
    // Closes the window as the exit command does, whatever the state of the Close command.
    void CloseByProgram();
    void FormCloseQuery(bool& canClose);
    void FormClose();
    void Contents1Click();
    void SearchforHelpOn1Click();

    // User name and best-time reset
    void Button9Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button10Click();

    // Drill commands
    void BitBtn7Click();
    void BitBtn6Click();
    void BitBtn15Click();
    void Tasu();
    void Hiku();
    void Kake();
    void Kuku();
    void TasuA();
    void HikuA();
    void KakeA();
    void KukuA();
    void Timer2Timer();
    void StringGrid1KeyPress(TStringGrid* sender, QChar& key);
    void StringGrid1DrawCell(TStringGrid* sender, int col, int row, const QRect& rect, GridDrawState state,
                             QPainter& canvas);

    // Worksheets, answer keys and the printer setup.
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void PrintAdditionSheet();
    void PrintSubtractionSheet();
    void PrintMultiplicationSheet();
    void PrintSetup1Click();
    void SpeedButton4Click();
    void SpeedButton3Click();
    void SpeedButton5Click();
    void SpeedButton1Click();
    // Numbered different worksheets of one drill, then their answer keys.
    void DifferentSheets1Click();

    // The name panel's save, load, spreadsheet transfer and clear.
    void BitBtn20Click();
    void BitBtn21Click();
    void BitBtn22Click();
    void BitBtn23Click();

    // The About box and its picture.
    void About1Click();
    void BitBtn12Click();

    // Event sounds: the enable rule, choosing a file, playing, the end of the exit-sound test.
    void CheckBox5Click();
    void CheckBox6Click();
    void CheckBox7Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void Open1Click();
    void Open2Click();
    void Open3Click();
    void Open4Click();
    void Open5Click();
    void BitBtn17Click();
    void BitBtn18Click();
    void BitBtn19Click();
    void BitBtn13Click();
    void BitBtn14Click();
    void MediaPlayer1Notify();

    // Start-up greetings
    void Timer1Timer();
    void BitBtn9Click();
    void BitBtn10Click();
    void BitBtn11Click();

    // Read-aloud mode
    void ReadAloud1Click();
    // The progress history.
    void ShowProgress1Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void makeClientArea();
    MadeControls makeControls();
    void makeMenu(MadeControls& made);
    // The window's texts again, in the language now spoken: the control
    // table's captions and hints, the menu, the status panels' names, the title.
    void retranslate();
    void retranslateMenu();
    // The status panels' names, and the language a screen reader hears the grids and panels in.
    void nameForListeners();
    void bindControls(const MadeControls& made);
    void setUpGrids();
    void setUpStatusBar();
    void makeComponents();
    void wireHandlers();
    // Connects a signal to a handler that runs inside the application's error guard.
    template <typename Sender, typename Signal>
    void wire(Sender* sender, Signal signal, void (TForm1::*handler)());
    void focusStart();
    void showDrillSession();
    void showSheet(DrillKind kind);
    void generate(DrillKind kind);
    void judge(DrillKind kind);
    void resetBestTime(DrillKind kind);
    void showUserNameInCaption();
    void wireSoundHandlers();
    QLineEdit* soundFileEdit(SoundSlot slot) const;
    void wirePrintHandlers();
    void printWorksheet(TVoskSGridPrinter& sheetPrinter);
    void enableSlotControls(SoundSlot slot);
    void chooseSoundFile(SoundSlot slot);
    void playSlot(SoundSlot slot);
    void setUpListening();
    void wireProgress();
    void recordAttempt(DrillKind kind);

    TApplication& app_;
    FormServices services_;
    SystemMenu systemMenu_;
    std::unique_ptr<EventSounds> sounds_;
    std::unique_ptr<StartupGreeting> greeting_;
    std::unique_ptr<ReadAloud> readAloud_;
    std::shared_ptr<NamePanelPrint> namePanelPrint_; // the name panel for the progress window's prints
    LanguageSwitch* languages_ = nullptr;
    bool activatedOnce_ = false;
    bool aboutBoxClosed_ = false;
    std::function<TVersionBox*()> makeVersionBox_; // until the About box is made
    bool exitRequested_ = false;         // the program's own exit, which a greyed Close does not stop
    std::optional<QString> captionName_; // the user's name shown in the title, once confirmed
    QString userNameInForce_;            // loaded at start or confirmed with OK: whose attempts these are
};

template <typename Sender, typename Signal>
void TForm1::wire(Sender* sender, Signal signal, void (TForm1::*handler)()) {
    connect(sender, signal, this, [this, handler] { app_.Guard([this, handler] { (this->*handler)(); }); });
}
