// Runs the forced-win search for the side to move on fixed positions at a
// fixed node limit. The total node count changes whenever the search's
// behaviour does.
#include <chrono>
#include <cstdio>

#include "bench_positions.h"
#include "search/threats/threat_search.h"
#include "think/search_state.h"

namespace morvel::bench {

int runThreatsBench() {
  constexpr int kNodeLimit = 300'000;
  std::vector<const BenchPosition*> positions;
  for (const auto& p : threatPositions()) positions.push_back(&p);
  for (const auto& p : benchPositions()) positions.push_back(&p);
  std::printf("%-18s %4s %7s %9s %10s %12s\n", "position", "side", "result", "nodes", "ms", "nodes/s");
  long long totalNodes = 0;
  double totalSeconds = 0;
  for (const BenchPosition* position : positions) {
    loadBenchPosition(*position);
    rebuildSearchState();
    // The side to move, then its opponent as the move choice also asks.
    for (const char side : {'X', 'O'}) {
      int nodes = 0, move = -1;
      const auto start = std::chrono::steady_clock::now();
      const int result = threatSearch(sideOf(side), opponentOf(side), 0, 10000, 0, side == 'X' ? 28 : 24, &nodes,
                                      kNodeLimit, move);
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      totalNodes += nodes;
      totalSeconds += seconds;
      std::printf("%-18s %4c %7d %9d %10.1f %12.0f\n", position->name.c_str(), side, result, nodes, seconds * 1000,
                  nodes / (seconds > 0 ? seconds : 1e-9));
    }
  }
  std::printf("total nodes %lld, %.0f nodes/s\n", totalNodes, static_cast<double>(totalNodes) / (totalSeconds > 0 ? totalSeconds : 1e-9));
  releaseBoard();
  return 0;
}

}  // namespace morvel::bench
