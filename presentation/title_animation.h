// The title words' animation: which word the last tick showed, which one the next tick hides, and the numbers that choose them.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

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


// The eight title words, indices 0 to 7.
inline constexpr int kTitleWordCount = 8;

// r x 7 in single precision, rounded to the nearest integer with exact
// halves to the even neighbour: 0..7, with 0 and 7 half as likely as the
// others.
int wordIndexFor(float r);

struct TitleAnimation {
    // What one tick does to the words: hide one, then show one (the same
    // word when the index repeats, which then simply stays).
    struct Step {
        int hide;
        int show;
    };

    // Draws the next number, sets wordIndex and lastWordIndex and says which
    // words to hide and show.
    Step tick();

    std::int16_t wordIndex = 0;
    std::int16_t lastWordIndex = 0;
    TitleRandom random;
};

}  // namespace dalvo
