// Random command streams, mixing valid commands, wrong arguments and noise:
// the loop must answer with known replies only, keep every move legal, and
// never crash (the sanitizer run checks the memory side).
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "protocol/command_loop.h"
#include "support/session_match.h"

namespace morvel {
namespace {

std::string randomNumber(std::mt19937& rng) {
  const char* odd[] = {"-1", "21", "99999999999", "x", "", "+3", "1e3", "0"};
  if (rng() % 4 == 0) return odd[rng() % 8];
  return std::to_string(rng() % 22);
}

std::string randomCommand(std::mt19937& rng) {
  switch (rng() % 14) {
    case 0: return "START " + randomNumber(rng) + "\n";
    case 1: return "RECTSTART " + randomNumber(rng) + "," + randomNumber(rng) + "\n";
    case 2: return "RESTART\r\n";
    case 3: return "BEGIN\n";
    case 4:
    case 5:
    case 6: return "TURN " + randomNumber(rng) + "," + randomNumber(rng) + "\n";
    case 7: {
      std::string block = "BOARD\n";
      for (int i = static_cast<int>(rng() % 6); i > 0; --i) {
        block += randomNumber(rng) + "," + randomNumber(rng) + "," + std::to_string(1 + rng() % 3) + "\n";
      }
      return block + "DONE\n";
    }
    case 8: return "INFO " + std::string(rng() % 2 ? "timeout_turn " : "time_left ") + randomNumber(rng) + "\n";
    case 9: return "ABOUT\n";
    case 10: return "PLAY 1,1\n";
    case 11: return std::string(rng() % 300, 'Z') + "\n";
    case 12: return std::string(1, static_cast<char>(rng() % 256)) + "\n";
    default: return "INFO timeout_turn 600\n";
  }
}

bool knownReply(const std::string& line) {
  static const std::set<std::string> fixed = {"OK", "UNKNOWN", "", "         Morvel v1.2", "by the Morvel developers, 2026",
                                               "https://github.com/morvel-engine/morvel"};
  return fixed.count(line) || line.rfind("ERROR ", 0) == 0 || line.rfind("MESSAGE ", 0) == 0 ||
         testing::isMoveLine(line, 21, 21);
}

TEST(ProtocolFuzz, RandomStreamsGetKnownRepliesOnly) {
  std::mt19937 rng(4242);
  for (int stream = 0; stream < 40; ++stream) {
    std::string script = "START " + std::to_string(5 + rng() % 17) + "\n";
    for (int i = 0; i < 60; ++i) script += randomCommand(rng);
    std::istringstream in(script);
    std::ostringstream out;
    ASSERT_EQ(runCommandLoop(in, out), 0);
    for (const auto& line : testing::splitLines(out.str())) {
      ASSERT_TRUE(knownReply(line)) << "stream " << stream << " replied: " << line;
    }
  }
}

}  // namespace
}  // namespace morvel
