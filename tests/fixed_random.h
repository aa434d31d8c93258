#pragma once

#include "ui/random_source.h"

// Random fractions the test sets: the same value every time.
class FixedRandom final : public kaven::ui::RandomSource {
public:
    double value = 0.75;
    double fraction() override { return value; }
};
