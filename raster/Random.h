#pragma once
// The run-time library's pseudo-random generator: draws are non-negative and
// below 2^31, the same seed gives the same sequence, and the state at start is fixed.
#include <cstdint>
#include <random>

class RandomGenerator {
public:
    int Next() { return int(engine_()); }
    void Seed(std::uint32_t seed) { engine_.seed(seed); }

private:
    std::minstd_rand engine_; // values 1 .. 2^31 - 2
};
