#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/brain_process.h"
#include "support/session_match.h"

namespace morvel {
namespace {

TEST(BrainProcess, EndAndEndOfInputExitCleanly) {
  const struct { const char* script; std::vector<std::string> expected; } cases[] = {
      {"START 15\nEND\n", {"OK"}},
      {"START 15\nTURN 7,7\n", {"OK", "*"}},
      {"", {}},
      {"START 15\nBOARD\n7,7,1\n", {"OK"}},
      {"START 15\nINFO timeout_turn", {"OK"}},
      {"ABOUT\r\nEND\r\n", {"         Morvel v1.2", "by the Morvel developers, 2026",
                            "https://github.com/morvel-engine/morvel", ""}},
  };
  for (const auto& c : cases) {
    const auto run = testing::runBrain(c.script);
    EXPECT_EQ(run.exitStatus, 0) << c.script;
    EXPECT_EQ(testing::matchSession(run.output, c.expected), "") << c.script;
  }
}

TEST(BrainProcess, ManagerSessionWithBadInput) {
  const std::string script =
      "ABOUT\nINFO timeout_turn 1000\nINFO time_left 100000\nTURN 1,1\nRECTSTART 20,15\n"
      "TURN 10,7\nturn 20,1\nTURN 10,7\nPLAY 3,3\nBOARD\n10,7,2\n11,7,1\nfoo\nDONE\n"
      "BOARD\r\n10,7,2\r\n11,8,1\r\nDONE\r\nRESTART\nBEGIN\nEND\n";
  const auto run = testing::runBrain(script);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(testing::matchSession(run.output,
                                  {"         Morvel v1.2", "by the Morvel developers, 2026",
                                   "https://github.com/morvel-engine/morvel", "",
                                   "ERROR no game in progress: send START or RECTSTART first", "OK", "*",
                                   "ERROR coordinates outside the board", "ERROR cell is already occupied",
                                   "UNKNOWN", "UNKNOWN", "ERROR expected x,y,owner lines before DONE", "*", "OK",
                                   "*"},
                                  20, 15),
            "");
}

}  // namespace
}  // namespace morvel
