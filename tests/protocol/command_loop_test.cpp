#include "protocol/command_loop.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/session_match.h"

namespace morvel {
namespace {

const std::string kSizeError = "ERROR board size must be in range 5..21";
const std::string kNoGame = "ERROR no game in progress: send START or RECTSTART first";
const std::string kOutside = "ERROR coordinates outside the board";
const std::string kOccupied = "ERROR cell is already occupied";
const std::string kBadTurn = "ERROR expected TURN x,y";
const std::string kBadBoard = "ERROR expected x,y,owner lines before DONE";

std::string runScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  EXPECT_EQ(runCommandLoop(in, out), 0);
  return out.str();
}

struct Session {
  const char* name;
  std::string script;
  std::vector<std::string> expected;
};

TEST(CommandLoop, ScriptedSessions) {
  const std::string longWord(300, 'A');
  const std::vector<Session> sessions = {
      {"start in any case", "start 15\nStart 15\nSTART 15\n", {"OK", "OK", "OK"}},
      {"size limits", "START 4\nSTART 22\nRECTSTART 21,5\nRECTSTART 5,22\nSTART 5\nSTART 21\n",
       {kSizeError, kSizeError, "OK", kSizeError, "OK", "OK"}},
      {"malformed sizes", "START x\nRECTSTART 10\nRECTSTART 10,10,10\nSTART 99999999999\n",
       {kSizeError, kSizeError, kSizeError, kSizeError}},
      {"unknown words", "PLAY 7,7\nHELLO\n", {"UNKNOWN", "UNKNOWN", "UNKNOWN"}},
      {"about banner", "ABOUT\n",
       {"         Morvel v1.2", "by the Morvel developers, 2026", "https://github.com/morvel-engine/morvel", ""}},
      {"game commands before start", "TURN 7,7\nBEGIN\nRESTART\nBOARD\n1,1,1\nDONE\n",
       {kNoGame, kNoGame, kNoGame, kNoGame}},
      {"bad turns leave the game playable",
       "START 15\nTURN 15,3\nTURN -1,0\nTURN 7\nTURN a,b\nTURN 7,7,7\nTURN " + longWord + "\nTURN 7,7\nTURN 7,7\n",
       {"OK", kOutside, kOutside, kBadTurn, kBadTurn, kBadTurn, kBadTurn, "*", kOccupied}},
      {"refused size keeps the game", "START 15\nTURN 7,7\nSTART 30\nTURN 7,7\nTURN 8,8\n",
       {"OK", "*", kSizeError, kOccupied, "*"}},
      {"overlong command word is unknown", "START 15\n" + longWord + "\nSTART" + longWord + "\n",
       {"OK", "UNKNOWN", "UNKNOWN"}},
      {"carriage returns are white space",
       "START 15\r\nINFO timeout_turn 1000\r\nTURN 7,7\r\nBOARD\r\n7,7,2\r\n8,8,1\r\nDONE\r\nEND\r\n",
       {"OK", "*", "*"}},
      {"bad board line leaves the game as it was", "START 15\nBOARD\n7,7,1\n99,1,2\nDONE\nTURN 7,7\n",
       {"OK", kOutside, "*"}},
      {"board rejects malformed and repeated lines", "START 15\nBOARD\n7,7\nDONE\nBOARD\n7,7,1\n7,7,2\nDONE\n",
       {"OK", kBadBoard, kOccupied}},
      {"board resent in the middle of a game", "START 15\nTURN 7,7\nBOARD\n7,7,2\nDONE\nBOARD\n7,7,2\nDONE\n",
       {"OK", "*", "*", "*"}},
      {"info writes nothing", "INFO timeout_turn 5000\nINFO time_left\nINFO\nINFO rule 1\n", {}},
      {"board filling every cell", "START 5\nBOARD\n" + [] {
         std::string s;
         for (int c = 0; c < 25; ++c) s += std::to_string(c % 5) + "," + std::to_string(c / 5) + "," +
                                          std::to_string(1 + c % 2) + "\n";
         return s;
       }() + "DONE\n",
       {"OK", "ERROR no free cell left"}},
      {"end stops reading", "START 15\nEND\nSTART 15\n", {"OK"}},
      {"end of input inside a board block", "START 15\nBOARD\n7,7,1\n", {"OK"}},
  };
  for (const auto& s : sessions) {
    EXPECT_EQ(testing::matchSession(runScript(s.script), s.expected), "") << s.name;
  }
}

TEST(CommandLoop, InfoSetsBudgetsInCounterTicks) {
  installClock({[] { return Ticks{0}; }, 1000});
  const struct { const char* script; Ticks turn, left; } cases[] = {
      {"", 0, 0},
      {"INFO timeout_turn 900\n", 400, 0},
      {"INFO time_left 499\n", 0, -1},
      {"INFO Timeout_Turn 500\nINFO TIME_LEFT 0\n", 0, -500},
      {"INFO timeout_match 90000\nINFO timeout_turn 1x\n", 0, 0},
      {"INFO timeout_turn 1500\r\n", 1000, 0},
  };
  for (const auto& c : cases) {
    runScript(c.script);
    EXPECT_EQ(protocol.turnBudget, c.turn) << c.script;
    EXPECT_EQ(protocol.leftBudget, c.left) << c.script;
  }
  installClock(systemClock());
}

TEST(CommandLoop, BeginOpensNearTheCentre) {
  const struct { int size, low, high; } cases[] = {{15, 5, 9}, {20, 8, 12}, {5, 0, 4}};
  for (const auto& c : cases) {
    for (int game = 0; game < 20; ++game) {
      const auto lines = testing::splitLines(runScript("START " + std::to_string(c.size) + "\nBEGIN\n"));
      ASSERT_EQ(lines.size(), 2u);
      const auto comma = lines[1].find(',');
      const int x = std::stoi(lines[1].substr(0, comma));
      const int y = std::stoi(lines[1].substr(comma + 1));
      EXPECT_TRUE(x >= c.low && x <= c.high && y >= c.low && y <= c.high) << lines[1];
    }
  }
}

TEST(CommandLoop, MoveOnAWideBoardIsColumnThenRow) {
  std::istringstream in("START 20\n");
  std::ostringstream out;
  runCommandLoop(in, out);
  // Cells 0..46 of a 20-wide board are taken, so the lowest free cell is 47.
  for (int c = 0; c < 47; ++c) protocol.stoneAt[c] = true;
  EXPECT_EQ(fallbackMove(), 47);
  EXPECT_EQ(47 % 20, 7);
  EXPECT_EQ(47 / 20, 2);
}

TEST(CommandLoop, RestartKeepsOccupancyMarksForTheFallback) {
  std::istringstream in("START 5\nBOARD\n0,0,1\n1,0,2\nDONE\nRESTART\n");
  std::ostringstream out;
  runCommandLoop(in, out);
  ASSERT_EQ(testing::splitLines(out.str()).back(), "OK");
  // Old game's stones and the engine's reply are still marked; the new game is empty.
  for (int c = 0; c < 25; ++c) EXPECT_FALSE(protocol.stoneAt[c]);
  const int first = fallbackMove();
  EXPECT_GE(first, 2);
  EXPECT_EQ(protocol.occupied[first], 0);
  // With every cell marked, a free cell of the new game is still playable.
  for (int c = 0; c < 25; ++c) protocol.occupied[c] = 1;
  EXPECT_EQ(fallbackMove(), 0);
}

}  // namespace
}  // namespace morvel
