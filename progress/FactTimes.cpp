#include "progress/FactTimes.h"

#include <QtEndian>

namespace {
constexpr char kFormat = 1;
constexpr int kAnswerBytes = 5;
constexpr unsigned char kWrong = 0x80;
} // namespace

QByteArray EncodeFactTimes(const Attempt& attempt) {
    std::vector<AnswerSample> cells;
    cells.reserve(std::size_t(attempt.cells.size()));
    for (const AnswerCell& c : attempt.cells)
        cells.push_back(AnswerSample{c.top, c.left, c.right, c.lastKeyMs});
    return EncodeFactTimes(attempt.drill, TimeAnswers(std::move(cells)));
}

QByteArray EncodeFactTimes(DrillKind drill, const std::vector<TimedAnswer>& answers) {
    QByteArray bytes;
    bytes.reserve(1 + qsizetype(answers.size()) * kAnswerBytes);
    bytes.append(kFormat);
    for (const TimedAnswer& answer : answers) {
        const int index = FactIndex(drill, Fact{answer.top, answer.left});
        if (index < 0)
            continue;
        bytes.append(char(index | (answer.right ? 0 : kWrong)));
        const auto ms = std::int32_t(std::clamp<std::int64_t>(answer.timeMs, -1, INT32_MAX));
        char time[4];
        qToLittleEndian(ms, time);
        bytes.append(time, 4);
    }
    return bytes;
}

bool AddFactTimes(FactStatsBuilder& builder, QByteArrayView bytes) {
    if (bytes.isEmpty() || bytes[0] != kFormat || (bytes.size() - 1) % kAnswerBytes != 0)
        return false;
    const int facts = builder.FactCount();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype at = 1; at < bytes.size(); at += kAnswerBytes)
        if ((data[at] & ~kWrong) >= facts)
            return false;
    builder.CountAttempt();
    for (qsizetype at = 1; at < bytes.size(); at += kAnswerBytes) {
        const std::int32_t ms = qFromLittleEndian<std::int32_t>(data + at + 1);
        builder.AddAnswer(data[at] & ~kWrong, !(data[at] & kWrong), ms >= 0 ? float(ms) : -1.0f);
    }
    return true;
}
