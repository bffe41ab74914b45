// Two fast games of the engine against itself through the match tool, as a
// manager plays them: no illegal move, no crash, no reply past its limit.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(MatchTool, SelfPlayGamesAreClean) {
  const std::string brain = MORVEL_BRAIN_PATH;
  const std::string command = std::string("python3 ") + MORVEL_TOOLS_DIR + "/match.py --brain " + brain +
                              " --brain " + brain + " --size 15 --turn-ms 800 --match-ms 20000 --max-moves 40 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  ASSERT_EQ(pclose(pipe), 0) << output;
  EXPECT_NE(output.find("game 2:"), std::string::npos) << output;
  EXPECT_NE(output.find("brain 1: illegal 0 crash 0 timeout 0"), std::string::npos) << output;
  EXPECT_NE(output.find("brain 2: illegal 0 crash 0 timeout 0"), std::string::npos) << output;
}

}  // namespace
