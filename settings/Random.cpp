#include "settings/Random.h"

#include "settings/Settings.h"

#include <cmath>
#include <algorithm>
#include <random>
#include <utility>

namespace {

class Generator final : public RandomSource {
public:
    void Seed(uint32_t seed) { engine_.seed(seed); }

    float NextFraction() override
    {
        // 24 random bits fill a float's mantissa exactly, so the result is below 1.
        return static_cast<float>(engine_() >> 8) * 0x1p-24f;
    }

private:
    std::mt19937 engine_;
};

Generator generator;
RandomSource* current = &generator;

}  // namespace

void SeedRandom(uint32_t seed)
{
    generator.Seed(seed);
}

float NextRandomFraction()
{
    return current->NextFraction();
}

int32_t RandInt(int32_t a, int32_t b)
{
    auto [lo, hi] = std::minmax(a, b);
    const double span = static_cast<double>(hi) - lo + 1;
    return static_cast<int32_t>(lo + std::floor(static_cast<double>(NextRandomFraction()) * span));
}

int32_t RandomTextColor()
{
    const int32_t red = static_cast<int32_t>(std::floor(NextRandomFraction() * 256.0));
    const int32_t green = static_cast<int32_t>(std::floor(NextRandomFraction() * 256.0));
    const int32_t blue = static_cast<int32_t>(std::floor(NextRandomFraction() * 256.0));
    const int32_t colour = red + 256 * green + 65536 * blue;
    return colour == TransparentKey ? 0xFF00FE : colour;
}

ScopedRandomSource::ScopedRandomSource(RandomSource& source) : previous_(std::exchange(current, &source)) {}

ScopedRandomSource::~ScopedRandomSource()
{
    current = previous_;
}
