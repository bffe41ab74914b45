#include "platform/clock.h"

#include <chrono>

namespace morvel {

namespace {

Ticks steadyNanoseconds() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

ClockSource currentSource{steadyNanoseconds, 1'000'000'000};

}  // namespace

ClockSource systemClock() { return {steadyNanoseconds, 1'000'000'000}; }

void installClock(ClockSource source) { currentSource = source; }

Ticks readCounter() { return currentSource.now(); }

Ticks counterFrequency() { return currentSource.ticksPerSecond; }

}  // namespace morvel
