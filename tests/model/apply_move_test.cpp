#include "model/apply_move.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/board.h"
#include "support/model_check.h"

namespace morvel {
namespace {

class ApplyMoveTest : public ::testing::Test {
 protected:
  void start(int w, int h) {
    width = w;
    height = h;
    ASSERT_EQ(setupBoard(w, h), 0);
    stones.assign(static_cast<std::size_t>(w * h), '.');
  }
  void play(int x, int y, char letter) {
    applyMove(x + y * width, letter);
    stones[x + y * width] = letter;
  }
  void TearDown() override { releaseBoard(); }
  int width = 0, height = 0;
  std::vector<char> stones;
};

TEST_F(ApplyMoveTest, CentreStoneOnFifteen) {
  start(15, 15);
  play(7, 7, 'X');
  EXPECT_EQ(sideX.windowCount, 572);
  EXPECT_EQ(sideO.windowCount, 552);
  EXPECT_EQ(freeSlotCount, 224);
  EXPECT_EQ(cellToSlot[224], 112);
  EXPECT_EQ(slotToCell[112], 224);
  for (SideState* side : {&sideX, &sideO}) {
    int holding = 0;
    for (int w = 0; w < side->windowCount; ++w) holding += hasMember(side->windows[w], 112);
    EXPECT_EQ(holding, 3);
  }
  EXPECT_EQ(testing::checkModelAgainstStones(15, 15, stones), "");
}

TEST_F(ApplyMoveTest, PlayingTheHighestSlotMovesNoOtherCell) {
  start(9, 9);
  play(8, 8, 'O');
  EXPECT_EQ(freeSlotCount, 80);
  for (int c = 0; c < 80; ++c) EXPECT_EQ(cellToSlot[c], c);
  EXPECT_EQ(testing::checkModelAgainstStones(9, 9, stones), "");
}

TEST_F(ApplyMoveTest, OpponentStoneLeavesNoEngineWindowThroughIt) {
  start(10, 10);
  const int s = cellToSlot[3 + 4 * 10];
  std::vector<int> before;
  int through = 0;
  for (int w = 0; w < sideO.windowCount; ++w) {
    before.push_back(countMembers(sideO.windows[w]));
    through += hasMember(sideO.windows[w], s);
  }
  play(3, 4, 'O');
  // Slot s now names another cell, so count members instead of testing s;
  // the model check below shows that no engine window holds the stone's cell.
  int shrunk = 0;
  for (int w = 0; w < sideO.windowCount; ++w) shrunk += countMembers(sideO.windows[w]) == before[w] - 1;
  EXPECT_EQ(shrunk, through);
  EXPECT_EQ(through, 17);
  EXPECT_EQ(testing::checkModelAgainstStones(10, 10, stones), "");
}

TEST_F(ApplyMoveTest, SurvivingWindowsKeepTheirOrder) {
  start(8, 8);
  play(4, 4, 'X');
  play(2, 5, 'O');
  play(0, 0, 'X');
  play(7, 1, 'O');
  // The checker walks the enumeration in order, so any reordering shows.
  EXPECT_EQ(testing::checkModelAgainstStones(8, 8, stones), "");
}

TEST_F(ApplyMoveTest, CellWithoutSlotChangesNothing) {
  start(7, 7);
  play(3, 3, 'X');
  const int cell = 0;
  cellToSlot[cell] = kNoSlot;  // as a think step marks the cells it cuts away
  const int xWindows = sideX.windowCount, oWindows = sideO.windowCount, free = freeSlotCount;
  std::vector<std::uint32_t> words;
  for (SideState* side : {&sideX, &sideO}) {
    for (int w = 0; w < side->windowCount; ++w) {
      words.insert(words.end(), side->windows[w].words, side->windows[w].words + side->windows[w].wordCount);
    }
  }
  std::vector<int> slots(cellToSlot, cellToSlot + 49);
  applyMove(cell, 'O');
  EXPECT_EQ(sideX.windowCount, xWindows);
  EXPECT_EQ(sideO.windowCount, oWindows);
  EXPECT_EQ(freeSlotCount, free);
  std::vector<std::uint32_t> after;
  for (SideState* side : {&sideX, &sideO}) {
    for (int w = 0; w < side->windowCount; ++w) {
      after.insert(after.end(), side->windows[w].words, side->windows[w].words + side->windows[w].wordCount);
    }
  }
  EXPECT_EQ(after, words);
  EXPECT_EQ(std::vector<int>(cellToSlot, cellToSlot + 49), slots);
}

}  // namespace
}  // namespace morvel
