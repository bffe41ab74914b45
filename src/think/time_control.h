#pragma once
// The arithmetic that turns the manager's limits into search budgets.
#include "platform/clock.h"

namespace morvel {

struct ThinkBudgets {
  Ticks hard;  // the root search stops between root moves after this
  Ticks soft;  // sizes the node limits and the start of new depth iterations
};

// Hard: a fifth of the time left, at most 90% of the turn time. Soft: a tenth
// of the time left, at most half the turn time.
ThinkBudgets thinkBudgets(Ticks turnBudget, Ticks leftBudget);

// Placements that fit into remaining / divisor at the measured speed of
// 999 placements per calibrationTicks; a counter that did not advance counts
// as one tick. Saturates instead of wrapping.
int nodeLimitFor(Ticks remaining, Ticks divisor, Ticks calibrationTicks);

}  // namespace morvel
