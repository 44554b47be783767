// A random source that hands out a fixed list of draws, then repeats it.
#pragma once

#include "drill/RandomSource.h"

#include <QList>
#include <random>

class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QList<int> draws = {}) : draws_(std::move(draws)) {}
    int Next(int bound) override {
        if (draws_.isEmpty())
            return std::uniform_int_distribution<int>(0, bound - 1)(engine_);
        const int value = draws_[next_++ % draws_.size()];
        return value % bound;
    }

private:
    QList<int> draws_;
    int next_ = 0;
    std::mt19937 engine_{12345};
};
