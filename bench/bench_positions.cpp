#include "bench_positions.h"

#include <algorithm>
#include <initializer_list>

#include "model/apply_move.h"
#include "model/board.h"

namespace morvel::bench {

namespace {

// Stones from a diagram drawn from the top-left corner; the engine's stones
// go first so that it is to move.
BenchPosition fromDiagram(const std::string& name, int size, std::initializer_list<const char*> rows) {
  BenchPosition p{name, size, size, {}};
  std::vector<int> engine, opponent;
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; row[x] != '\0'; ++x) {
      if (row[x] == 'X') engine.push_back(x + y * size);
      if (row[x] == 'O') opponent.push_back(x + y * size);
    }
    ++y;
  }
  for (std::size_t i = 0; i < std::max(engine.size(), opponent.size()); ++i) {
    p.cells.push_back(i < engine.size() ? engine[i] : -1);
    p.cells.push_back(i < opponent.size() ? opponent[i] : -1);
  }
  return p;
}

}  // namespace

const std::vector<BenchPosition>& threatPositions() {
  static const std::vector<BenchPosition> positions = {
      fromDiagram("four then double", 15,
                  {".......X", ".......X", ".......X", "..OXX", ".....X", ".....X", ".....X", ".....O"}),
      fromDiagram("double three", 15, {"", "", "", "", "", ".....XX", ".......X", ".......X"}),
      fromDiagram("threes to five", 15,
                  {"", "", "", "", ".....OX", "....X..O", "......O.OX", ".....X", "....X..O", ".....XO"}),
  };
  return positions;
}

// Positions from games of the engine against itself, frozen as move lists
// (cell indices, the engine's stones first) so that they never change.
const std::vector<BenchPosition>& benchPositions() {
  static const std::vector<int> game15 = {144, 95,  81,  142, 80,  79,  111, 126, 94,  66,  114, 129,
                                          112, 113, 128, 96,  158, 172, 160, 176, 157, 159, 188, 173};
  static const std::vector<int> long15 = {126, 143, 128, 127, 142, 111, 95,  110, 112, 98,  159, 96,  100, 114,
                                          82,  115, 160, 158, 116, 84,  99,  146, 130, 176, 129, 131, 161, 163,
                                          147, 175, 177, 145, 67,  109, 108, 52,  124, 140, 125, 53,  102, 88,
                                          51,  83,  68,  69,  162, 132, 65,  55,  97,  56,  54,  70,  42,  40};
  static const std::vector<int> game20 = {192, 170, 250, 211, 251, 212, 253, 252, 213, 233, 191, 194, 234, 171};
  static const std::vector<int> long20 = {188, 169, 191, 231, 209, 190, 211, 210, 230, 167, 249, 268, 168, 148,
                                          186, 187, 127, 269, 270, 250, 288, 227, 207, 228, 251, 272, 289, 232,
                                          212, 208, 229, 170, 189, 173, 290, 291, 130, 308, 309, 329, 287, 286,
                                          310, 330, 328, 271, 151, 172, 171, 131, 126, 129, 110, 292};
  static const std::vector<BenchPosition> positions = {
      {"15x15 opening", 15, 15, {game15.begin(), game15.begin() + 8}},
      {"15x15 middle", 15, 15, game15},
      {"15x15 crowded", 15, 15, long15},
      {"20x20 opening", 20, 20, {game20.begin(), game20.begin() + 8}},
      {"20x20 middle", 20, 20, game20},
      {"20x20 crowded", 20, 20, long20},
  };
  return positions;
}

void loadBenchPosition(const BenchPosition& position) {
  setupBoard(position.width, position.height);
  for (std::size_t i = 0; i < position.cells.size(); ++i) {
    if (position.cells[i] >= 0) applyMove(position.cells[i], i % 2 == 0 ? 'X' : 'O');
  }
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace morvel::bench
