#pragma once

#include "core/local_datetime.h"

namespace orvanta {

// How long after a tick the clock sleeps before the next one: until just past the next whole
// second of the local clock, so that every second is shown once and none is skipped, whatever the
// timer's own drift. Worked out afresh at each tick from the clock alone, so a clock set back or
// forward, or a resume from sleep, is caught up at the next tick.
unsigned MillisecondsToNextTick(const LocalDateTime& now);

// How far past the second a tick aims: a timer may fire a little early, and a tick that lands
// just before the second would show the old one again.
inline constexpr unsigned kTickMarginMs = 15;

}  // namespace orvanta
