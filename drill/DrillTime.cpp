#include "drill/DrillTime.h"

#include <QCoreApplication>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Clock)
};

constexpr std::uint32_t kMsPerMinute = 60000;
constexpr std::uint32_t kHour = 60 * kMsPerMinute;

QString twoDigits(std::uint32_t value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }
} // namespace

QString FormatClockText(const QDateTime& now) {
    static const char* const weekdays[] = {
        QT_TRANSLATE_NOOP("Clock", "月曜日"), QT_TRANSLATE_NOOP("Clock", "火曜日"),
        QT_TRANSLATE_NOOP("Clock", "水曜日"), QT_TRANSLATE_NOOP("Clock", "木曜日"),
        QT_TRANSLATE_NOOP("Clock", "金曜日"), QT_TRANSLATE_NOOP("Clock", "土曜日"),
        QT_TRANSLATE_NOOP("Clock", "日曜日"),
    };
    return QStringLiteral("  %1(%2)%3")
        .arg(now.toString(QStringLiteral("MM/dd")), Texts::tr(weekdays[now.date().dayOfWeek() - 1]),
             now.toString(QStringLiteral("HH:mm:ss")));
}

QString FormatDrillTime(std::uint32_t ms) {
    const std::uint32_t minutes = ms / kMsPerMinute;
    if (minutes >= 100)
        return QStringLiteral("99:59");
    return twoDigits(minutes) + QLatin1Char(':') + twoDigits(ms / 1000 % 60);
}

bool IsValidDrillTime(const QString& text) {
    auto digit = [&](int i) { return text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); };
    return text.size() == 5 && digit(0) && digit(1) && text.at(2) == QLatin1Char(':') && digit(3) && digit(4);
}

std::optional<std::uint32_t> ParseDrillTime(const QString& text) {
    if (!IsValidDrillTime(text))
        return std::nullopt;
    const auto number = [&](int from) { return std::uint32_t(text.mid(from, 2).toUInt()); };
    return number(0) * kMsPerMinute + number(3) * 1000;
}

bool IsNewBestTime(std::uint32_t ms, std::optional<std::uint32_t> bestMs) {
    if (ms >= kHour)
        return false;
    return !bestMs || ms / 1000 < *bestMs / 1000;
}

bool IsNewBestTime(std::uint32_t ms, const QString&, const QString& bestText) {
    return IsNewBestTime(ms, ParseDrillTime(bestText));
}
