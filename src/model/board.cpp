#include "model/board.h"

#include <array>
#include <new>
#include <vector>

namespace morvel {

namespace {

struct SideStorage {
  SetArray windows;
  std::vector<int> need;
  std::vector<std::array<int, kMaxWindowsPerCell>> cellWindows;
  std::vector<int> cellWindowCount;
  std::vector<int> rankOrder;
  std::vector<int> rankPos;
  std::vector<int> bucketStart;
};

struct ModelStorage {
  SideStorage x, o;
  SetArray plySets, poolSets;
  bool ready = false;
};

ModelStorage storage;

void allocateSide(SideStorage& side, int windows, int cells) {
  side.need.assign(static_cast<std::size_t>(windows), 0);
  side.windows = createWindowSets(windows, cells);
  side.cellWindows.assign(static_cast<std::size_t>(cells), {});
  side.cellWindowCount.assign(static_cast<std::size_t>(cells), 0);
  side.rankOrder.assign(static_cast<std::size_t>(windows), 0);
  side.rankPos.assign(static_cast<std::size_t>(windows), 0);
  side.bucketStart.assign(kBucketCount, 0);
}

SideState bundleOf(SideStorage& side, int windows) {
  SideState s;
  s.windowCount = windows;
  s.windows = side.windows.sets.data();
  s.need = side.need.data();
  s.cellWindows = reinterpret_cast<int(*)[kMaxWindowsPerCell]>(side.cellWindows.data());
  s.cellWindowCount = side.cellWindowCount.data();
  s.rankOrder = side.rankOrder.data();
  s.rankPos = side.rankPos.data();
  s.bucketStart = side.bucketStart.data();
  s.windowWords = side.windows.words.data();
  s.windowStride = windows > 0 ? static_cast<int>(side.windows.words.size()) / windows : 0;
  return s;
}

void writeWeights() {
  evalBase = 60;
  const int first[5] = {0, 64, 26, 8, 2};
  const int second[5] = {0, 7999, 26, 8, 2};
  for (int k = 0; k < 5; ++k) {
    firstSideWeight[k] = first[k];
    secondSideWeight[k] = second[k];
  }
}

}  // namespace

int windowCountFor(int width, int height) {
  return width * (height - 4) + height * (width - 4) + 2 * (width - 4) * (height - 4);
}

void windowCells(int w, int width, int height, int cells[5]) {
  const int bh = (width - 4) * height;
  const int bv = (height - 4) * width;
  const int bd = (width - 4) * (height - 4);
  int x, y, dx, dy;
  if (w < bh) {
    x = w / height; y = w % height; dx = 1; dy = 0;
  } else if (w < bh + bv) {
    w -= bh; y = w / width; x = w % width; dx = 0; dy = 1;
  } else if (w < bh + bv + bd) {
    w -= bh + bv; x = w / (height - 4); y = w % (height - 4); dx = 1; dy = 1;
  } else {
    w -= bh + bv + bd; x = w / (height - 4) + 4; y = w % (height - 4); dx = -1; dy = 1;
  }
  for (int t = 0; t < 5; ++t) cells[t] = (x + t * dx) + (y + t * dy) * width;
}

int setupBoard(int width, int height) {
  if (storage.ready) releaseBoard();
  writeWeights();
  cellCount = width * height;
  freeSlotCount = cellCount;
  const int windows = windowCountFor(width, height);
  try {
    allocateSide(storage.x, windows, cellCount);
    allocateSide(storage.o, windows, cellCount);
    storage.plySets = createSets(kPlySetCount, cellCount);
    storage.poolSets = createSets(kPoolSetCount, cellCount);
  } catch (const std::bad_alloc&) {
    releaseBoard();
    return -1;
  }
  sideX = bundleOf(storage.x, windows);
  sideO = bundleOf(storage.o, windows);
  plySets = storage.plySets.sets.data();
  poolSets = storage.poolSets.sets.data();
  for (int w = 0; w < windows; ++w) {
    int cells[5];
    windowCells(w, width, height, cells);
    for (int c : cells) {
      insertMember(sideX.windows[w], c);
      insertMember(sideO.windows[w], c);
    }
    sideX.need[w] = 5;
    sideO.need[w] = 5;
  }
  for (int c = 0; c < cellCount; ++c) {
    cellToSlot[c] = c;
    slotToCell[c] = c;
  }
  storage.ready = true;
  return 0;
}

void releaseBoard() {
  storage = ModelStorage{};
  sideX = SideState{};
  sideO = SideState{};
  plySets = nullptr;
  poolSets = nullptr;
  cellCount = 0;
  freeSlotCount = 0;
}

bool boardIsSetUp() { return storage.ready; }

}  // namespace morvel
