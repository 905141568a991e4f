#include "engine/Dice.h"

#include <limits>

int Dice::roll()
{
    if (!queued_.empty()) {
        const int face = queued_.front();
        queued_.pop_front();
        return face;
    }
    // Reject the top sliver of the range so that every face is equally
    // likely, and the same seed gives the same faces on every platform.
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    constexpr std::uint64_t limit = max - (max % 6 + 1) % 6;
    std::uint64_t draw = 0;
    do {
        draw = generator_();
    } while (draw > limit);
    return static_cast<int>(draw % 6) + 1;
}
