#include "search/kernel/multi_threat.h"

#include "search/kernel/window_sets.h"

namespace morvel {

namespace {

// Folds the defence sets of the side's fours and double-four points into one
// intersection, so any number of threats fits in one scratch set.
bool threatsCannotAllBeMet(const SideState& side) {
  CellSet& common = poolSets[0];
  int threats = 0;
  for (int p = 0; p < side.bucketStart[2]; ++p) {
    const CellSet& four = side.windows[side.rankOrder[p]];
    if (threats++ == 0) {
      copySet(common, four);
    } else {
      intersectInto(common, four);
    }
  }
  for (int i = side.bucketStart[2]; i < side.bucketStart[3]; ++i) {
    const CellSet& a = side.windows[side.rankOrder[i]];
    for (int j = i + 1; j < side.bucketStart[3]; ++j) {
      const CellSet& b = side.windows[side.rankOrder[j]];
      if (!formsDoubleFour(a, b)) continue;
      if (threats++ == 0) fillSet(common);
      intersectWithUnion(common, a, b);
    }
  }
  return threats >= 1 && countMembers(common) == 0;
}

}  // namespace

int multiThreatTerm(const SideState& mover, const SideState& other) {
  if (threatsCannotAllBeMet(other)) return -151;
  if (threatsCannotAllBeMet(mover)) return 151;
  return 0;
}

}  // namespace morvel
