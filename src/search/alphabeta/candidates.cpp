#include "search/alphabeta/candidates.h"

#include "search/kernel/mate_check.h"
#include "search/kernel/window_sets.h"

namespace morvel {

namespace {

// Indexed by the need of a window through the cell. Needs 0 and 1 never
// reach a scored cell (the mate checks have answered for them); need 6 is a
// window killed in the search.
constexpr int kAdvanceGain[7] = {0, 0, 500, 200, 99, 1, 0};
constexpr int kBlockGain[7] = {0, 0, 300, 100, 1, 0, 0};

int gain(const int (&table)[7], int need) { return need >= 0 && need <= 6 ? table[need] : 0; }

int orderingScore(const SideState& mover, const SideState& other, int c) {
  int score = 0;
  for (int i = 0; i < mover.cellWindowCount[c]; ++i) score += gain(kAdvanceGain, mover.need[mover.cellWindows[c][i]]);
  for (int i = 0; i < other.cellWindowCount[c]; ++i) score += gain(kBlockGain, other.need[other.cellWindows[c][i]]);
  return score;
}

}  // namespace

int generateScoredCandidates(const SideState& mover, const SideState& other, int* candidates, int ply,
                             int minCount, int* moveScores) {
  CellSet& set = plySets[ply];
  int n = 0;
  if (mateCheck(other, mover, ply) > 0) {
    if (other.bucketStart[2] != 0) {
      copySet(set, other.windows[other.rankOrder[0]]);
      candidates[0] = firstMember(set);
      moveScores[candidates[0]] = 0;
      return 1;
    }
    // Against a double-four point: the cells that meet every one, and the
    // cells where the mover makes a four of its own.
    cellsMeetingEveryDoubleFour(other, set);
    addWindowsUpTo(mover, 2, set);
    n = listMembers(candidates, set);
    // A filled set holds numbers past the last slot until a pair narrows it;
    // never hand those on as moves.
    while (n > 0 && candidates[n - 1] >= freeSlotCount) --n;
  } else {
    // Windows that hold a stone first; untouched ones only if too few cells.
    clearSet(set);
    for (int k = 4;;) {
      addWindowsUpTo(mover, k, set);
      addWindowsUpTo(other, k, set);
      ++k;
      n = listMembers(candidates, set);
      if (n >= minCount || k > 5) break;
    }
  }
  for (int i = 0; i < n; ++i) moveScores[candidates[i]] = orderingScore(mover, other, candidates[i]);
  return n;
}

}  // namespace morvel
