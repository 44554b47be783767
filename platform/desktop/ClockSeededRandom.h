// A pseudo-random source seeded once from the clock when it is made.
#pragma once

#include "drill/RandomSource.h"

#include <QDateTime>
#include <random>

class ClockSeededRandom : public RandomSource {
public:
    ClockSeededRandom()
        : engine_(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch())) {}
    int Next(int bound) override { return std::uniform_int_distribution<int>(0, bound - 1)(engine_); }

private:
    std::mt19937 engine_;
};
