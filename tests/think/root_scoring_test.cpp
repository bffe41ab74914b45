#include "think/root_scoring.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/position.h"

namespace morvel {
namespace {

class RootScoringTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
  int score() { return scoreRootCandidates(sideX, sideO, candidates, 0, freeSlotCount, scores); }
  int candidates[kMaxCells];
  int scores[kMaxCells];
};

// Scores never rise down the list; equal scores come in slot order.
void expectOrdered(const int* candidates, const int* scores, int n) {
  for (int i = 1; i < n; ++i) {
    EXPECT_GE(scores[i - 1], scores[i]);
    if (scores[i - 1] == scores[i]) {
      EXPECT_LT(candidates[i - 1], candidates[i]);
    }
  }
}

TEST_F(RootScoringTest, FiveComesFirstAboveSevenThousand) {
  const auto p = testing::loadPosition(15, 15, {"", ".XXXX", "", ".OOO"});
  const int n = score();
  ASSERT_GT(n, 2);
  EXPECT_TRUE(candidates[0] == p.slot(0, 1) || candidates[0] == p.slot(5, 1));
  EXPECT_GT(scores[0], 7000);
  expectOrdered(candidates, scores, n);
}

TEST_F(RootScoringTest, EveryCellOfALiveWindowAndNoOther) {
  const struct { int width, height; std::initializer_list<const char*> rows; int expected; } cases[] = {
      {15, 15, {"", "", "", "", "", "", "", ".......O"}, 224},
      {7, 7, {".XO", "XX", "O.O"}, 49 - 6 - 1},  // the corner lies in no live window
  };
  for (const auto& c : cases) {
    testing::loadPosition(c.width, c.height, c.rows);
    const int n = score();
    EXPECT_EQ(n, c.expected);
    expectOrdered(candidates, scores, n);
  }
}

// One side's stones on two of every five cells in each line put every window
// at need 3: the static value after a trial stone passes -10000, and the cells
// must still stay candidates.
TEST_F(RootScoringTest, ExtremeStaticValuesKeepTheirCells) {
  testing::loadStripedBoard(2);
  const int live = freeSlotCount;
  EXPECT_EQ(scoreRootCandidates(sideX, sideO, candidates, 0, freeSlotCount, scores), live);
  int kept = 0;
  for (int i = 0; i < live; ++i) {
    EXPECT_GT(scores[i], -10000);
    EXPECT_LT(scores[i], 10000);
    kept += std::abs(scores[i]) == 9999;
  }
  EXPECT_GT(kept, 0) << "the position no longer reaches the bound";
}

}  // namespace
}  // namespace morvel
