#include "search/alphabeta/quiescence.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/random.h"
#include "search/kernel/stone.h"
#include "support/position.h"

namespace morvel {
namespace {

class QuiescenceTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
};

// Whether a call drew from the generator: compare the next draw with a
// sequence started from the same seed.
template <typename F>
bool drawsRandom(F call) {
  seedRandom(99);
  const int first = drawRandom();
  seedRandom(99);
  call();
  return drawRandom() != first;
}

TEST_F(QuiescenceTest, OwnFourWinsAtOnce) {
  testing::loadPosition(15, 15, {".XXXX", "", "OOO"});
  EXPECT_EQ(quiescenceNode(sideX, sideO, -10000, 10000, 3), 7996);
}

TEST_F(QuiescenceTest, BlocksTheOpponentFourAndEvaluatesAfterIt) {
  // A closed four: one block, which makes nothing for X.
  testing::loadPosition(15, 15, {"", "", "..XOOOO", "", "", "......X"});
  UndoRecord record;
  const int block = 7 + 2 * 15;
  placeStone(sideX, sideO, cellToSlot[block], 6, record);
  const int childStatic = staticEvaluation(sideO, sideX);
  undoStone(sideX, sideO, record);
  // Bounds far above the value: no random term, and the child is tested
  // against the same bounds, not the negated ones.
  EXPECT_EQ(quiescenceNode(sideX, sideO, 9000, 9000, 2), -childStatic);
  EXPECT_FALSE(drawsRandom([] { quiescenceNode(sideX, sideO, 9000, 9000, 2); }));
  // Bounds at the child's own value draw; negated ones would not.
  ASSERT_GT(std::abs(childStatic), 4);
  EXPECT_TRUE(drawsRandom([&] { quiescenceNode(sideX, sideO, childStatic, childStatic, 2); }));
  EXPECT_FALSE(drawsRandom([&] { quiescenceNode(sideX, sideO, -childStatic, -childStatic, 2); }));
}

TEST_F(QuiescenceTest, RandomTermOnlyNearTheBounds) {
  testing::loadPosition(15, 15, {"", "", "....XX", "....O"});
  const int e = staticEvaluation(sideX, sideO);
  const struct { int alpha, beta; bool random; } cases[] = {
      {-10000, 10000, true}, {e + 2, e + 2, false}, {e + 1, 10000, true},
      {-10000, e - 2, false}, {-10000, e - 1, true},
  };
  for (const auto& c : cases) {
    int v = 0;
    EXPECT_EQ(drawsRandom([&] { v = quiescenceNode(sideX, sideO, c.alpha, c.beta, 1); }), c.random)
        << c.alpha << " " << c.beta;
    if (c.random) {
      EXPECT_LE(std::abs(v - e), 2);
    } else {
      EXPECT_EQ(v, e);
    }
  }
}

TEST_F(QuiescenceTest, ChainOfBlocksStopsBeforeTheLastScratchSet) {
  testing::loadPosition(15, 15, {"", "", "..XOOOO"});
  EXPECT_EQ(quiescenceNode(sideX, sideO, -10000, 10000, kPlySetCount - 1), 0);
}

}  // namespace
}  // namespace morvel
