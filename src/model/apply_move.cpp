#include "model/apply_move.h"

#include "model/board.h"

namespace morvel {

namespace {

// Drops every window that holds slot s and closes up the rest in order.
void dropWindowsThrough(SideState& side, int s) {
  int kept = 0;
  for (int w = 0; w < side.windowCount; ++w) {
    if (hasMember(side.windows[w], s)) continue;
    if (kept != w) copySet(side.windows[kept], side.windows[w]);
    ++kept;
  }
  side.windowCount = kept;
}

void renumberSlot(SideState& side, int from, int to) {
  for (int w = 0; w < side.windowCount; ++w) {
    if (hasMember(side.windows[w], from)) {
      removeMember(side.windows[w], from);
      insertMember(side.windows[w], to);
    }
  }
}

}  // namespace

void applyMove(int cell, char letter) {
  if (!cellHasSlot(cell)) {
    cellToSlot[cell] = kNoSlot;
    return;
  }
  const int s = cellToSlot[cell];
  SideState& mover = sideOf(letter);
  SideState& other = opponentOf(letter);
  removeFromEach(mover.windowCount, mover.windows, s);
  dropWindowsThrough(other, s);

  const int last = freeSlotCount - 1;
  renumberSlot(sideX, last, s);
  renumberSlot(sideO, last, s);
  const int moved = slotToCell[last];
  freeSlotCount = last;
  cellToSlot[moved] = s;
  slotToCell[s] = moved;
  cellToSlot[cell] = kNoSlot;
}

}  // namespace morvel
