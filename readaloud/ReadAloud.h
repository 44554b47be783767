// Read-aloud mode: while an attempt runs, each answer cell the child reaches
// is said as its problem ("7 たす 8", "7 plus 8" in English); after a judged
// Stop, the score. It only
// asks the voice to speak, which never waits, so the drill and its stopwatch
// go on untouched.
#pragma once

#include "drill/DrillSheet.h"
#include "drill/GridCells.h"
#include "drill/Judge.h"

class ReadAloudSettings;
class Speech;

class ReadAloud {
public:
    ReadAloud(Speech& speech, ReadAloudSettings& settings);

    bool Enabled() const { return enabled_; }
    // Switches the mode and keeps the choice; switching off silences the voice.
    void SetEnabled(bool on);

    void AttemptStarted() { running_ = true; }
    // The current cell of a sheet moved to (col, row).
    void CellEntered(const GridCells& grid, const DrillSheet& sheet, int col, int row);
    // Stop judged the sheet. An incomplete sheet goes on and is not scored.
    void AttemptJudged(const JudgeResult& result, const DrillSheet& sheet);
    // The sheet was cleared: no attempt runs any more.
    void AttemptCleared();

private:
    // Says the text with the voice of the language now spoken.
    void say(const QString& text);

    Speech& speech_;
    ReadAloudSettings& settings_;
    bool enabled_;
    bool running_ = false;
};
