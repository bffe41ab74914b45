#include "bench_positions.h"

#include <algorithm>
#include <initializer_list>

#include "model/apply_move.h"
#include "model/board.h"
#include "platform/random.h"

namespace morvel::bench {

namespace {

// Stones near the stones already placed, as real games grow.
BenchPosition grow(const std::string& name, int width, int height, int stones, unsigned seed) {
  BenchPosition p{name, width, height, {}};
  std::vector<bool> used(static_cast<std::size_t>(width * height), false);
  seedRandom(seed);
  const int centre = width / 2 + height / 2 * width;
  p.cells.push_back(centre);
  used[centre] = true;
  while (static_cast<int>(p.cells.size()) < stones) {
    const int anchor = p.cells[static_cast<std::size_t>(drawRandom()) % p.cells.size()];
    const int x = anchor % width + drawRandom() % 5 - 2;
    const int y = anchor / width + drawRandom() % 5 - 2;
    if (x < 0 || y < 0 || x >= width || y >= height || used[x + y * width]) continue;
    used[x + y * width] = true;
    p.cells.push_back(x + y * width);
  }
  return p;
}

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

const std::vector<BenchPosition>& benchPositions() {
  static const std::vector<BenchPosition> positions = {
      grow("15x15 opening", 15, 15, 6, 11),   grow("15x15 middle", 15, 15, 36, 12),
      grow("15x15 crowded", 15, 15, 100, 13), grow("20x20 opening", 20, 20, 6, 21),
      grow("20x20 middle", 20, 20, 44, 22),   grow("20x20 crowded", 20, 20, 150, 23),
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
