#pragma once

#include <cstdint>
#include <random>

namespace kaven::ui {

// Uniform fractions in [0, 1). The program's own generator is never seeded, so every run
// draws the same sequence; tests script the fractions they need.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double fraction() = 0;
};

class StandardRandom final : public RandomSource {
public:
    double fraction() override { return double(engine_()) / 4294967296.0; }

private:
    std::mt19937 engine_; // default seed on purpose
};

} // namespace kaven::ui
