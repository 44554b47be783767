// The answers of one attempt as the fact map reads them, kept beside the
// attempt when it is recorded: each answer's fact, whether it was right and
// how long it took. Reading these instead of the answer rows makes the fact
// map of a long history cheap, and the times are worked out only once. Every
// time is kept, so the medians stay exact.
//
// Format 1: one byte 1, then five bytes an answer: the fact's index in the
// drill (FactIndex) with 0x80 set when wrong, and the time in ms as a
// little-endian int32 (-1: no keystroke). Answers outside the drill's facts
// are left out.
#pragma once

#include "progress/Attempt.h"
#include "progress/FactStats.h"

#include <QByteArray>

QByteArray EncodeFactTimes(const Attempt& attempt);
QByteArray EncodeFactTimes(DrillKind drill, const std::vector<TimedAnswer>& answers);
// Adds the attempt to the builder (made for the attempt's drill); false, and
// nothing added, when the bytes are not a record of the drill's facts.
bool AddFactTimes(FactStatsBuilder& builder, QByteArrayView bytes);
