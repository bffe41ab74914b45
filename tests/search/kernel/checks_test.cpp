// Table tests of the static checks on small board diagrams; X is the side to
// move, O the side that has just moved.
#include <gtest/gtest.h>

#include <initializer_list>

#include "search/kernel/double_four.h"
#include "search/kernel/mate_check.h"
#include "search/kernel/multi_threat.h"
#include "search/kernel/parry_check.h"
#include "support/position.h"

namespace morvel {
namespace {

using Rows = std::initializer_list<const char*>;

struct Case {
  const char* name;
  Rows rows;
  int ply;
  int expected;
};

class ChecksTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
};

// Shapes shared by several tables.
#define OPEN_THREE_AT_EDGE ".XXX"
#define O_FOUR_AT_EDGE "OOOO."

TEST_F(ChecksTest, MateCheck) {
  const Case cases[] = {
      {"opponent five comes first", {"OOOOO", "XXXX."}, 2, 2 - 8000},
      {"own four before opponent fours", {".XXXX", "", ".OOOO"}, 1, 7999 - 1},
      {"two opponent fours on different cells", {"", ".OOOO."}, 3, 3 - 7998},
      {"opponent fours sharing one cell are one four",
       {O_FOUR_AT_EDGE, "....O", "....O", "....O", "....O", "....X"}, 0, 0},
      {"forced block that is a double-four point",
       {O_FOUR_AT_EDGE, "...XX", "..X.X", ".X..X"}, 1, 7997 - 1},
      {"double four elsewhere does not help against a four",
       {O_FOUR_AT_EDGE, "....X", "....X", "....X", "", "", "", "", "........XXX"}, 1, 0},
      {"two windows with the same two empty cells", {"XX..XX"}, 0, 0},
      {"two windows sharing one cell", {OPEN_THREE_AT_EDGE}, 0, 7997},
      {"open three in the middle", {"", "", "", "", "", "", "", "", "........XXX"}, 4, 7997 - 4},
      {"three windows with six cells", {"X.X.X", "", "", "", "X.X.X", "", "", "", "X.X.X"}, 0, 0},
  };
  for (const auto& c : cases) {
    testing::loadPosition(15, 15, c.rows);
    EXPECT_EQ(mateCheck(sideX, sideO, c.ply), c.expected) << c.name;
  }
}

TEST_F(ChecksTest, MateCheckWithoutThreatsLeavesScratchAlone) {
  testing::loadPosition(15, 15, {"X", "", "O"});
  fillSet(plySets[3]);
  EXPECT_EQ(mateCheck(sideX, sideO, 3), 0);
  EXPECT_EQ(countMembers(plySets[3]), 32 * plySets[3].wordCount);
}

TEST_F(ChecksTest, ParryCheck) {
  const int lost = 2 - 7996;
  const Case cases[] = {
      {"one four can be blocked", {O_FOUR_AT_EDGE}, 2, 0},
      {"four and double four meet in one cell", {O_FOUR_AT_EDGE, "....O", "....O", "....O"}, 2, 0},
      {"two disjoint double-four points", {".OOO", "", "", "", "", "", "", "", "", "", ".OOO"}, 2, lost},
      {"counter-four forcing a block off the key cells",
       {".OOO", "", "", "", "", "........X.X.X", "", "", "", "", ".OOO"}, 2, 0},
      {"every counter-four is blocked on a key cell",
       {".OOO", "....X", "....X", "....X", ".....OOO", "....O"}, 2, lost},
      {"the same with a block that carries out no threat",
       {".OOO", "....X", "....X", "....X", "......OOO", "....O"}, 2, 0},
      {"counter-four off the forced block is ignored",
       {".OOO", "", "", "", "", "........X.X.X", "", "", "", "", "OOOO"}, 2, lost},
      {"counter-four on the forced block",
       {".OOO", "", "", "", "", "", "", "", "", "....O", "OOOO", "....X", "....X", "....X"}, 2, 0},
      {"decided positions return the mate check", {"OOOOO"}, 2, 2 - 8000},
  };
  for (const auto& c : cases) {
    testing::loadPosition(15, 15, c.rows);
    EXPECT_EQ(parryCheck(sideX, sideO, c.ply), c.expected) << c.name;
  }
}

TEST_F(ChecksTest, MultiThreatTerm) {
  const Case cases[] = {
      {"no threats", {"X", "", "O"}, 0, 0},
      {"one opponent double-four point", {".OOO"}, 0, 0},
      {"opponent double-four points sharing cells", {"", "", "", "", "", "", "", "", "........OOO"}, 0, 0},
      {"opponent double-four points apart",
       {".OOO", "", "", "", "", ".XXX......XXX", "", "", "", "", ".OOO"}, 0, -151},
      {"own double-four points apart", {".XXX", "", "", "", "", "", "", "", "", "", ".XXX"}, 0, 151},
      {"same two empty cells make no threat", {"OO..OO"}, 0, 0},
  };
  for (const auto& c : cases) {
    testing::loadPosition(15, 15, c.rows);
    EXPECT_EQ(multiThreatTerm(sideX, sideO), c.expected) << c.name;
  }
}

TEST_F(ChecksTest, DoubleFourMove) {
  const struct {
    const char* name;
    Rows rows;
    int x, y;  // expected cell, or -1
  } cases[] = {
      {"one pair", {OPEN_THREE_AT_EDGE}, 4, 0},
      {"first pair in rank order", {"", "", "", "", "", "", "", "", "........XXX"}, 7, 8},
      {"only the forced block counts",
       {O_FOUR_AT_EDGE, "...XX", "..X.X", ".X..X", "", "", "", "", "........XXX"}, 4, 0},
      {"same two empty cells do not qualify", {"XX..XX"}, -1, -1},
  };
  for (const auto& c : cases) {
    const auto p = testing::loadPosition(15, 15, c.rows);
    int move = -1;
    findDoubleFourMove(sideX, sideO, 1, move);
    EXPECT_EQ(move, c.x < 0 ? -1 : p.slot(c.x, c.y)) << c.name;
  }
}

}  // namespace
}  // namespace morvel

namespace morvel {
namespace {

// The opponent holds three of every five cells in every line of a 21x21
// board: every one of its windows needs two stones, and it has thousands of
// double-four points. The checks must fold them all within their scratch sets.
TEST(ChecksScale, ThousandsOfThreats) {
  testing::loadStripedBoard(3);
  ASSERT_EQ(sideO.bucketStart[3] - sideO.bucketStart[2], sideO.windowCount);
  EXPECT_EQ(parryCheck(sideX, sideO, 2), 2 - 7996);
  EXPECT_EQ(multiThreatTerm(sideX, sideO), -151);
  releaseBoard();
}

}  // namespace
}  // namespace morvel
