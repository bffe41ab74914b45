#pragma once
#include "model/board.h"

namespace morvel {

// Names the double-four point that a mate check scored 7997 - ply: with an
// opponent four only the forced block counts, otherwise the first pair in
// rank order. Leaves move unchanged when no pair qualifies.
void findDoubleFourMove(const SideState& mover, const SideState& other, int ply, int& move);

}  // namespace morvel
