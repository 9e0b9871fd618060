// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/title_animation.h"

#include <cmath>

namespace dalvo {

std::uint64_t TitleRandom::nextBits()
{
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

float TitleRandom::next()
{
    constexpr float kOneOver2To24 = 1.0f / 16777216.0f;
    return static_cast<float>(nextBits() >> 40) * kOneOver2To24;
}


// nearbyint follows the default rounding mode, to nearest with ties to even;
// the product stays a float so that values near a half round as they would in
// single precision.
int wordIndexFor(float r)
{
    const float scaled = r * 7.0f;
    return static_cast<int>(std::nearbyint(scaled));
}

TitleAnimation::Step TitleAnimation::tick()
{
    wordIndex = static_cast<std::int16_t>(wordIndexFor(random.next()));
    const Step step{lastWordIndex, wordIndex};
    lastWordIndex = wordIndex;
    return step;
}

}  // namespace dalvo
