#pragma once
// Fixed benchmark positions, the same boards on every run and machine.
#include <string>
#include <vector>

namespace morvel::bench {

struct BenchPosition {
  std::string name;
  int width;
  int height;
  std::vector<int> cells;  // stones in order, the engine's first; -1 skips a turn
};

const std::vector<BenchPosition>& benchPositions();

// Positions with a forced win by continuous threats, of several lengths.
const std::vector<BenchPosition>& threatPositions();

// Sets up the model and plays the position's stones; the engine ('X')
// plays the even-numbered stones.
void loadBenchPosition(const BenchPosition& position);

// Median of the runs of a timed operation.
double median(std::vector<double> values);

}  // namespace morvel::bench
