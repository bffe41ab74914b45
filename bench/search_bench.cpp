// The whole think step on fixed positions with the clock and the generator
// fixed and a fixed search schedule. The total node count is a signature:
// any change that alters the search changes it.
#include <chrono>
#include <cstdio>
#include <sstream>

#include "bench_positions.h"
#include "search/kernel/node_counter.h"
#include "think/think.h"

namespace morvel::bench {

int runSearchBench() {
  static const FixedSchedule schedule{20'000, 4'000, 12};
  installClock({[] { return Ticks{20261211}; }, 1'000'000'000});
  fixedSchedule = &schedule;
  std::ostringstream messages;
  thinkOutput = &messages;
  std::vector<const BenchPosition*> positions;
  for (const auto& p : benchPositions()) positions.push_back(&p);
  for (const auto& p : threatPositions()) positions.push_back(&p);
  std::printf("%-18s %7s %12s %10s %12s\n", "position", "move", "nodes", "ms", "nodes/s");
  std::uint64_t total = 0;
  double seconds = 0;
  for (const BenchPosition* position : positions) {
    loadBenchPosition(*position);
    const std::uint64_t before = searchNodeCount;
    const auto start = std::chrono::steady_clock::now();
    const int move = think('X', 0, 0);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::uint64_t nodes = searchNodeCount - before;
    total += nodes;
    seconds += s;
    char cell[16];
    std::snprintf(cell, sizeof cell, "%d,%d", move % position->width, move / position->width);
    std::printf("%-18s %7s %12llu %10.1f %12.0f\n", position->name.c_str(), cell,
                static_cast<unsigned long long>(nodes), s * 1000, static_cast<double>(nodes) / (s > 0 ? s : 1e-9));
  }
  std::printf("signature %llu nodes, %.0f nodes/s\n", static_cast<unsigned long long>(total),
              static_cast<double>(total) / (seconds > 0 ? seconds : 1e-9));
  fixedSchedule = nullptr;
  installClock(systemClock());
  return 0;
}

}  // namespace morvel::bench
