// Attempt times as the status bar shows them: "mm:ss".
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

inline const QString kNoBestTime = QStringLiteral("59:59");
constexpr std::uint32_t kNoBestTimeMs = (59 * 60 + 59) * 1000;
inline const QString kNoAttemptTime = QStringLiteral("00:00");

// Whole minutes and seconds, milliseconds cut off. An hour or more keeps its
// minutes ("61:05"); from 100 minutes on the time shows as "99:59".
QString FormatDrillTime(std::uint32_t ms);

// The status bar clock: "  mm/dd(weekday)hh:nn:ss" with the Japanese weekday name.
QString FormatClockText(const QDateTime& now);

// Two digits, a colon and two digits.
bool IsValidDrillTime(const QString& text);

// The milliseconds of a valid time text; none for any other text.
std::optional<std::uint32_t> ParseDrillTime(const QString& text);

// Whether an attempt of ms beats the best time: in whole seconds, as the
// panels show them. No best time yet (none) is beaten by any attempt under an
// hour; an attempt of an hour or more never sets a best time.
bool IsNewBestTime(std::uint32_t ms, std::optional<std::uint32_t> bestMs);

// The same, against a best time as the panel shows it: a text that is not a
// valid time counts as none yet.
bool IsNewBestTime(std::uint32_t ms, const QString& timeText, const QString& bestText);
