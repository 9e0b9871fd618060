// The title words' random numbers: a small generator that gives the same sequence on every run and platform.
#pragma once

#include <cstdint>

namespace dalvo {

// SplitMix64 from a fixed starting state. Only integer arithmetic of fixed
// width is involved, so every compiler and processor yields the same values;
// nothing at start-up (clock, process, address) seeds it.
class TitleRandom {
public:
    static constexpr std::uint64_t kFixedSeed = 1945;

    explicit TitleRandom(std::uint64_t seed = kFixedSeed) : state_(seed) {}

    // The next 64 raw bits.
    std::uint64_t nextBits();

    // The next value, uniform in [0, 1) in single precision: the top 24 bits
    // of the raw value, which a float holds exactly, so 1 is never reached.
    float next();

private:
    std::uint64_t state_;
};

}  // namespace dalvo
