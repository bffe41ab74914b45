#include "think/root_search.h"

#include <gtest/gtest.h>

#include "platform/random.h"
#include "search/kernel/node_counter.h"
#include "search/kernel/stop_signal.h"
#include "support/position.h"
#include "think/think_state.h"

namespace morvel {
namespace {

Ticks fakeNow = 0;

class RootSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    installClock({[] { return fakeNow; }, 1000});
    fakeNow = 0;
    thinkStart = 0;
    hardBudget = 1'000'000;
    refuteNodeLimit = 100'000;
    searchWidth = 4;
    bestSlot = -1;
    seedRandom(1);
    armDeadline(std::numeric_limits<Ticks>::max());
    for (int& c : refutationCache) c = 0;
    for (int& r : rootList) r = -1;
  }
  void TearDown() override {
    installClock(systemClock());
    releaseBoard();
  }
  int rootList[kMaxCells];
};

TEST_F(RootSearchTest, HardBudgetStopsBetweenRootMoves) {
  const auto p = testing::loadPosition(15, 15, {"", "", "", "", "", "", "", ".......XO"});
  rootList[0] = p.slot(6, 7);
  rootList[1] = p.slot(7, 6);
  fakeNow = 2'000'000;
  bestSlot = 5;
  const auto nodes = searchNodeCount;
  EXPECT_EQ(rootSearch(sideX, sideO, rootList, 2, refutationCache, 6, -10000, 10000), -10000);
  EXPECT_EQ(searchNodeCount, nodes) << "nothing searched once a move is known";
  bestSlot = -1;
  rootSearch(sideX, sideO, rootList, 2, refutationCache, 6, -10000, 10000);
  EXPECT_EQ(bestSlot, rootList[0]) << "without a known move the first root move is searched";
  EXPECT_GT(searchNodeCount, nodes);
}

// The opponent has an open three; a far-away root move is refuted once and
// keeps its refutation, the block wins the iteration.
TEST_F(RootSearchTest, RefutationIsTestedOnceAndCached) {
  const auto p = testing::loadPosition(15, 15, {"", "", "", "", "", "", "......OOO", "", "", "", "", "", "..X", "",
                                                "X"});
  const int far = p.slot(12, 0), block = p.slot(5, 6);
  refutationCache[far] = -1;
  refutationCache[block] = -1;
  rootList[0] = far;
  rootList[1] = block;
  rootSearch(sideX, sideO, rootList, 2, refutationCache, 6, -10000, 10000);
  EXPECT_GT(refutationCache[far], 7000) << "the opponent still wins after the far move";
  EXPECT_LE(refutationCache[block], 0) << "the block stops the win";
  EXPECT_TRUE(bestSlot == block || bestSlot == p.slot(9, 6)) << "a block, perhaps the appended reply";
  EXPECT_NE(rootList[2], -1) << "the opponent's best reply joins the root list";
  EXPECT_NE(rootList[2], far);
  EXPECT_NE(rootList[2], block);

  const int cached = refutationCache[far];
  bestSlot = -1;
  rootList[0] = far;
  rootList[1] = block;
  rootSearch(sideX, sideO, rootList, 1, refutationCache, 6, -10000, 10000);
  EXPECT_EQ(bestSlot, far) << "a refuted move keeps its cached score without a search";
  EXPECT_EQ(refutationCache[far], cached);
}

}  // namespace
}  // namespace morvel
