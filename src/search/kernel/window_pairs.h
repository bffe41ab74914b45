#pragma once
// Word loops over two window sets that the checks run on every pair of
// need-2 windows; they write no scratch set.
#include <bit>

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
