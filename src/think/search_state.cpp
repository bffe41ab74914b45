#include "think/search_state.h"

#include "model/board.h"

namespace morvel {

namespace {

void rebuildNeeds(SideState& side) {
  for (int w = 0; w < side.windowCount; ++w) side.need[w] = countMembers(side.windows[w]);
}

void rebuildCellWindows(SideState& side) {
  for (int s = 0; s < freeSlotCount; ++s) side.cellWindowCount[s] = 0;
  int members[32 * ((kMaxCells - 1) / 32 + 1)];
  for (int w = 0; w < side.windowCount; ++w) {
    const int n = listMembers(members, side.windows[w]);
    for (int i = 0; i < n; ++i) {
      const int s = members[i];
      int& count = side.cellWindowCount[s];
      if (count < kMaxWindowsPerCell) side.cellWindows[s][count++] = w;
    }
  }
}

// Windows by need, ties by index. Completed fives (need 0) are ranked too, so
// that a five already on the board is seen by the checks instead of leaving
// a hole in the ranking.
void rebuildRanking(SideState& side) {
  int p = 0;
  for (int k = 0; k <= 5; ++k) {
    side.bucketStart[k] = p;
    for (int w = 0; w < side.windowCount; ++w) {
      if (side.need[w] != k) continue;
      side.rankOrder[p] = w;
      side.rankPos[w] = p;
      ++p;
    }
  }
  for (int k = 6; k < kBucketCount; ++k) side.bucketStart[k] = side.windowCount;
}

struct SlotNote {
  int cell;
  int count[2];
  int windows[2][kMaxWindowsPerCell];
};

SlotNote notes[kMaxCells];

}  // namespace

void rebuildSearchState() {
  for (SideState* side : {&sideX, &sideO}) {
    rebuildNeeds(*side);
    rebuildCellWindows(*side);
    rebuildRanking(*side);
  }
}

void compactSlots(const int* candidates, int n) {
  for (int s = 0; s < freeSlotCount; ++s) cellToSlot[slotToCell[s]] = kNoSlot;
  freeSlotCount = n;
  SideState* sides[2] = {&sideX, &sideO};
  for (SideState* side : sides) {
    for (int w = 0; w < side->windowCount; ++w) clearSet(side->windows[w]);
  }
  for (int j = 0; j < n; ++j) {
    const int old = candidates[j];
    SlotNote& note = notes[j];
    for (int k = 0; k < 2; ++k) {
      SideState& side = *sides[k];
      note.count[k] = side.cellWindowCount[old];
      for (int i = 0; i < note.count[k]; ++i) {
        note.windows[k][i] = side.cellWindows[old][i];
        insertMember(side.windows[side.cellWindows[old][i]], j);
      }
    }
    note.cell = slotToCell[old];
    cellToSlot[note.cell] = j;
  }
  for (int j = 0; j < n; ++j) {
    for (int k = 0; k < 2; ++k) {
      SideState& side = *sides[k];
      side.cellWindowCount[j] = notes[j].count[k];
      for (int i = 0; i < notes[j].count[k]; ++i) side.cellWindows[j][i] = notes[j].windows[k][i];
    }
    slotToCell[j] = notes[j].cell;
  }
  for (SideState* side : sides) rebuildRanking(*side);
}

}  // namespace morvel
