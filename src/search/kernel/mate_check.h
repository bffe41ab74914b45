#pragma once
#include "model/board.h"

namespace morvel {

// Recognises positions decided within the next three plies from the ranked
// windows alone: an opponent five, a four to complete, two opponent fours, or
// a double four (at once or with the forced block). 0 otherwise. Overwrites
// plySets[ply] on most paths.
int mateCheck(const SideState& mover, const SideState& other, int ply);

}  // namespace morvel
