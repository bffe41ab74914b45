#pragma once
#include "model/board.h"

namespace morvel {

// One depth iteration over the root list (which grows by the opponent's best
// replies). Keeps the best move in bestSlot; stops between root moves once
// the hard budget is spent and a move is known.
int rootSearch(SideState& mover, SideState& other, int* rootList, int length, int* refutations, int depth,
               int lowerBound, int upperBound);

}  // namespace morvel
