#include "think/think.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>

#include "support/position.h"
#include "think/think_state.h"
#include "search/kernel/stop_signal.h"
#include "think/time_control.h"

namespace morvel {
namespace {

using Rows = std::initializer_list<const char*>;

// A clock that never moves and a schedule fixed in advance: the same search
// on every run.
class ThinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    installClock({[] { return Ticks{123456789}; }, 1'000'000'000});
    fixedSchedule = &schedule;
    thinkOutput = &messages;
  }
  void TearDown() override {
    installClock(systemClock());
    fixedSchedule = nullptr;
    thinkOutput = nullptr;
    releaseBoard();
  }
  const FixedSchedule schedule{200'000, 50'000, 6};
  std::ostringstream messages;
};

TEST_F(ThinkTest, ImmediateAnswers) {
  const struct {
    const char* name;
    int width;
    Rows rows;
    int x, y;  // expected move, or -1
  } cases[] = {
      {"five at once", 15, {"", ".XXXX", "", ".OOO.O"}, 0, 1},
      {"the only candidate", 5, {"XXOOX", "OOXXO", "XXOOX", "OOXXO", "OOOO."}, 4, 4},
      {"no live window left", 5, {"XXOOX", "OOXXO", "XXOOX", "OOXXO", "XXOO."}, -1, -1},
  };
  for (const auto& c : cases) {
    messages.str("");
    const auto p = testing::loadPosition(c.width, c.width, c.rows);
    const int move = think('X', 0, 0);
    if (c.x < 0) {
      EXPECT_EQ(move, -1) << c.name;
    } else {
      EXPECT_TRUE(move == p.cell(c.x, c.y) || (c.x == 0 && move == p.cell(5, 1))) << c.name << ": " << move;
    }
    EXPECT_EQ(messages.str(), "") << c.name;
  }
}

// A win by continuous threats too deep for the shallow ordering to see: the
// split three at (4,6) starts it, and the five stands on the engine's fourth
// move from now.
TEST_F(ThinkTest, ForcedWinIsAnnouncedBeforeItsFirstMove) {
  const auto p = testing::loadPosition(15, 15,
                                       {"", "", "", "", ".....OX", "....X..O", "......O.OX", ".....X",
                                        "....X..O", ".....XO"});
  EXPECT_EQ(think('X', 0, 0), p.cell(4, 6));
  EXPECT_EQ(messages.str(), "MESSAGE 3...\n");
}

TEST_F(ThinkTest, SameMoveEveryRunWithTheSeamsFixed) {
  Rows middle = {"", "", "", "", "", ".....O", "......XO", ".....XXO", "....X.O", "", ""};
  int first = -2;
  for (int run = 0; run < 3; ++run) {
    testing::loadPosition(15, 15, middle);
    const int move = think('X', 0, 0);
    if (run == 0) first = move;
    EXPECT_EQ(move, first);
    EXPECT_GE(move, 0);
  }
}

TEST(TimeControl, BudgetsFromTheManagerLimits) {
  const struct { Ticks turn, left, hard, soft; } cases[] = {
      {1000, 100000, 900, 500},
      {1'000'000, 2000, 400, 200},
      {5000, 0, 0, 0},
      {-500, 100000, -450, -250},
  };
  for (const auto& c : cases) {
    const ThinkBudgets b = thinkBudgets(c.turn, c.left);
    EXPECT_EQ(b.hard, c.hard) << c.turn << " " << c.left;
    EXPECT_EQ(b.soft, c.soft) << c.turn << " " << c.left;
  }
}

TEST(TimeControl, NodeLimitsFromTheCalibration) {
  const struct { Ticks remaining, divisor, calibration; int limit; } cases[] = {
      {300'000, 30, 999, 10'000},
      {300'000, 150, 999, 2'000},
      {-300'000, 30, 999, -10'000},
      {3000, 30, 0, 99'900},                       // a counter that did not move counts as one tick
      {Ticks{1} << 50, 30, 1, 2'147'483'647},      // saturates instead of wrapping
  };
  for (const auto& c : cases) EXPECT_EQ(nodeLimitFor(c.remaining, c.divisor, c.calibration), c.limit);
}

}  // namespace
}  // namespace morvel

namespace morvel {
namespace {

Ticks tickingNow = 0;

// A clock that moves ten milliseconds every time it is read, so that the
// reply deadline passes at the same point of the search on every run.
class DeadlineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tickingNow = 0;
    installClock({[] { return tickingNow += 10'000'000; }, 1'000'000'000});
  }
  void TearDown() override {
    installClock(systemClock());
    releaseBoard();
  }
};

// A middle game from the benchmark, with nothing decided at once.
const std::initializer_list<const char*> kBusy = {"",           "",           "",           "",
                                                  "......O",    "....OXX",    "....XOO",    "......XXOX",
                                                  "......O.XO", ".......O.X", ".......XXOX", ".......OO..O",
                                                  "........X"};

TEST_F(DeadlineTest, SearchStopsAtTheManagersLimitWithALegalMove) {
  testing::loadPosition(15, 15, kBusy);
  const Ticks ms = 1'000'000;
  const int move = think('X', 40 * ms, 100'000 * ms);
  EXPECT_TRUE(searchStopped);
  ASSERT_GE(move, 0);
  EXPECT_TRUE(cellHasSlot(move)) << "an empty cell of a live window";
}

TEST_F(DeadlineTest, LimitAlreadyPassedPlaysTheBestOrderedCell) {
  testing::loadPosition(15, 15, kBusy);
  const Ticks ms = 1'000'000;
  const int move = think('X', -100 * ms, 100'000 * ms);
  EXPECT_EQ(move, slotToCell[0]);
}

}  // namespace
}  // namespace morvel
