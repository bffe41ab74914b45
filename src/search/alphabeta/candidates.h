#pragma once
#include "model/board.h"

namespace morvel {

// The cells an alpha-beta node may play, in ascending slot order, with an
// ordering score each (written to moveScores[slot]); the set itself is left
// in plySets[ply]. Returns how many.
int generateScoredCandidates(const SideState& mover, const SideState& other, int* candidates, int ply,
                             int minCount, int* moveScores);

}  // namespace morvel
