#pragma once
// A deadline that every search polls now and then. The move choice keeps to
// its schedule of node limits and depths; this is the backstop that ends a
// search still running when the manager's own limit comes near, so that a
// reply is never late.
#include <limits>

#include "platform/clock.h"

namespace morvel {

inline Ticks searchDeadline = std::numeric_limits<Ticks>::max();
inline bool searchStopped = false;
inline int deadlinePollCountdown = 0;

inline void armDeadline(Ticks deadline) {
  searchDeadline = deadline;
  searchStopped = false;
  deadlinePollCountdown = 0;
}

// True once the deadline has passed; reads the clock every 256th call.
inline bool deadlinePassed() {
  if (searchStopped) return true;
  if (--deadlinePollCountdown > 0) return false;
  deadlinePollCountdown = 256;
  if (searchDeadline != std::numeric_limits<Ticks>::max() && readCounter() >= searchDeadline) searchStopped = true;
  return searchStopped;
}

}  // namespace morvel
