#pragma once
#include "model/board.h"

namespace morvel {

// The mate check extended by one more pair of moves: when the side that has
// just moved holds threats (fours, double-four points) that no single stone
// meets, and the side to move has no counter-four whose forced block lands
// off the threats' key cells, the side to move is lost: ply - 7996.
int parryCheck(const SideState& mover, const SideState& other, int ply);

}  // namespace morvel
