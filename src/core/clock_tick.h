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

// How late past the second a tick may land and still keep a steady one-second timer.
inline constexpr unsigned kTickLatenessMs = 50;

// The timer's interval after a tick at `now`: a steady second while the ticks land between the
// second and kTickLatenessMs past it, so that the timer is not set again at every tick (under
// Wine each setting is a call to its server); otherwise MillisecondsToNextTick, to aim again.
unsigned TickInterval(const LocalDateTime& now);

}  // namespace orvanta
