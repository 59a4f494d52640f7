#pragma once
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "settings/Random.h"

// Replaces the program's generator with a fixed sequence of fractions while it lives.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::initializer_list<float> draws) : draws_(draws), scope_(*this) {}

    float NextFraction() override
    {
        if (next_ == draws_.size())
            throw std::logic_error("more random draws than scripted");
        return draws_[next_++];
    }

    std::size_t DrawsTaken() const { return next_; }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
    ScopedRandomSource scope_;
};
