#pragma once
#include "model/board.h"

namespace morvel {

// Width of the alpha-beta search: the root list length and the number of
// best-scored candidates every node tries before the replies of its children.
inline int searchWidth = 4;

// Negamax node between the root and the frontier (1 <= ply <= maxPly - 2).
// bestMove receives the move that last raised alpha, or the double-four
// point when the mate check finds one.
int alphaBetaNode(SideState& mover, SideState& other, int ply, int maxPly, int alpha, int beta, int& bestMove);

}  // namespace morvel
