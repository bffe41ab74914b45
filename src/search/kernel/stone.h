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

inline void moveTo(SideState& side, int window, int position) {
  side.rankOrder[position] = window;
  side.rankPos[window] = position;
}

inline void lowerByOne(SideState& side, int w) {
  const int k = side.need[w];
  const int p = side.rankPos[w];
  const int f = side.bucketStart[k];
  if (p != f) moveTo(side, side.rankOrder[f], p);
  side.bucketStart[k] = f + 1;
  moveTo(side, w, f);
  side.need[w] = k - 1;
}

inline void raiseToLimit(SideState& side, int w, int d, int limit) {
  int p = side.rankPos[w];
  int k = side.need[w];
  for (int step = 0; step < d; ++step, ++k) {
    const int l = side.bucketStart[k + 1] - 1;
    if (p != l) moveTo(side, side.rankOrder[l], p);
    side.bucketStart[k + 1] = l;
    p = l;
  }
  moveTo(side, w, p);
  side.need[w] = limit;
}

inline void restoreLowered(SideState& side, int w) {
  const int k = side.need[w];
  const int p = side.rankPos[w];
  const int l = side.bucketStart[k + 1] - 1;
  if (p != l) moveTo(side, side.rankOrder[l], p);
  side.bucketStart[k + 1] = l;
  moveTo(side, w, l);
  side.need[w] = k + 1;
}

inline void restoreRaised(SideState& side, int w, int d) {
  int p = side.rankPos[w];
  int k = side.need[w];
  for (int step = 0; step < d; ++step, --k) {
    const int f = side.bucketStart[k];
    if (p != f) moveTo(side, side.rankOrder[f], p);
    side.bucketStart[k] = f + 1;
    p = f;
  }
  moveTo(side, w, p);
  side.need[w] -= d;
}

}  // namespace rank_detail

// Puts a stone of mover's side on slot; windows whose need reached limit are
// dead for the search and are not advanced.
inline void placeStone(SideState& mover, SideState& other, int slot, int limit, UndoRecord& record) {
  const int* moverList = mover.cellWindows[slot];
  const int moverCount = mover.cellWindowCount[slot];
  for (int i = 0; i < moverCount; ++i) {
    const int w = moverList[i];
    if (mover.need[w] >= limit) continue;
    rank_detail::lowerByOne(mover, w);
    removeMember(mover.windows[w], slot);
  }
  const int* otherList = other.cellWindows[slot];
  const int otherCount = other.cellWindowCount[slot];
  for (int j = 0; j < otherCount; ++j) {
    const int w = otherList[j];
    const int d = limit - other.need[w];
    record.raised[j] = d;
    if (d > 0) rank_detail::raiseToLimit(other, w, d, limit);
  }
  record.slot = slot;
  record.limit = limit;
}

// Takes back the placement that filled record; bundles in the same order as
// for the placement, and placements and undos strictly nested.
inline void undoStone(SideState& mover, SideState& other, const UndoRecord& record) {
  const int slot = record.slot;
  const int limit = record.limit;
  const int* moverList = mover.cellWindows[slot];
  const int moverCount = mover.cellWindowCount[slot];
  for (int i = 0; i < moverCount; ++i) {
    const int w = moverList[i];
    if (mover.need[w] >= limit) continue;
    rank_detail::restoreLowered(mover, w);
    insertMember(mover.windows[w], slot);
  }
  const int* otherList = other.cellWindows[slot];
  const int otherCount = other.cellWindowCount[slot];
  for (int j = 0; j < otherCount; ++j) {
    if (record.raised[j] > 0) rank_detail::restoreRaised(other, otherList[j], record.raised[j]);
  }
}

}  // namespace morvel
