// One judged attempt as the history keeps it: who, which drill, when, how
// long, the score, the headers, and every answer cell with its last keystroke.
// A plain value: the drill session makes it, the history stores and reads it.
#pragma once

#include "drill/DrillKind.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>

struct AnswerCell {
    int col = 0;
    int row = 0;
    int top = 0;  // column header value
    int left = 0; // row header value
    QString typed;
    bool right = false;
    std::int64_t lastKeyMs = -1; // from the attempt's start; -1 when no key was pressed in it
};

struct Attempt {
    std::int64_t id = 0; // set by the store
    QString child;       // empty: nobody entered a name
    DrillKind drill = DrillKind::Addition;
    QDateTime startedUtc;
    int utcOffsetSeconds = 0; // the local offset at the start
    std::uint32_t durationMs = 0;
    int score = 0;
    int fullScore = 0;
    bool newBest = false;
    QList<int> topHeaders;
    QList<int> leftHeaders;
    QList<AnswerCell> cells; // empty in lists of attempts

    bool AllCorrect() const { return score == fullScore; }
    QDateTime StartedLocal() const { return startedUtc.toOffsetFromUtc(utcOffsetSeconds); }
};
