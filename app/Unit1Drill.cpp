// The drill commands of the main window: Start, Stop, Clear, the generators
// and judges of the four sheets, answer entry, and the status bar clock.
#include "app/Unit1.h"

#include "drill/DrillTime.h"
#include "drill/Judge.h"
#include "drill/KeyFilter.h"
#include "drill/SheetGenerator.h"
#include "drill/stopwatchu.h"
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
    ClearSheet(*GridOf(*sheet), *sheet);
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

void TForm1::generate(DrillKind kind) {
    const DrillSheet& sheet = SheetOf(kind);
    TStringGrid* grid = GridOf(sheet);
    if (sheet.randomHeaders) {
        // The hundred-cell sheets get their geometry back each time.
        grid->SetDefaultColWidth(sheet.colWidth);
        grid->SetDefaultRowHeight(sheet.rowHeight);
        grid->SetColCount(sheet.size + 1);
        grid->SetRowCount(sheet.size + 1);
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
    }
    GenerateSheet(*grid, sheet, services_.random);
    keystrokes_->Clear(kind);
    StopWatch1->Start();
}

void TForm1::judge(DrillKind kind) {
    const DrillSheet& sheet = SheetOf(kind);
    StopWatch1->Stop();
    const auto ms = static_cast<std::uint32_t>(StopWatch1->Elapsed());
    const QString time = FormatDrillTime(ms);
    StatusBar1->SetPanelText(sheet.timePanel, time);

    const QStringList typed = AnswerTexts(*GridOf(sheet), sheet); // before the marks replace them
    const JudgeResult result =
        JudgeSheet(*GridOf(sheet), sheet, ms, time, StatusBar1->PanelText(sheet.bestPanel));
    if (result.outcome != JudgeResult::Outcome::Incomplete)
        recordAttempt(sheet, typed, result.correct, result.outcome == JudgeResult::Outcome::NewBest, ms);
    // A sound file the sound system refuses is reported in its own box; the
    // child still gets the result after it.
    if (result.outcome == JudgeResult::Outcome::NewBest) {
        StatusBar1->SetPanelText(sheet.bestPanel, time);
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
