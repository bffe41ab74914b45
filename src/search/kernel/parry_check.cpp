#include "search/kernel/parry_check.h"

#include "search/kernel/mate_check.h"
#include "search/kernel/window_sets.h"

namespace morvel {

namespace {

// Threats of the side that has just moved, folded as they are found: the
// cells that meet every threat, and the cells where one is carried out.
// Folding instead of keeping one set per threat bounds the scratch space to
// three pool sets however many threats there are.
struct ThreatSummary {
  int count = 0;
  int fourCell = -1;
};

ThreatSummary collectThreats(const SideState& side, CellSet& common, CellSet& keyCells) {
  ThreatSummary summary;
  clearSet(keyCells);
  const int fours = side.bucketStart[2];
  for (int p = 0; p < fours; ++p) {
    const CellSet& four = side.windows[side.rankOrder[p]];
    if (summary.count++ == 0) {
      copySet(common, four);
      summary.fourCell = firstMember(four);
    } else {
      intersectInto(common, four);
    }
    unionInto(keyCells, four);
  }
  for (int i = side.bucketStart[2]; i < side.bucketStart[3]; ++i) {
    const CellSet& a = side.windows[side.rankOrder[i]];
    for (int j = i + 1; j < side.bucketStart[3]; ++j) {
      const CellSet& b = side.windows[side.rankOrder[j]];
      if (!formsDoubleFour(a, b)) continue;
      if (summary.count++ == 0) fillSet(common);
      intersectWithUnion(common, a, b);
      for (int w = 0; w < keyCells.wordCount; ++w) keyCells.words[w] |= a.words[w] & b.words[w];
    }
  }
  return summary;
}

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
