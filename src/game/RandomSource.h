#pragma once

// Where targets come from: single-precision values in [0, 1). The program
// never seeds its source, so every start draws the same sequence; tests
// inject their own.

#include <cstdint>
#include <random>

namespace game {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

class UnseededRandom final : public RandomSource {
public:
    float next() override
    {
        // 24 random bits fill a float's mantissa exactly, so the result can
        // never round up to 1 (which would address a 37th key).
        return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
    }

private:
    std::mt19937 m_engine; // default seed on purpose
};

} // namespace game
