#include "search/alphabeta/alpha_beta.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/position.h"

namespace morvel {
namespace {

class AlphaBetaTest : public ::testing::Test {
 protected:
  void TearDown() override {
    searchWidth = 4;
    releaseBoard();
  }
};

TEST_F(AlphaBetaTest, MateCheckDecidesFirst) {
  {
    testing::loadPosition(15, 15, {".XXXX", "", "OOO"});
    int best = 9;
    EXPECT_EQ(alphaBetaNode(sideX, sideO, 1, 6, -10000, 10000, best), 7998);
    EXPECT_EQ(best, -1);
  }
  {
    const auto p = testing::loadPosition(15, 15, {".XXX", "", "", "", "", "", "O"});
    int best = -1;
    EXPECT_EQ(alphaBetaNode(sideX, sideO, 1, 6, 500, 600, best), 7996) << "whatever the bounds";
    EXPECT_EQ(best, p.slot(4, 0)) << "the double-four point";
  }
}

TEST_F(AlphaBetaTest, NothingToTry) {
  {
    testing::loadPosition(5, 5, {"XXOOX", "OOXXO", "XXOOX", "OOXXO", "XXOO."});
    int best = 9;
    EXPECT_EQ(alphaBetaNode(sideX, sideO, 1, 6, -77, 10000, best), -77) << "no live window";
    EXPECT_EQ(best, -1);
  }
  {
    testing::loadPosition(15, 15, {"", "", "", "", "", "", "", ".......XO"});
    int best = 9;
    EXPECT_EQ(alphaBetaNode(sideX, sideO, 2, 6, 7993, 10000, best), 7993) << "alpha at the mate-distance cap";
    EXPECT_EQ(best, -1);
  }
}

TEST_F(AlphaBetaTest, BlocksAnOpenThreeAndRestoresTheModel) {
  const auto p = testing::loadPosition(15, 15, {"", "", "", "", "", "", "......OOO", ".......X", "........X"});
  const std::vector<int> needs(sideX.need, sideX.need + sideX.windowCount);
  for (int width : {4, 12}) {
    searchWidth = width;
    int best = -1;
    const int score = alphaBetaNode(sideX, sideO, 1, 6, -10000, 10000, best);
    EXPECT_TRUE(best == p.slot(5, 6) || best == p.slot(9, 6)) << "width " << width << " played " << best;
    EXPECT_GT(score, -7000);
    EXPECT_EQ(std::vector<int>(sideX.need, sideX.need + sideX.windowCount), needs);
  }
}

}  // namespace
}  // namespace morvel
