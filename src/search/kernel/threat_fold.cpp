#include "search/kernel/threat_fold.h"

#include "search/kernel/window_sets.h"

namespace morvel {

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

}  // namespace morvel
