#pragma once
// Builds the game model from a small text diagram: rows of '.', 'X' (the
// engine) and 'O' (the opponent), drawn from the top-left corner of a
// width x height board, then rebuilds the search state as a think step does.
#include <initializer_list>
#include <string>
#include <vector>

#include "model/apply_move.h"
#include "model/board.h"
#include "think/search_state.h"

namespace morvel::testing {

struct Position {
  int width = 0;
  int height = 0;
  std::vector<char> stones;

  int cell(int x, int y) const { return x + y * width; }
  int slot(int x, int y) const { return cellToSlot[cell(x, y)]; }
};

inline Position loadPosition(int width, int height, std::initializer_list<const char*> rows) {
  Position p{width, height, std::vector<char>(static_cast<std::size_t>(width * height), '.')};
  setupBoard(width, height);
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; row[x] != '\0'; ++x) {
      if (row[x] == 'X' || row[x] == 'O') {
        applyMove(p.cell(x, y), row[x]);
        p.stones[p.cell(x, y)] = row[x];
      }
    }
    ++y;
  }
  rebuildSearchState();
  return p;
}

// The opponent on `share` of every five consecutive cells in each row,
// column and diagonal of a 21x21 board: each cell steps (x + 2y) mod 5 by a
// unit in every direction, so every window holds exactly `share` of its stones.
inline void loadStripedBoard(int share) {
  setupBoard(21, 21);
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 21; ++x) {
      if ((x + 2 * y) % 5 < share) applyMove(x + 21 * y, 'O');
    }
  }
  rebuildSearchState();
}

}  // namespace morvel::testing
