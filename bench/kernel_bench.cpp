// Times the kernel's two hottest operations: a place-and-undo pair (what the
// think step calibrates its node limits with) and a mate check.
#include <chrono>
#include <cstdio>

#include "bench_positions.h"
#include "search/kernel/mate_check.h"
#include "search/kernel/stone.h"
#include "think/search_state.h"

namespace morvel::bench {

namespace {

using Clock = std::chrono::steady_clock;

double nanosecondsPer(long count, Clock::time_point start) {
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / static_cast<double>(count);
}

// The free slot with the most windows of both sides through it: a busy cell
// like the best candidates that the calibration uses.
int busiestSlot() {
  int best = 0;
  for (int s = 0; s < freeSlotCount; ++s) {
    if (sideX.cellWindowCount[s] + sideO.cellWindowCount[s] >
        sideX.cellWindowCount[best] + sideO.cellWindowCount[best]) {
      best = s;
    }
  }
  return best;
}

volatile int sink;

}  // namespace

int runKernelBench() {
  constexpr long kPairs = 2'000'000;
  constexpr long kChecks = 2'000'000;
  constexpr int kRuns = 5;
  std::printf("%-16s %14s %14s\n", "position", "ns/place+undo", "ns/mateCheck");
  for (const BenchPosition& position : benchPositions()) {
    loadBenchPosition(position);
    rebuildSearchState();
    const int slot = busiestSlot();
    std::vector<double> pairTimes, checkTimes;
    for (int run = 0; run < kRuns; ++run) {
      UndoRecord record;
      auto start = Clock::now();
      for (long i = 0; i < kPairs; ++i) {
        placeStone(sideX, sideO, slot, 6, record);
        undoStone(sideX, sideO, record);
      }
      pairTimes.push_back(nanosecondsPer(kPairs, start));
      start = Clock::now();
      int total = 0;
      for (long i = 0; i < kChecks; ++i) total += mateCheck(sideX, sideO, 1 + static_cast<int>(i & 7));
      sink = total;
      checkTimes.push_back(nanosecondsPer(kChecks, start));
    }
    std::printf("%-16s %14.1f %14.1f\n", position.name.c_str(), median(pairTimes), median(checkTimes));
  }
  releaseBoard();
  return 0;
}

}  // namespace morvel::bench
