#include "search/alphabeta/frontier.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

#include "support/position.h"

namespace morvel {
namespace {

using Rows = std::initializer_list<const char*>;

class FrontierTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
};

TEST_F(FrontierTest, Cases) {
  const int ply = 5;
  {
    testing::loadPosition(15, 15, {".XXXX", "", "OOO"});
    int best = 7;
    EXPECT_EQ(frontierNode(sideX, sideO, ply, -10000, 10000, best), 7999 - ply);
    EXPECT_EQ(best, -1);
  }
  {
    const auto p = testing::loadPosition(15, 15, {"OOOO.", "", "X"});
    int best = -1;
    frontierNode(sideX, sideO, ply, -10000, 10000, best);
    EXPECT_EQ(best, p.slot(4, 0)) << "the only move tried is the block";
  }
  {
    const auto p = testing::loadPosition(15, 15, {".OOO", "", "", "", "", "", "X"});
    int best = -1;
    frontierNode(sideX, sideO, ply, -10000, 10000, best);
    const std::set<int> meets = {p.slot(0, 0), p.slot(4, 0), p.slot(5, 0)};
    EXPECT_EQ(meets.count(best), 1u);
  }
  {
    testing::loadPosition(15, 15, {".OOO", "", "", "", "", "X", "", "", "", "", ".OOO"});
    int best = 3;
    EXPECT_EQ(frontierNode(sideX, sideO, ply, -123, 10000, best), -123) << "no cell meets both";
    EXPECT_EQ(best, -1);
  }
  {
    testing::loadPosition(15, 15, {});
    int best = 3;
    EXPECT_EQ(frontierNode(sideX, sideO, ply, -500, 500, best), 0) << "no window holds a stone";
    EXPECT_EQ(best, -1);
  }
  {
    testing::loadPosition(15, 15, {"", "", "", "", "", "", "", ".......XO"});
    int best = 3;
    EXPECT_EQ(frontierNode(sideX, sideO, ply, 7995 - ply, 10000, best), 7995 - ply) << "the cap closes the window";
    EXPECT_EQ(best, -1);
  }
}

}  // namespace
}  // namespace morvel
