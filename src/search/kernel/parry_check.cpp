#include "search/kernel/parry_check.h"

#include "search/kernel/mate_check.h"
#include "search/kernel/threat_fold.h"
#include "search/kernel/window_sets.h"

namespace morvel {

namespace {

// A four of the side to move whose forced block is no key cell may change
// the course of the game.
bool hasUsefulCounterFour(const SideState& mover, const ThreatSummary& threats, const CellSet& keyCells) {
  for (int p = 0; p < mover.bucketStart[3]; ++p) {
    int c0, c1;
    firstTwoMembers(mover.windows[mover.rankOrder[p]], c0, c1);
    const int tries[2][2] = {{c0, c1}, {c1, c0}};
    for (const auto& t : tries) {
      const int x = t[0], y = t[1];
      if (threats.fourCell >= 0 && x != threats.fourCell) continue;
      if (!hasMember(keyCells, y)) return true;
    }
  }
  return false;
}

}  // namespace

int parryCheck(const SideState& mover, const SideState& other, int ply) {
  const int r = mateCheck(mover, other, ply);
  if (r != 0) return r;
  CellSet& common = poolSets[0];
  CellSet& keyCells = poolSets[1];
  const ThreatSummary threats = collectThreats(other, common, keyCells);
  if (threats.count == 0 || countMembers(common) > 0) return 0;
  if (hasUsefulCounterFour(mover, threats, keyCells)) return 0;
  return ply - 7996;
}

}  // namespace morvel
