#include "core/clock_tick.h"

namespace orvanta {

unsigned MillisecondsToNextTick(const LocalDateTime& now) {
    // Milliseconds count from year 1, so the remainder is never negative.
    const auto intoSecond = static_cast<unsigned>(now.Milliseconds() % 1000);
    return 1000 - intoSecond + kTickMarginMs;
}

unsigned TickInterval(const LocalDateTime& now) {
    return now.Milliseconds() % 1000 <= kTickLatenessMs ? 1000 : MillisecondsToNextTick(now);
}

}  // namespace orvanta
