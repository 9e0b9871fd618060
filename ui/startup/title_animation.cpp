#include "ui/startup/title_animation.h"

#include <cmath>

namespace dalvo {

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
    WordIndex = static_cast<std::int16_t>(wordIndexFor(random.next()));
    const Step step{LastWordIndex, WordIndex};
    LastWordIndex = WordIndex;
    return step;
}

TitleAnimation& programTitleAnimation()
{
    static TitleAnimation animation;
    return animation;
}

}  // namespace dalvo
