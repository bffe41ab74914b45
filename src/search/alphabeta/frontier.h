#pragma once
#include "model/board.h"

namespace morvel {

// The ply above the horizon: every cell of a small threat-based set, in slot
// order, each valued by the quiescence search.
int frontierNode(SideState& mover, SideState& other, int ply, int alpha, int beta, int& bestMove);

}  // namespace morvel
