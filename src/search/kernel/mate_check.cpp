#include "search/kernel/mate_check.h"

#include "search/kernel/window_sets.h"

namespace morvel {

namespace {

// Some pair of windows at rank positions [begin, end) forms a double four;
// with mustHold >= 0 only windows holding that slot take part.
bool hasDoubleFourPair(const SideState& side, int begin, int end, int mustHold) {
  for (int i = begin; i < end; ++i) {
    const CellSet& a = side.windows[side.rankOrder[i]];
    if (mustHold >= 0 && !hasMember(a, mustHold)) continue;
    for (int j = i + 1; j < end; ++j) {
      const CellSet& b = side.windows[side.rankOrder[j]];
      if (mustHold >= 0 && !hasMember(b, mustHold)) continue;
      if (formsDoubleFour(a, b)) return true;
    }
  }
  return false;
}

}  // namespace

int mateCheck(const SideState& mover, const SideState& other, int ply) {
  if (other.bucketStart[1] != 0) return ply - 8000;
  if (mover.bucketStart[2] != 0) return 7999 - ply;

  CellSet& scratch = plySets[ply];
  const int fours = other.bucketStart[2];
  if (fours >= 2) {
    clearSet(scratch);
    for (int p = 0; p < fours; ++p) unionInto(scratch, other.windows[other.rankOrder[p]]);
    if (countMembers(scratch) >= 2) return ply - 7998;
  }
  if (fours >= 1) {
    // One block is forced; it wins only if it is a double-four point.
    const int block = firstMember(other.windows[other.rankOrder[0]]);
    return hasDoubleFourPair(mover, mover.bucketStart[2], mover.bucketStart[3], block) ? 7997 - ply : 0;
  }

  const int threes = mover.bucketStart[3];
  if (threes >= 3) {
    // An odd union means two windows share exactly one cell; 2m cells mean
    // none share any. Both settle the answer without the pair loop.
    clearSet(scratch);
    for (int p = 0; p < threes; ++p) unionInto(scratch, mover.windows[mover.rankOrder[p]]);
    const int cells = countMembers(scratch);
    if (cells % 2 == 1) return 7997 - ply;
    if (cells == 2 * threes) return 0;
  }
  return hasDoubleFourPair(mover, 0, threes, -1) ? 7997 - ply : 0;
}

}  // namespace morvel
