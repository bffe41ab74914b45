#include "bench_positions.h"

#include <algorithm>

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

}  // namespace

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
  for (std::size_t i = 0; i < position.cells.size(); ++i) applyMove(position.cells[i], i % 2 == 0 ? 'X' : 'O');
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace morvel::bench
