// Random nested trial stones checked against a brute-force reference that
// knows nothing of buckets: plain need counts and empty-cell sets per window.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "search/kernel/stone.h"
#include "support/position.h"

namespace morvel {
namespace {

struct SideSnapshot {
  int wordCount = 0;
  std::vector<int> need;
  std::vector<std::uint32_t> words;  // window w at w * wordCount
  std::vector<int> bucketStart;
};

SideSnapshot snapshot(const SideState& side) {
  SideSnapshot s;
  s.wordCount = side.windowCount > 0 ? side.windows[0].wordCount : 0;
  s.need.assign(side.need, side.need + side.windowCount);
  for (int w = 0; w < side.windowCount; ++w) {
    s.words.insert(s.words.end(), side.windows[w].words, side.windows[w].words + s.wordCount);
  }
  s.bucketStart.assign(side.bucketStart, side.bucketStart + kBucketCount);
  return s;
}

// The reference effect of a stone: the mover's live windows through the slot
// lose it and need one fewer; the other side's are raised to the limit.
void referencePlace(SideSnapshot& mover, SideSnapshot& other, const SideState& moverSide,
                    const SideState& otherSide, int slot, int limit) {
  for (int i = 0; i < moverSide.cellWindowCount[slot]; ++i) {
    const int w = moverSide.cellWindows[slot][i];
    if (mover.need[w] >= limit) continue;
    --mover.need[w];
    mover.words[static_cast<std::size_t>(w * mover.wordCount + (slot >> 5))] &= ~(1u << (slot & 31));
  }
  for (int i = 0; i < otherSide.cellWindowCount[slot]; ++i) {
    const int w = otherSide.cellWindows[slot][i];
    if (other.need[w] < limit) other.need[w] = limit;
  }
}

// Ranking invariant, and needs and sets equal to the reference.
std::string compare(const SideState& side, const SideSnapshot& ref) {
  std::vector<int> seen(static_cast<std::size_t>(side.windowCount), 0);
  for (int p = 0; p < side.windowCount; ++p) {
    const int w = side.rankOrder[p];
    if (w < 0 || w >= side.windowCount || seen[w]++) return "rankOrder is no permutation";
    if (side.rankPos[w] != p) return "rankPos is not inverse";
    if (p > 0 && side.need[side.rankOrder[p - 1]] > side.need[w]) return "rankOrder not sorted";
  }
  std::vector<int> withNeed(kBucketCount, 0);
  for (int w = 0; w < side.windowCount; ++w) ++withNeed[side.need[w]];
  for (int k = 0, below = 0; k < kBucketCount; below += withNeed[k++]) {
    if (side.bucketStart[k] != below) return "bucketStart[" + std::to_string(k) + "] wrong";
  }
  for (int w = 0; w < side.windowCount; ++w) {
    if (side.need[w] != ref.need[w]) return "need of window " + std::to_string(w);
    for (int i = 0; i < ref.wordCount; ++i) {
      if (side.windows[w].words[i] != ref.words[static_cast<std::size_t>(w * ref.wordCount + i)]) {
        return "set of window " + std::to_string(w);
      }
    }
  }
  return {};
}

struct Trial {
  bool engine;
  UndoRecord record;
  SideSnapshot beforeX, beforeO;  // reference needs and sets before the stone
  std::vector<int> bucketsX, bucketsO;  // the model's boundaries before the stone
};

void runSequence(std::mt19937& rng, int width, int height) {
  // A random real position first, so windows of every need take part.
  setupBoard(width, height);
  std::vector<int> cells(static_cast<std::size_t>(width * height));
  for (int c = 0; c < width * height; ++c) cells[c] = c;
  std::shuffle(cells.begin(), cells.end(), rng);
  const int realStones = std::uniform_int_distribution<int>(0, width * height / 3)(rng);
  for (int i = 0; i < realStones; ++i) applyMove(cells[i], i % 2 ? 'O' : 'X');
  rebuildSearchState();
  // The rebuilt state must agree with a recount of the board.
  for (SideState* side : {&sideX, &sideO}) {
    for (int w = 0; w < side->windowCount; ++w) ASSERT_EQ(side->need[w], countMembers(side->windows[w]));
  }
  SideSnapshot refX = snapshot(sideX), refO = snapshot(sideO);
  std::vector<Trial> stack;
  std::vector<bool> taken(static_cast<std::size_t>(freeSlotCount), false);
  for (int step = 0; step < 60; ++step) {
    const bool place = stack.empty() || (stack.size() < 30 && rng() % 3 != 0);
    if (place) {
      int slot;
      do slot = static_cast<int>(rng() % static_cast<unsigned>(freeSlotCount));
      while (taken[slot] && stack.size() < static_cast<std::size_t>(freeSlotCount));
      if (taken[slot]) continue;
      const int limit = rng() % 2 ? 6 : std::uniform_int_distribution<int>(3, 174)(rng);
      Trial t{rng() % 2 == 0, {}, refX, refO, snapshot(sideX).bucketStart, snapshot(sideO).bucketStart};
      SideState& mover = t.engine ? sideX : sideO;
      SideState& other = t.engine ? sideO : sideX;
      referencePlace(t.engine ? refX : refO, t.engine ? refO : refX, mover, other, slot, limit);
      placeStone(mover, other, slot, limit, t.record);
      taken[slot] = true;
      stack.push_back(std::move(t));
    } else {
      Trial& t = stack.back();
      if (t.engine) {
        undoStone(sideX, sideO, t.record);
      } else {
        undoStone(sideO, sideX, t.record);
      }
      taken[t.record.slot] = false;
      refX = t.beforeX;
      refO = t.beforeO;
      ASSERT_EQ(snapshot(sideX).bucketStart, t.bucketsX);
      ASSERT_EQ(snapshot(sideO).bucketStart, t.bucketsO);
      stack.pop_back();
    }
    ASSERT_EQ(compare(sideX, refX), "") << "side X after step " << step;
    ASSERT_EQ(compare(sideO, refO), "") << "side O after step " << step;
  }
}

TEST(StoneProperty, NestedStonesMatchTheReference) {
  std::mt19937 rng(20261211);
  const int sizes[][2] = {{5, 5}, {9, 7}, {15, 15}, {6, 21}};
  for (int sequence = 0; sequence < 2000; ++sequence) {
    const auto* size = sizes[sequence % 4];
    runSequence(rng, size[0], size[1]);
    if (::testing::Test::HasFatalFailure()) {
      ADD_FAILURE() << "sequence " << sequence;
      break;
    }
  }
  releaseBoard();
}

}  // namespace
}  // namespace morvel
