#pragma once
#include "model/board.h"

namespace morvel {

// Scores every cell of a live window with a shallow search after a trial
// stone of the mover and writes the cells best first (ties by slot) with
// their scores. Returns how many it wrote.
int scoreRootCandidates(SideState& mover, SideState& other, int* candidates, int ply, int minCount, int* scores);

}  // namespace morvel
