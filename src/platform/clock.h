#pragma once
// The engine reads time only through this seam: a monotonic counter with a
// known tick rate. Tests and benchmarks install a fake source so that a search
// runs the same way on every machine and every run.
#include <cstdint>

namespace morvel {

using Ticks = std::int64_t;

struct ClockSource {
  Ticks (*now)();          // current counter value
  Ticks ticksPerSecond;    // fixed for the life of the source
};

// The real monotonic clock, in nanoseconds.
ClockSource systemClock();

void installClock(ClockSource source);
Ticks readCounter();
Ticks counterFrequency();

}  // namespace morvel
