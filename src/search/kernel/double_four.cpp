#include "search/kernel/double_four.h"

#include "search/kernel/window_sets.h"

namespace morvel {

void findDoubleFourMove(const SideState& mover, const SideState& other, int ply, int& move) {
  CellSet& shared = plySets[ply];
  const int block = other.bucketStart[2] != 0 ? firstMember(other.windows[other.rankOrder[0]]) : -1;
  for (int i = mover.bucketStart[2]; i < mover.bucketStart[3]; ++i) {
    const CellSet& a = mover.windows[mover.rankOrder[i]];
    for (int j = i + 1; j < mover.bucketStart[3]; ++j) {
      const CellSet& b = mover.windows[mover.rankOrder[j]];
      if (sharedCount(a, b) != 1) continue;
      if (block >= 0) {
        if (!hasMember(a, block) || !hasMember(b, block)) continue;
        move = block;
        return;
      }
      copySet(shared, a);
      intersectInto(shared, b);
      move = firstMember(shared);
      return;
    }
  }
}

}  // namespace morvel
