#pragma once
// The one game model: for each side the windows of five it can still
// complete, the numbering of empty cells as slots, and the scratch sets of
// the searches. It lives in global storage because every search node reads
// it directly; all of its memory is taken by setupBoard.
#include "model/cell_set.h"

namespace morvel {

constexpr int kMinBoardSide = 5;
constexpr int kMaxBoardSide = 21;
constexpr int kMaxCells = kMaxBoardSide * kMaxBoardSide;
constexpr int kMaxWindowsPerCell = 20;   // four directions, five offsets each
constexpr int kBucketCount = 175;        // needs 0..174
constexpr int kPlySetCount = 36;
constexpr int kPoolSetCount = 1301;
constexpr int kNoSlot = -1;              // cellToSlot of a cell outside the slot space

// Per-side search bundle; every search takes the side to move first.
struct SideState {
  int windowCount = 0;
  CellSet* windows = nullptr;
  int* need = nullptr;
  int (*cellWindows)[kMaxWindowsPerCell] = nullptr;
  int* cellWindowCount = nullptr;
  int* rankOrder = nullptr;
  int* rankPos = nullptr;
  int* bucketStart = nullptr;
  // The words of all window sets, window w at w * windowStride: lets the
  // trial stones reach a window's word without loading its set first.
  std::uint32_t* windowWords = nullptr;
  int windowStride = 0;
};

inline SideState sideX;  // the engine
inline SideState sideO;  // the opponent

inline int cellCount = 0;
inline int freeSlotCount = 0;
inline int cellToSlot[kMaxCells];
inline int slotToCell[kMaxCells];

inline CellSet* plySets = nullptr;
inline CellSet* poolSets = nullptr;

// Static evaluation weights by need (index 0 unused).
inline int evalBase = 0;
inline int firstSideWeight[5];
inline int secondSideWeight[5];

inline SideState& sideOf(char letter) { return letter == 'X' ? sideX : sideO; }
inline SideState& opponentOf(char letter) { return letter == 'X' ? sideO : sideX; }

// Number of windows of five on a width x height board.
int windowCountFor(int width, int height);
// The five cells (x + y * width) of window w, in the model's numbering.
void windowCells(int w, int width, int height, int cells[5]);

// Builds the model of an empty board; 0 on success, -1 when memory runs out
// (the model is then released).
int setupBoard(int width, int height);
void releaseBoard();
bool boardIsSetUp();

// True when the empty cell still has a slot (cells that a think step cut
// from the slot space, and occupied cells, have none).
inline bool cellHasSlot(int cell) {
  const int s = cellToSlot[cell];
  return s >= 0 && s < freeSlotCount && slotToCell[s] == cell;
}

}  // namespace morvel
