#include "think/search_state.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/apply_move.h"
#include "support/model_check.h"
#include "support/position.h"

namespace morvel {
namespace {

class SearchStateTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
};

TEST_F(SearchStateTest, EmptyBoardPutsEveryWindowInBucketFive) {
  testing::loadPosition(15, 15, {});
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(sideX.bucketStart[k], 0);
  EXPECT_EQ(sideX.bucketStart[6], 572);
  EXPECT_EQ(sideO.bucketStart[174], 572);
  EXPECT_EQ(sideX.cellWindowCount[7 + 7 * 15], 20);
}

TEST_F(SearchStateTest, RankingSortsByNeedThenWindowIndex) {
  const auto p = testing::loadPosition(9, 9, {"XXX", "", "", "", "......X"});
  int previousNeed = 0, previousWindow = -1;
  for (int pos = 0; pos < sideX.windowCount; ++pos) {
    const int w = sideX.rankOrder[pos];
    EXPECT_EQ(sideX.rankPos[w], pos);
    EXPECT_EQ(sideX.need[w], countMembers(sideX.windows[w]));
    if (sideX.need[w] == previousNeed) {
      EXPECT_GT(w, previousWindow);
    }
    EXPECT_GE(sideX.need[w], previousNeed);
    previousNeed = sideX.need[w];
    previousWindow = w;
  }
  // The row window with three stones is the only one of need 2.
  EXPECT_EQ(sideX.bucketStart[2], 0);
  EXPECT_EQ(sideX.bucketStart[3], 1);
  EXPECT_EQ(sideX.need[sideX.rankOrder[0]], 2);
  EXPECT_TRUE(hasMember(sideX.windows[sideX.rankOrder[0]], p.slot(3, 0)));
}

TEST_F(SearchStateTest, FiveOnTheBoardIsRankedFirst) {
  testing::loadPosition(9, 9, {"OOOOO"});
  EXPECT_EQ(sideO.bucketStart[0], 0);
  EXPECT_EQ(sideO.bucketStart[1], 1);
  EXPECT_EQ(sideO.need[sideO.rankOrder[0]], 0);
}

TEST_F(SearchStateTest, CompactionRenumbersCandidatesBestFirst) {
  const auto p = testing::loadPosition(9, 9, {"X"});
  const int cells[3] = {p.cell(2, 2), p.cell(0, 1), p.cell(8, 8)};
  const int candidates[3] = {p.slot(2, 2), p.slot(0, 1), p.slot(8, 8)};
  std::vector<int> windowsBefore;
  for (int c : candidates) windowsBefore.push_back(sideO.cellWindowCount[c]);
  compactSlots(candidates, 3);
  EXPECT_EQ(freeSlotCount, 3);
  for (int j = 0; j < 3; ++j) {
    EXPECT_EQ(cellToSlot[cells[j]], j);
    EXPECT_EQ(slotToCell[j], cells[j]);
    EXPECT_EQ(sideO.cellWindowCount[j], windowsBefore[j]);
  }
  for (SideState* side : {&sideX, &sideO}) {
    for (int w = 0; w < side->windowCount; ++w) {
      for (int s = 3; s < 81; ++s) EXPECT_FALSE(hasMember(side->windows[w], s));
    }
    for (int j = 0; j < 3; ++j) {
      for (int i = 0; i < side->cellWindowCount[j]; ++i) {
        EXPECT_TRUE(hasMember(side->windows[side->cellWindows[j][i]], j));
      }
    }
  }
  EXPECT_FALSE(cellHasSlot(p.cell(5, 5)));
  EXPECT_FALSE(cellHasSlot(p.cell(0, 0)));
}

// After a compaction that keeps every cell of a live window, a real stone on a
// cell that left the slot space changes nothing, and play goes on exactly.
TEST_F(SearchStateTest, StoneOnADroppedCellAfterCompaction) {
  // Both colours in each of the three windows through the corner (0,0).
  auto p = testing::loadPosition(7, 7, {".XO", "XX", "O.O"});
  std::vector<int> kept;
  for (int s = 0; s < freeSlotCount; ++s) {
    if (sideX.cellWindowCount[s] + sideO.cellWindowCount[s] > 0) kept.push_back(s);
  }
  compactSlots(kept.data(), static_cast<int>(kept.size()));
  ASSERT_EQ(testing::checkModelAgainstStones(7, 7, p.stones), "");
  ASSERT_FALSE(cellHasSlot(p.cell(0, 0)));
  const int free = freeSlotCount, xWindows = sideX.windowCount, oWindows = sideO.windowCount;
  applyMove(p.cell(0, 0), 'O');
  p.stones[p.cell(0, 0)] = 'O';
  EXPECT_EQ(freeSlotCount, free);
  EXPECT_EQ(sideX.windowCount, xWindows);
  EXPECT_EQ(sideO.windowCount, oWindows);
  EXPECT_EQ(testing::checkModelAgainstStones(7, 7, p.stones), "");
  const int best = slotToCell[0];
  applyMove(best, 'X');
  p.stones[best] = 'X';
  EXPECT_EQ(testing::checkModelAgainstStones(7, 7, p.stones), "");
}

}  // namespace
}  // namespace morvel
