#include "search/threats/threat_search.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "search/kernel/mate_check.h"
#include "support/position.h"

namespace morvel {
namespace {

using Rows = std::initializer_list<const char*>;

// Closed threes in columns 5 and 7 and a closed two in row 3: a four at
// (5,3) or (7,3) leaves a double-four point at the other.
const Rows kFoursWin = {".......X", ".......X", ".......X", "..OXX", ".....X", ".....X", ".....X", ".....O"};
// Two open twos meeting at (7,5): a double three, each a double-four point.
const Rows kDoubleThreeWin = {"", "", "", "", "", ".....XX", ".......X", ".......X"};
// The same, and far away the defender has a closed split three: one
// counter-four, after which that row is dead.
const Rows kWithCounterFour = {"", "", "", "", "", ".....XX", ".......X", ".......X", "", "",
                               "", "XO.O.OX"};
const Rows kNothing = {"", "", "", "", "", "", "......X.O"};

struct Result {
  int score;
  int nodes;
  int bestMove;
};

Result search(int nodeLimit, int maxPly = 28) {
  Result r{0, 0, -1};
  r.score = threatSearch(sideX, sideO, 0, 10000, 0, maxPly, &r.nodes, nodeLimit, r.bestMove);
  return r;
}

class ThreatSearchTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
};

TEST_F(ThreatSearchTest, ProvesWinsAndNamesTheFirstWinningMove) {
  const struct {
    const char* name;
    Rows rows;
    int score;
    int x, y;  // first move of the win
  } cases[] = {
      {"fours lead to a double four", kFoursWin, 7995, 5, 3},
      {"a double three", kDoubleThreeWin, 7995, 7, 5},
  };
  for (const auto& c : cases) {
    const auto p = testing::loadPosition(15, 15, c.rows);
    ASSERT_EQ(mateCheck(sideX, sideO, 0), 0) << c.name << ": no win the mate check already sees";
    const Result r = search(1'000'000);
    EXPECT_EQ(r.score, c.score) << c.name;
    EXPECT_EQ(r.bestMove, p.slot(c.x, c.y)) << c.name;
    EXPECT_GT(r.nodes, 0) << c.name;
  }
}

TEST_F(ThreatSearchTest, FindsNoWinWhereTheLineFails) {
  testing::loadPosition(15, 15, kNothing);
  EXPECT_EQ(search(1'000'000).score, 0);
}

// Within one horizon the double three is proven lost for the defender unless
// it has a counter-four to play first.
TEST_F(ThreatSearchTest, CounterFourDefersTheProof) {
  testing::loadPosition(15, 15, kDoubleThreeWin);
  EXPECT_EQ(search(1'000'000, 2).score, 7995);
  testing::loadPosition(15, 15, kWithCounterFour);
  EXPECT_EQ(search(1'000'000, 2).score, 0);
  EXPECT_EQ(search(1'000'000, 4).score, 7993) << "the counter-four only delays the five";
}

TEST_F(ThreatSearchTest, NodeLimitStopsTheSearch) {
  testing::loadPosition(15, 15, kFoursWin);
  const Result none = search(0);
  EXPECT_EQ(none.score, 0);
  EXPECT_EQ(none.nodes, 0);
  EXPECT_EQ(none.bestMove, -1);
  EXPECT_EQ(search(1'000'000, 1).score, 0) << "no horizon fits below ply 1";
}

TEST_F(ThreatSearchTest, SearchIsDeterministicAndRestoresTheModel) {
  testing::loadPosition(15, 15, kWithCounterFour);
  std::vector<int> needs(sideX.need, sideX.need + sideX.windowCount);
  const Result first = search(5000);
  const Result second = search(5000);
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.nodes, second.nodes);
  EXPECT_EQ(first.bestMove, second.bestMove);
  EXPECT_EQ(std::vector<int>(sideX.need, sideX.need + sideX.windowCount), needs);
}

}  // namespace
}  // namespace morvel

namespace morvel {
namespace {

// Twelve split threes of the defender, none sharing a cell, against an open
// two: after each attacking three every counter-four combination is a
// candidate defence, and the search must still end promptly.
TEST(ThreatSearchScale, ManyCounterFoursEndPromptly) {
  const char* splitThrees = "O.O.O...O.O.O...O.O.O";
  testing::loadPosition(21, 21, {splitThrees, "", "", splitThrees, "", "", splitThrees, "", "", splitThrees, "", "",
                                 "", "", "", ".........XX"});
  ASSERT_EQ(mateCheck(sideO, sideX, 1), 0) << "no double four for the defender";
  int nodes = 0, move = -1;
  const int result = threatSearch(sideX, sideO, 0, 10000, 0, 28, &nodes, 1'000'000, move);
  EXPECT_GE(result, 0);
  EXPECT_GT(nodes, 0);
  releaseBoard();
}

}  // namespace
}  // namespace morvel
