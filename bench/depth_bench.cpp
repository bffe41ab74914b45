// How deep the iterative deepening gets on the real clock at a given time
// per move, on the fixed middle-game positions.
#include <chrono>
#include <cstdio>
#include <sstream>

#include "bench_positions.h"
#include "think/think.h"
#include "think/think_state.h"

namespace morvel::bench {

int runDepthBench() {
  std::ostringstream messages;
  thinkOutput = &messages;
  std::printf("%-18s %8s %6s %8s\n", "position", "turn ms", "depth", "used ms");
  for (const int turnMs : {1000, 5000}) {
    for (const BenchPosition& position : benchPositions()) {
      loadBenchPosition(position);
      const Ticks perMs = counterFrequency() / 1000;
      const auto start = std::chrono::steady_clock::now();
      think('X', (turnMs - 500) * perMs, (180'000 - 500) * perMs);
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      std::printf("%-18s %8d %6d %8.0f\n", position.name.c_str(), turnMs, deepestIteration, ms);
    }
  }
  releaseBoard();
  return 0;
}

}  // namespace morvel::bench
