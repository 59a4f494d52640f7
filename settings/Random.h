#pragma once
#include <cstdint>

// The program's one random generator. Every draw (message, size, colour, position)
// comes from here, so the order of the calls decides the sequence.

// A source of uniform single-precision fractions in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float NextFraction() = 0;
};

void SeedRandom(uint32_t seed);
float NextRandomFraction();

// A uniformly chosen whole number between a and b, both included, in either order.
int32_t RandInt(int32_t a, int32_t b);

// A random COLORREF, never TransparentKey.
int32_t RandomTextColor();

// Puts another source in place of the generator while it lives (tests script the draws).
class ScopedRandomSource {
public:
    explicit ScopedRandomSource(RandomSource& source);
    ~ScopedRandomSource();
    ScopedRandomSource(const ScopedRandomSource&) = delete;
    ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

private:
    RandomSource* previous_;
};
