// The drill commands of the main window: Start, Stop, Clear, the generators
// and judges of the four sheets, answer entry, and the status bar clock. The
// drill session holds the state; the grids and the time panels show it.
#include "app/Unit1.h"

#include "drill/DrillSession.h"
#include "drill/DrillTime.h"
#include "drill/Judge.h"
#include "drill/KeyFilter.h"
#include "platform/desktop/Clock.h"
#include "progress/AttemptRecording.h"
#include "progress/HistoryStore.h"
#include "readaloud/ReadAloud.h"
#include "widgets/CellDrawing.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include <QTabWidget>

namespace {
// The generator and the judge of each drill, in the order of DrillKind.
using Command = void (TForm1::*)();
constexpr Command kGenerators[] = {&TForm1::Tasu, &TForm1::Hiku, &TForm1::Kake, &TForm1::Kuku};
constexpr Command kJudges[] = {&TForm1::TasuA, &TForm1::HikuA, &TForm1::KakeA, &TForm1::KukuA};
} // namespace

void TForm1::BitBtn7Click() {
    const DrillSheet* sheet = ActiveSheet();
    if (!sheet)
        return;
    readAloud_->AttemptStarted();
    (this->*kGenerators[int(sheet->kind)])();
    TStringGrid* grid = GridOf(*sheet);
    // The cell first, so the focus arrives on it and not on the last attempt's.
    grid->SetCurrentCell(1, 1);
    grid->setFocus();
}

void TForm1::BitBtn6Click() {
    const DrillSheet* sheet = ActiveSheet();
    if (!sheet)
        return;
    (this->*kJudges[int(sheet->kind)])();
    focusStart();
}

void TForm1::BitBtn15Click() {
    const DrillSheet* sheet = ActiveSheet();
    if (!sheet)
        return;
    Session->Clear(sheet->kind);
    readAloud_->AttemptCleared();
    focusStart();
}

void TForm1::Tasu() { generate(DrillKind::Addition); }
void TForm1::Hiku() { generate(DrillKind::Subtraction); }
void TForm1::Kake() { generate(DrillKind::Multiplication); }
void TForm1::Kuku() { generate(DrillKind::Kuku); }

void TForm1::TasuA() { judge(DrillKind::Addition); }
void TForm1::HikuA() { judge(DrillKind::Subtraction); }
void TForm1::KakeA() { judge(DrillKind::Multiplication); }
void TForm1::KukuA() { judge(DrillKind::Kuku); }

void TForm1::showDrillSession() {
    for (const DrillSheet& sheet : DrillSheets()) {
        const DrillKind kind = sheet.kind;
        TStringGrid* grid = GridOf(sheet);
        // Whatever the grid is given, by its editor or by the program, the
        // session takes; what it already holds comes back as no change.
        connect(grid, &TStringGrid::CellTextChanged, Session, [this, grid, kind](int col, int row) {
            Session->SetAnswer(kind, col, row, grid->Cells(col, row));
        });
        grid->OnCellEdited = [this, kind](TStringGrid* sender, int col, int row) {
            Session->Type(kind, col, row, sender->Cells(col, row));
        };
    }
    connect(Session, &DrillSession::CellChanged, this, [this](DrillKind kind, int col, int row) {
        GridOf(SheetOf(kind))->SetCells(col, row, Session->CellText(kind, col, row));
    });
    connect(Session, &DrillSession::SheetChanged, this, &TForm1::showSheet);
    connect(Session, &DrillSession::LastTimeChanged, this, [this](DrillKind kind) {
        StatusBar1->SetPanelText(PlaceOf(kind).timePanel, Session->LastTimeText(kind));
    });
    connect(Session, &DrillSession::BestTimeChanged, this, [this](DrillKind kind) {
        StatusBar1->SetPanelText(PlaceOf(kind).bestPanel, Session->BestTimeText(kind));
    });
}

void TForm1::showSheet(DrillKind kind) {
    TStringGrid* grid = GridOf(SheetOf(kind));
    for (int row = 0; row < grid->RowCount(); ++row)
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetCells(col, row, Session->CellText(kind, col, row));
}

void TForm1::generate(DrillKind kind) {
    const DrillSheet& sheet = SheetOf(kind);
    if (sheet.randomHeaders) {
        // The hundred-cell sheets get their geometry back each time.
        TStringGrid* grid = GridOf(sheet);
        grid->SetDefaultColWidth(PlaceOf(kind).colWidth);
        grid->SetDefaultRowHeight(PlaceOf(kind).rowHeight);
        grid->SetColCount(sheet.size + 1);
        grid->SetRowCount(sheet.size + 1);
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
    }
    Session->Start(kind);
}

void TForm1::judge(DrillKind kind) {
    const DrillSheet& sheet = SheetOf(kind);
    const JudgeResult result = Session->Stop(kind);
    if (result.outcome != JudgeResult::Outcome::Incomplete)
        recordAttempt(kind);
    // A sound file the sound system refuses is reported in its own box; the
    // child still gets the result after it.
    if (result.outcome == JudgeResult::Outcome::NewBest) {
        app_.Guard([this] { BitBtn19Click(); });
    } else if (result.outcome == JudgeResult::Outcome::AllCorrect) {
        app_.Guard([this] { BitBtn14Click(); });
    }
    readAloud_->AttemptJudged(result, sheet);
    if (result.outcome != JudgeResult::Outcome::Incomplete)
        services_.history.WaitRecorded(kRecordWaitMs); // nothing the child saw is lost to a crash
    app_.Messages().ShowMessage(JudgeMessage(result, sheet));
}

void TForm1::StringGrid1KeyPress(TStringGrid* sender, QChar& key) {
    const bool onLastCell =
        sender->Col() == sender->ColCount() - 1 && sender->Row() == sender->RowCount() - 1;
    switch (FilterAnswerKey(key, onLastCell)) {
    case AnswerKeyAction::Accept:
        return;
    case AnswerKeyAction::Swallow:
        key = QChar();
        return;
    case AnswerKeyAction::NextCell:
        key = QChar();
        sender->SendTabKey();
        return;
    case AnswerKeyAction::FocusStop:
        key = QChar();
        BitBtn6->setFocus();
        return;
    }
}

void TForm1::StringGrid1DrawCell(TStringGrid* sender, int col, int row, const QRect& rect,
                                 GridDrawState state, QPainter& canvas) {
    DrawCentredCell(canvas, rect, sender->Cells(col, row), state.selected, sender->Color(),
                    sender->FontColor());
}

void TForm1::Timer2Timer() { StatusBar1->SetPanelText(8, FormatClockText(services_.clock.Now())); }
