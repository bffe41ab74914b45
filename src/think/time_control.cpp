#include "think/time_control.h"

#include <algorithm>
#include <limits>

namespace morvel {

ThinkBudgets thinkBudgets(Ticks turnBudget, Ticks leftBudget) {
  return {std::min(leftBudget / 5, turnBudget * 9 / 10), std::min(leftBudget / 10, turnBudget / 2)};
}

int nodeLimitFor(Ticks remaining, Ticks divisor, Ticks calibrationTicks) {
  const Ticks limit = (remaining / divisor) * 999 / std::max<Ticks>(calibrationTicks, 1);
  return static_cast<int>(std::clamp<Ticks>(limit, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace morvel
