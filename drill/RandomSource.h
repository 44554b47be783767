// A source of uniformly drawn integers.
#pragma once

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A value drawn uniformly from 0 .. bound - 1.
    virtual int Next(int bound) = 0;
};
