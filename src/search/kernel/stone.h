#pragma once
// Trial stones of the searches. A placement lowers the mover's windows
// through the slot by one and kills the other side's by raising them to the
// limit; the windows stay sorted by need in rankOrder, so that every search
// finds the windows of one need as one stretch of positions. The exact swap
// steps decide which window of a bucket a search meets first after an undo,
// so they are part of the search's behaviour.
#include "model/board.h"

namespace morvel {

struct UndoRecord {
  int raised[kMaxWindowsPerCell];  // per window of the other side's list: amount raised (<= 0: untouched)
  int slot;
  int limit;
};

namespace rank_detail {

// The four moves of one window inside its side's ranking, on the side's four
// ranking arrays (which never overlap).
struct Ranking {
  int* __restrict need;
  int* __restrict order;
  int* __restrict pos;
  int* __restrict start;
};

inline Ranking rankingOf(SideState& side) {
  return {side.need, side.rankOrder, side.rankPos, side.bucketStart};
}

inline void lowerByOne(const Ranking& r, int w) {
  const int k = r.need[w];
  const int p = r.pos[w];
  const int f = r.start[k];
  if (p != f) {
    const int first = r.order[f];
    r.order[p] = first;
    r.pos[first] = p;
  }
  r.start[k] = f + 1;
  r.order[f] = w;
  r.pos[w] = f;
  r.need[w] = k - 1;
}

inline void raiseToLimit(const Ranking& r, int w, int d, int limit) {
  int p = r.pos[w];
  int k = r.need[w];
  for (int step = 0; step < d; ++step, ++k) {
    const int l = r.start[k + 1] - 1;
    if (p != l) {
      const int last = r.order[l];
      r.order[p] = last;
      r.pos[last] = p;
    }
    r.start[k + 1] = l;
    p = l;
  }
  r.order[p] = w;
  r.pos[w] = p;
  r.need[w] = limit;
}

inline void restoreLowered(const Ranking& r, int w) {
  const int k = r.need[w];
  const int p = r.pos[w];
  const int l = r.start[k + 1] - 1;
  if (p != l) {
    const int last = r.order[l];
    r.order[p] = last;
    r.pos[last] = p;
  }
  r.start[k + 1] = l;
  r.order[l] = w;
  r.pos[w] = l;
  r.need[w] = k + 1;
}

inline void restoreRaised(const Ranking& r, int w, int d) {
  int p = r.pos[w];
  int k = r.need[w];
  for (int step = 0; step < d; ++step, --k) {
    const int f = r.start[k];
    if (p != f) {
      const int first = r.order[f];
      r.order[p] = first;
      r.pos[first] = p;
    }
    r.start[k] = f + 1;
    p = f;
  }
  r.order[p] = w;
  r.pos[w] = p;
  r.need[w] -= d;
}

}  // namespace rank_detail

// Puts a stone of mover's side on slot; windows whose need reached limit are
// dead for the search and are not advanced.
inline void placeStone(SideState& mover, SideState& other, int slot, int limit, UndoRecord& record) {
  const rank_detail::Ranking moverRank = rank_detail::rankingOf(mover);
  const int* moverList = mover.cellWindows[slot];
  const int moverCount = mover.cellWindowCount[slot];
  const int word = slot >> 5;
  const std::uint32_t bit = 1u << (slot & 31);
  for (int i = 0; i < moverCount; ++i) {
    const int w = moverList[i];
    if (moverRank.need[w] >= limit) continue;
    rank_detail::lowerByOne(moverRank, w);
    mover.windowWords[w * mover.windowStride + word] &= ~bit;
  }
  const rank_detail::Ranking otherRank = rank_detail::rankingOf(other);
  const int* otherList = other.cellWindows[slot];
  const int otherCount = other.cellWindowCount[slot];
  for (int j = 0; j < otherCount; ++j) {
    const int w = otherList[j];
    const int d = limit - otherRank.need[w];
    record.raised[j] = d;
    if (d > 0) rank_detail::raiseToLimit(otherRank, w, d, limit);
  }
  record.slot = slot;
  record.limit = limit;
}

// Takes back the placement that filled record; bundles in the same order as
// for the placement, and placements and undos strictly nested.
inline void undoStone(SideState& mover, SideState& other, const UndoRecord& record) {
  const int slot = record.slot;
  const int limit = record.limit;
  const rank_detail::Ranking moverRank = rank_detail::rankingOf(mover);
  const int* moverList = mover.cellWindows[slot];
  const int moverCount = mover.cellWindowCount[slot];
  const int word = slot >> 5;
  const std::uint32_t bit = 1u << (slot & 31);
  for (int i = 0; i < moverCount; ++i) {
    const int w = moverList[i];
    if (moverRank.need[w] >= limit) continue;
    rank_detail::restoreLowered(moverRank, w);
    mover.windowWords[w * mover.windowStride + word] |= bit;
  }
  const rank_detail::Ranking otherRank = rank_detail::rankingOf(other);
  const int* otherList = other.cellWindows[slot];
  const int otherCount = other.cellWindowCount[slot];
  for (int j = 0; j < otherCount; ++j) {
    if (record.raised[j] > 0) rank_detail::restoreRaised(otherRank, otherList[j], record.raised[j]);
  }
}

}  // namespace morvel
