#include "search/alphabeta/candidates.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "support/position.h"

namespace morvel {
namespace {

using Rows = std::initializer_list<const char*>;

class CandidatesTest : public ::testing::Test {
 protected:
  void TearDown() override { releaseBoard(); }
  std::vector<int> generate(int minCount) {
    const int n = generateScoredCandidates(sideX, sideO, candidates, 1, minCount, moveScores);
    return {candidates, candidates + n};
  }
  int candidates[kMaxCells];
  int moveScores[kMaxCells];
};

TEST_F(CandidatesTest, ThreatsOfTheOpponentDecideTheSet) {
  {
    const auto p = testing::loadPosition(15, 15, {"OOOO.", "", "X"});
    EXPECT_EQ(generate(12), std::vector<int>{p.slot(4, 0)}) << "the block of a four, whatever minCount";
    EXPECT_EQ(moveScores[p.slot(4, 0)], 0);
  }
  {
    const auto p = testing::loadPosition(15, 15, {".OOO", "", "", "", "", "", "X"});
    EXPECT_EQ(generate(12), (std::vector<int>{p.slot(0, 0), p.slot(4, 0), p.slot(5, 0)}))
        << "the three cells of a double-four point";
  }
  {
    testing::loadPosition(15, 15, {".OOO", "", "", "", "", "X", "", "", "", "", ".OOO"});
    EXPECT_EQ(generate(12).size(), 0u) << "double-four points that no cell meets";
  }
}

TEST_F(CandidatesTest, QuietSetWidensOnlyWhenTooSmall) {
  testing::loadPosition(15, 15, {"", "", "", "", "", "", "", ".......X"});
  EXPECT_EQ(generate(12).size(), 32u) << "cells of the windows through the stone";
  EXPECT_EQ(generate(40).size(), 224u) << "every cell of a live window";
}

TEST_F(CandidatesTest, OrderingScoreAdvancesOwnWindowsAndBlocksTheOpponents) {
  const auto p = testing::loadPosition(15, 15, {"", "", "", "", "", "", "", ".......X"});
  generate(12);
  // Next to the stone: four own windows of need 4 (99 each), sixteen
  // untouched (1 each); the opponent's windows there are all untouched (0).
  EXPECT_EQ(moveScores[p.slot(8, 7)], 4 * 99 + 16);
  const auto q = testing::loadPosition(15, 15, {"", "", "", "", "", "", "", ".......O"});
  generate(12);
  EXPECT_EQ(moveScores[q.slot(8, 7)], 4 * 1 + 16);
}

}  // namespace
}  // namespace morvel
