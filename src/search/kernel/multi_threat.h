#pragma once
#include "model/board.h"

namespace morvel {

// -151 when the threats of the side that has just moved cannot all be met by
// one stone, else +151 when those of the side to move cannot, else 0.
int multiThreatTerm(const SideState& mover, const SideState& other);

}  // namespace morvel
