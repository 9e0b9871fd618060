// The title words' animation state: which word the last tick showed and which one the next tick hides.
#pragma once

#include <cstdint>

#include "ui/startup/title_random.h"

namespace dalvo {

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

    // Draws the next number, sets WordIndex and LastWordIndex and says which
    // words to hide and show.
    Step tick();

    std::int16_t WordIndex = 0;
    std::int16_t LastWordIndex = 0;
    TitleRandom random;
};

// The one animation state of the whole run; its indices keep their values
// between ticks and its numbers continue from where they were.
TitleAnimation& programTitleAnimation();

}  // namespace dalvo
