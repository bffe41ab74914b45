#include "think/think.h"

namespace morvel {

int think(char /*side*/, Ticks /*turnBudget*/, Ticks /*leftBudget*/) { return -1; }

}  // namespace morvel
