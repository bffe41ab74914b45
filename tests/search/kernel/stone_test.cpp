#include "search/kernel/stone.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/position.h"

namespace morvel {
namespace {

class StoneTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
};

std::vector<int> buckets(const SideState& side) { return {side.bucketStart, side.bucketStart + kBucketCount}; }

TEST_F(StoneTest, FirstStoneKillsEveryOtherWindowThroughItIntoBucketSix) {
  auto p = testing::loadPosition(15, 15, {});
  const int slot = p.slot(7, 7);
  const auto before = buckets(sideO);
  UndoRecord record;
  placeStone(sideX, sideO, slot, 6, record);
  EXPECT_EQ(sideO.bucketStart[6], 572 - 20);
  for (int j = 0; j < 20; ++j) {
    const int w = sideO.cellWindows[slot][j];
    EXPECT_EQ(record.raised[j], 1);
    EXPECT_EQ(sideO.need[w], 6);
    EXPECT_GE(sideO.rankPos[w], 552);
  }
  // Each raised window becomes the first of bucket 6, so the last one raised ends first.
  EXPECT_EQ(sideO.rankOrder[552], sideO.cellWindows[slot][19]);
  EXPECT_EQ(sideX.bucketStart[5], 20);
  EXPECT_EQ(record.slot, slot);
  EXPECT_EQ(record.limit, 6);
  undoStone(sideX, sideO, record);
  EXPECT_EQ(buckets(sideO), before);
}

TEST_F(StoneTest, CompletingAFourMovesTheWindowToBucketZero) {
  auto p = testing::loadPosition(9, 9, {"XXXX"});
  UndoRecord record;
  placeStone(sideX, sideO, p.slot(4, 0), 6, record);
  EXPECT_EQ(sideX.bucketStart[1], 1);
  EXPECT_EQ(sideX.need[sideX.rankOrder[0]], 0);
  undoStone(sideX, sideO, record);
  EXPECT_EQ(sideX.bucketStart[1], 0);
}

TEST_F(StoneTest, LowLimitSkipsDeadWindows) {
  auto p = testing::loadPosition(9, 9, {
      ".OO.....",
      ".X......",
      ".X......",
      ".X......"});
  const int slot = p.slot(1, 4);
  UndoRecord record;
  // O stone on (1,4): O's windows through it with need >= 3 stay; X's windows
  // through it with need 2 are raised to 3 and those with need 4 record -1.
  placeStone(sideO, sideX, slot, 3, record);
  int raisedToThree = 0, untouched = 0;
  for (int j = 0; j < sideX.cellWindowCount[slot]; ++j) {
    const int w = sideX.cellWindows[slot][j];
    if (record.raised[j] == 1) {
      EXPECT_EQ(sideX.need[w], 3);
      ++raisedToThree;
    }
    if (record.raised[j] == -1) ++untouched;
  }
  EXPECT_EQ(raisedToThree, 1);  // the column window of rows 1..5 needs 2
  EXPECT_GT(untouched, 0);
  for (int i = 0; i < sideO.cellWindowCount[slot]; ++i) {
    const int w = sideO.cellWindows[slot][i];
    EXPECT_TRUE(hasMember(sideO.windows[w], slot)) << "limit 3 leaves windows of need >= 3 alone";
  }
  undoStone(sideO, sideX, record);
}

TEST_F(StoneTest, SlotWithoutOtherWindowsWritesOnlySlotAndLimit) {
  // O stones at (1,0), (0,1) and (1,1) kill every X window through the corner.
  auto p = testing::loadPosition(5, 5, {".O", "OO"});
  const int slot = p.slot(0, 0);
  ASSERT_EQ(sideX.cellWindowCount[slot], 0);
  UndoRecord record;
  for (int& r : record.raised) r = 12345;
  placeStone(sideO, sideX, slot, 6, record);
  for (int r : record.raised) EXPECT_EQ(r, 12345);
  EXPECT_EQ(record.slot, slot);
  EXPECT_EQ(record.limit, 6);
  undoStone(sideO, sideX, record);
}

// Hand-built ranking: windows A and B with need 3 at positions 4 and 5, only B
// through the slot. The undo leaves them exchanged.
TEST_F(StoneTest, UndoExchangesWindowsInsideABucket) {
  ASSERT_EQ(setupBoard(9, 9), 0);
  SideState mover = sideX;
  SideState other = sideO;
  mover.windowCount = 6;
  const int needs[6] = {1, 1, 2, 2, 3, 3};
  for (int w = 0; w < 6; ++w) {
    mover.need[w] = needs[w];
    mover.rankOrder[w] = w;
    mover.rankPos[w] = w;
  }
  const int starts[7] = {0, 0, 2, 4, 6, 6, 6};
  for (int k = 0; k < kBucketCount; ++k) mover.bucketStart[k] = k < 7 ? starts[k] : 6;
  const int slot = 40, a = 4, b = 5;
  mover.cellWindowCount[slot] = 1;
  mover.cellWindows[slot][0] = b;
  other.cellWindowCount[slot] = 0;
  insertMember(mover.windows[b], slot);
  UndoRecord record;
  placeStone(mover, other, slot, 6, record);
  EXPECT_EQ(mover.rankOrder[4], b);
  EXPECT_EQ(mover.rankOrder[5], a);
  EXPECT_EQ(mover.bucketStart[3], 5);
  undoStone(mover, other, record);
  EXPECT_EQ(mover.bucketStart[3], 4);
  EXPECT_EQ(mover.rankOrder[4], b);
  EXPECT_EQ(mover.rankOrder[5], a);
  EXPECT_EQ(mover.need[b], 3);
  EXPECT_TRUE(hasMember(mover.windows[b], slot));
}

}  // namespace
}  // namespace morvel
