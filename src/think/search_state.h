#pragma once
// Once per move the think step turns the window sets that real moves keep
// into the search state (needs, per-slot window lists, ranking), and then
// cuts the slot space down to the candidate cells, best first.

namespace morvel {

void rebuildSearchState();

// candidates[0..n-1] are slots in the current numbering, best first; they
// become slots 0..n-1. Every other cell leaves the slot space.
void compactSlots(const int* candidates, int n);

}  // namespace morvel
