#pragma once
#include <vector>

#include "settings/Random.h"

// Replaces the program's generator with a fixed sequence of fractions while it lives. A
// draw beyond the script throws, so that an extra draw fails the test.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::initializer_list<float> draws) : draws_(draws), scope_(*this) {}

    float NextFraction() override { return draws_.at(next_++); }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
    ScopedRandomSource scope_;
};
