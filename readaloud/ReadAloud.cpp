#include "readaloud/ReadAloud.h"

#include "drill/ProblemWording.h"
#include "platform/speech/Speech.h"
#include "readaloud/ReadAloudSettings.h"

#include <QCoreApplication>

namespace {
// The words said are the chosen language's (drill/ProblemWording), by the
// voice that speaks it. A language whose words are not translated yet keeps
// the Japanese words and voice together.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReadAloud)
};

QString Voice() {
    //: espeak-ng's voice for this language's words (espeak-ng --voices), e.g. en-us
    return Texts::tr("ja", "espeak-ng voice");
}

} // namespace

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
        say(CellProblem(grid, sheet, col, row));
}

void ReadAloud::AttemptJudged(const JudgeResult& result, const DrillSheet& sheet) {
    if (result.outcome == JudgeResult::Outcome::Incomplete)
        return;
    running_ = false;
    if (enabled_)
        say(ScoreText(result.correct, sheet.FullScore()));
}

void ReadAloud::say(const QString& text) {
    speech_.SetVoice(Voice());
    speech_.Say(text);
}

void ReadAloud::AttemptCleared() {
    const bool wasRunning = std::exchange(running_, false);
    if (enabled_ && wasRunning)
        speech_.Hush();
}
