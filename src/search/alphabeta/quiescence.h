#pragma once
#include "model/board.h"

namespace morvel {

// Value of a position at the search horizon, seen from the side to move:
// forced outcomes from the parry check, then the blocks of the opponent's
// fours played out, then a weighted window count with the multi-threat term
// and, near the bounds, a small random term.
int quiescenceNode(SideState& mover, SideState& other, int alpha, int beta, int ply);

// The static part of the value (no random term).
int staticEvaluation(const SideState& mover, const SideState& other);

}  // namespace morvel
