#pragma once
// Word loops over the ranked window sets that the checks and the searches
// share: pair tests of need-2 windows, which write no scratch set, and the
// union of the windows up to a need.
#include <bit>

#include "model/board.h"
#include "model/cell_set.h"

namespace morvel {

inline int unionCount(const CellSet& a, const CellSet& b) {
  int n = 0;
  for (int i = 0; i < a.wordCount; ++i) n += std::popcount(a.words[i] | b.words[i]);
  return n;
}

inline int sharedCount(const CellSet& a, const CellSet& b) {
  int n = 0;
  for (int i = 0; i < a.wordCount; ++i) n += std::popcount(a.words[i] & b.words[i]);
  return n;
}

// Two need-2 windows of one side whose empty cells number exactly three
// together: the shared cell makes two fours at once.
inline bool formsDoubleFour(const CellSet& a, const CellSet& b) { return unionCount(a, b) == 3; }

}  // namespace morvel

namespace morvel {

// The two lowest members of a set (-1 where there are fewer).
inline void firstTwoMembers(const CellSet& s, int& c0, int& c1) {
  c0 = c1 = -1;
  for (int i = 0; i < s.wordCount; ++i) {
    for (std::uint32_t w = s.words[i]; w != 0; w &= w - 1) {
      const int m = (i << 5) + std::countr_zero(w);
      if (c0 < 0) {
        c0 = m;
      } else {
        c1 = m;
        return;
      }
    }
  }
}

// common &= (a | b): narrows the cells that meet every threat so far by the
// three cells of one double-four pair.
inline void intersectWithUnion(CellSet& common, const CellSet& a, const CellSet& b) {
  for (int i = 0; i < common.wordCount; ++i) common.words[i] &= a.words[i] | b.words[i];
}

}  // namespace morvel

namespace morvel {

// Unites into set the empty cells of the side's windows that need at most
// need stones (rank positions below bucketStart[need + 1]).
inline void addWindowsUpTo(const SideState& side, int need, CellSet& set) {
  for (int p = 0; p < side.bucketStart[need + 1]; ++p) unionInto(set, side.windows[side.rankOrder[p]]);
}

// The cells that lie in the three cells of every double-four pair of side:
// the only stones that meet all of its double-four points at once.
inline void cellsMeetingEveryDoubleFour(const SideState& side, CellSet& set) {
  fillSet(set);
  for (int i = side.bucketStart[2]; i < side.bucketStart[3]; ++i) {
    const CellSet& a = side.windows[side.rankOrder[i]];
    for (int j = i + 1; j < side.bucketStart[3]; ++j) {
      const CellSet& b = side.windows[side.rankOrder[j]];
      if (formsDoubleFour(a, b)) intersectWithUnion(set, a, b);
    }
  }
}

}  // namespace morvel
