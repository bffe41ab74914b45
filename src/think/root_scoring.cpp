#include "think/root_scoring.h"

#include <algorithm>

#include "search/alphabeta/quiescence.h"
#include "search/kernel/score.h"
#include "search/kernel/stone.h"
#include "search/kernel/window_sets.h"

namespace morvel {

namespace {

int slotScores[kMaxCells];

void collectCandidates(const SideState& mover, const SideState& other, CellSet& set, int minCount) {
  clearSet(set);
  addWindowsUpTo(mover, 4, set);
  addWindowsUpTo(other, 4, set);
  if (countMembers(set) >= minCount) return;
  addWindowsUpTo(mover, 5, set);
  addWindowsUpTo(other, 5, set);
}

// A static value can pass +-10000 on a board full of one side's twos, and
// those two values mean "no candidate" to the selection: such a cell would
// leave the slot space while it still lies in a live window. Keep it in.
int keepInRange(int score) { return std::clamp(score, 1 - kInfinity, kInfinity - 1); }

}  // namespace

int scoreRootCandidates(SideState& mover, SideState& other, int* candidates, int ply, int minCount, int* scores) {
  CellSet& set = plySets[ply];
  collectCandidates(mover, other, set, minCount);
  if (countMembers(set) == 0) {
    scores[0] = 0;
    return 0;
  }
  for (int s = 0; s < freeSlotCount; ++s) {
    if (!hasMember(set, s)) {
      slotScores[s] = -kInfinity;
      continue;
    }
    UndoRecord record;
    placeStone(mover, other, s, 6, record);
    slotScores[s] = keepInRange(-quiescenceNode(other, mover, -kInfinity, kInfinity, ply + 1));
    undoStone(mover, other, record);
  }
  int out = 0;
  for (int cap = kInfinity; out < minCount;) {
    int top = -kInfinity;
    for (int s = 0; s < freeSlotCount; ++s) {
      if (top < slotScores[s] && slotScores[s] < cap) top = slotScores[s];
    }
    if (top == -kInfinity) break;
    for (int s = 0; s < freeSlotCount; ++s) {
      if (slotScores[s] != top) continue;
      candidates[out] = s;
      scores[out] = top;
      ++out;
    }
    cap = top;
  }
  return out;
}

}  // namespace morvel
