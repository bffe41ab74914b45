#include "support/model_check.h"

#include <sstream>

#include "model/board.h"

namespace morvel::testing {

namespace {

std::string checkSide(const SideState& side, char letter, int width, int height,
                      const std::vector<char>& stones) {
  const char enemy = letter == 'X' ? 'O' : 'X';
  int index = 0;
  for (int w = 0; w < windowCountFor(width, height); ++w) {
    int cells[5];
    windowCells(w, width, height, cells);
    bool alive = true;
    for (int c : cells) alive = alive && stones[c] != enemy;
    if (!alive) continue;
    std::ostringstream where;
    where << "side " << letter << " window " << index << " (enumerated " << w << ")";
    if (index >= side.windowCount) return where.str() + ": missing";
    const CellSet& set = side.windows[index];
    int expected = 0;
    for (int c : cells) {
      if (stones[c] != '.') continue;
      ++expected;
      if (!cellHasSlot(c)) return where.str() + ": empty cell without slot";
      if (!hasMember(set, cellToSlot[c])) return where.str() + ": lacks an empty cell";
    }
    if (countMembers(set) != expected) return where.str() + ": holds extra members";
    if (set.words[set.wordCount] != 0) return where.str() + ": spare word written";
    ++index;
  }
  if (index != side.windowCount) return std::string("side ") + letter + ": too many windows";
  return {};
}

}  // namespace

std::string checkModelAgainstStones(int width, int height, const std::vector<char>& stones) {
  // Cells in no live window may have left the slot space; the others may not
  // (the window check below insists on their slots).
  int slotted = 0;
  for (int c = 0; c < width * height; ++c) slotted += stones[c] == '.' && cellHasSlot(c);
  if (slotted != freeSlotCount) return "freeSlotCount differs from the empty cells with a slot";
  for (int s = 0; s < freeSlotCount; ++s) {
    const int c = slotToCell[s];
    if (c < 0 || c >= width * height || stones[c] != '.' || cellToSlot[c] != s) {
      return "slot " + std::to_string(s) + " is not an empty cell mapped back to it";
    }
  }
  std::string problem = checkSide(sideX, 'X', width, height, stones);
  if (problem.empty()) problem = checkSide(sideO, 'O', width, height, stones);
  return problem;
}

}  // namespace morvel::testing
