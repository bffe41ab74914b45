#pragma once
// What one think step leaves for its searches and for the next step.
#include "model/board.h"
#include "search/alphabeta/alpha_beta.h"
#include "platform/clock.h"

namespace morvel {

inline int bestSlot = -1;          // slot of the move chosen so far
inline Ticks thinkStart = 0;       // counter at the start of the think step
inline Ticks hardBudget = 0;       // root search stops between moves after this
inline int refuteNodeLimit = 0;    // node budget of every search for an opponent win
inline int rootCandidates[kMaxCells];
inline int rootScores[kMaxCells];
inline int deepestIteration = 0;  // depth of the last root-search iteration that finished
// Per root move: 0 no opponent-win test needed, -1 pending, else its result.
inline int refutationCache[kMaxCells];

}  // namespace morvel
