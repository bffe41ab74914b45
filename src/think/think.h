#pragma once
#include <iosfwd>

#include "platform/clock.h"

namespace morvel {

// Where a think step announces a forced win; the command loop points it at
// its own output so that the announcement precedes the move.
inline std::ostream* thinkOutput = nullptr;

// A schedule fixed in advance instead of the one derived from the clock, so
// that tests and benchmarks search the same tree on every machine.
struct FixedSchedule {
  int winNodeLimit;
  int refuteNodeLimit;
  int maxDepth;  // deepest root-search iteration
};
inline const FixedSchedule* fixedSchedule = nullptr;

// Chooses the move of side ('X' the engine, anything else the opponent) in the
// current position. Returns the cell index, or -1 when it has no move.
int think(char side, Ticks turnBudget, Ticks leftBudget);

}  // namespace morvel
