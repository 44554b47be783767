// The report for parents ("成績レポート"): one A4 page about a child over a
// period, to be read on paper at a parents' meeting. It has the child's name,
// the period, each drill's best and latest time, the time chart and the fact
// map of the drill chosen in the progress window, and the facts to practise.
#pragma once

#include "progress/HistoryStore.h"

#include <QDate>
#include <functional>
#include <optional>

class TPrinter;

// One drill's times over the period.
struct DrillRecord {
    DrillKind drill = DrillKind::Addition;
    int attempts = 0;
    std::optional<std::uint32_t> bestMs; // the fastest attempt with every answer right
    std::optional<Attempt> latest;
};

struct ParentReport {
    QString child; // as the history shows it ("名前なし" for none)
    QDate from;
    QDate to;
    DrillKind drill = DrillKind::Addition; // the chart's and the fact map's
    QList<Attempt> attempts;               // of that drill, oldest first
    FactStats facts;
    QList<DrillRecord> records; // the four drills in the tabs' order
};

constexpr int kReportPracticeFacts = 8;

DrillRecord RecordOf(DrillKind drill, const QList<Attempt>& attempts);
// "2026年11月8日 〜 2026年12月8日"
QString PeriodText(const QDate& from, const QDate& to);
// The best time as "mm:ss", or "まだ".
QString BestText(const DrillRecord& record);
// The latest time with its score, "02:05（98/100）", or "まだ".
QString LatestText(const DrillRecord& record);
// The weakest facts as "7 + 8", weakest first.
QStringList PracticeFacts(const FactStats& facts, int count = kReportPracticeFacts);

// Reads the four drills of a child since a moment (all when invalid) and
// answers once every read is in, with the period running from since (or the
// first attempt) to now, in now's time zone.
void ReadParentReport(HistoryReader& history, const QString& child, DrillKind drill, const QDateTime& since,
                      const QDateTime& now, QObject* context, std::function<void(ParentReport)> done);

// The page, as one print job; throws VantelError when the job cannot start.
void PrintParentReport(TPrinter& printer, const ParentReport& report);
