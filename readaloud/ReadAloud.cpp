#include "readaloud/ReadAloud.h"

#include "drill/ProblemWording.h"
#include "platform/speech/Speech.h"
#include "readaloud/ReadAloudSettings.h"

ReadAloud::ReadAloud(Speech& speech, ReadAloudSettings& settings)
    : speech_(speech), settings_(settings), enabled_(settings.Enabled()) {}

void ReadAloud::SetEnabled(bool on) {
    if (enabled_ && !on)
        speech_.Hush();
    enabled_ = on;
    settings_.SetEnabled(on);
}

void ReadAloud::CellEntered(const GridCells& grid, const DrillSheet& sheet, int col, int row) {
    if (enabled_ && running_)
        speech_.Say(CellProblem(grid, sheet, col, row));
}

void ReadAloud::AttemptJudged(const JudgeResult& result, const DrillSheet& sheet) {
    if (result.outcome == JudgeResult::Outcome::Incomplete)
        return;
    running_ = false;
    if (enabled_)
        speech_.Say(ScoreText(result.correct, sheet.FullScore()));
}

void ReadAloud::AttemptCleared() {
    const bool wasRunning = std::exchange(running_, false);
    if (enabled_ && wasRunning)
        speech_.Hush();
}
