#include "model/board.h"

#include <gtest/gtest.h>

#include <set>

namespace morvel {
namespace {

class BoardTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
};

TEST_F(BoardTest, WindowCountsOnSquareAndRectangularBoards) {
  const struct { int w, h, windows; } cases[] = {
      {5, 5, 12}, {15, 15, 572}, {5, 21, 140}, {21, 5, 140}, {21, 21, 1292}, {20, 20, 1152}, {7, 6, 44}};
  for (const auto& c : cases) {
    EXPECT_EQ(windowCountFor(c.w, c.h), c.windows) << c.w << "x" << c.h;
    ASSERT_EQ(setupBoard(c.w, c.h), 0);
    EXPECT_EQ(sideX.windowCount, c.windows);
    EXPECT_EQ(sideO.windowCount, c.windows);
  }
}

TEST_F(BoardTest, FiveByFiveNumbering) {
  // Rows first, then columns, then the diagonal, then the anti-diagonal.
  const struct { int window; int cells[5]; } cases[] = {
      {0, {0, 1, 2, 3, 4}},     {4, {20, 21, 22, 23, 24}}, {5, {0, 5, 10, 15, 20}},
      {9, {4, 9, 14, 19, 24}},  {10, {0, 6, 12, 18, 24}},  {11, {4, 8, 12, 16, 20}}};
  for (const auto& c : cases) {
    int cells[5];
    windowCells(c.window, 5, 5, cells);
    for (int t = 0; t < 5; ++t) EXPECT_EQ(cells[t], c.cells[t]) << "window " << c.window;
  }
}

TEST_F(BoardTest, RectangularNumberingFollowsTheBlockFormulas) {
  // 7 columns, 6 rows: Bh = 18, Bv = 14, Bd = 6.
  const int w = 7, h = 6;
  const struct { int window, x, y, dx, dy; } cases[] = {
      {0, 0, 0, 1, 0},  {1, 0, 1, 1, 0},  {6, 1, 0, 1, 0},  {17, 2, 5, 1, 0}, {18, 0, 0, 0, 1},
      {19, 1, 0, 0, 1}, {25, 0, 1, 0, 1}, {32, 0, 0, 1, 1}, {33, 0, 1, 1, 1}, {34, 1, 0, 1, 1},
      {38, 4, 0, -1, 1}, {39, 4, 1, -1, 1}, {43, 6, 1, -1, 1}};
  for (const auto& c : cases) {
    int cells[5];
    windowCells(c.window, w, h, cells);
    for (int t = 0; t < 5; ++t) {
      EXPECT_EQ(cells[t], (c.x + t * c.dx) + (c.y + t * c.dy) * w) << "window " << c.window;
    }
  }
  ASSERT_EQ(setupBoard(w, h), 0);
  std::set<std::set<int>> distinct;
  for (int i = 0; i < sideX.windowCount; ++i) {
    int cells[5];
    windowCells(i, w, h, cells);
    std::set<int> members;
    for (int s = 0; s < cellCount; ++s) {
      if (hasMember(sideX.windows[i], s)) members.insert(s);
    }
    EXPECT_EQ(members, std::set<int>(cells, cells + 5)) << "window " << i;
    distinct.insert(members);
  }
  EXPECT_EQ(static_cast<int>(distinct.size()), sideX.windowCount);
}

TEST_F(BoardTest, SetupStartsEveryCellOnItsOwnSlot) {
  ASSERT_EQ(setupBoard(21, 21), 0);
  EXPECT_EQ(cellCount, 441);
  EXPECT_EQ(freeSlotCount, 441);
  for (int c = 0; c < cellCount; ++c) {
    EXPECT_EQ(cellToSlot[c], c);
    EXPECT_EQ(slotToCell[c], c);
  }
  EXPECT_EQ(sideX.windows[0].wordCount, 14);
  EXPECT_EQ(plySets[35].wordCount, 14);
  EXPECT_EQ(poolSets[1300].wordCount, 14);
  for (int w = 0; w < sideO.windowCount; ++w) EXPECT_EQ(sideO.need[w], 5);
  EXPECT_EQ(secondSideWeight[1], 7999);
  EXPECT_EQ(firstSideWeight[1], 64);
  EXPECT_EQ(evalBase, 60);
}

TEST_F(BoardTest, WindowsThroughCornerAndCentre) {
  ASSERT_EQ(setupBoard(15, 15), 0);
  auto windowsThrough = [](int cell) {
    int n = 0;
    for (int w = 0; w < sideX.windowCount; ++w) n += hasMember(sideX.windows[w], cell);
    return n;
  };
  EXPECT_EQ(windowsThrough(0), 3);
  EXPECT_EQ(windowsThrough(7 + 7 * 15), 20);
}

TEST_F(BoardTest, ReleaseWithoutSetupAndSetupTwice) {
  releaseBoard();
  EXPECT_FALSE(boardIsSetUp());
  ASSERT_EQ(setupBoard(9, 9), 0);
  ASSERT_EQ(setupBoard(6, 8), 0);  // a second set-up replaces the first model
  EXPECT_EQ(cellCount, 48);
  EXPECT_EQ(sideX.windowCount, windowCountFor(6, 8));
  releaseBoard();
  releaseBoard();
  EXPECT_EQ(sideX.windowCount, 0);
}

}  // namespace
}  // namespace morvel
