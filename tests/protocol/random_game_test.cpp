#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/board.h"
#include "protocol/command_loop.h"
#include "support/model_check.h"
#include "support/session_match.h"

namespace morvel {
namespace {

// Plays games of random legal opponent stones through the protocol and checks
// after every stone that the model matches the board.
class RandomGame {
 public:
  RandomGame(int width, int height, unsigned seed) : width_(width), height_(height), rng_(seed) {
    stones_.assign(static_cast<std::size_t>(width * height), '.');
  }

  std::string send(const std::string& command) {
    std::istringstream in(command);
    std::ostringstream out;
    EXPECT_EQ(runOneCommand(in, out), LoopStatus::Continue);
    return out.str();
  }

  void play(int maxStones) {
    resetProtocol();
    ASSERT_EQ(send("RECTSTART " + std::to_string(width_) + "," + std::to_string(height_) + "\n"), "OK\n");
    for (int turn = 0; turn < maxStones && freeCells() > 0; ++turn) {
      if (turn % 17 == 16) {
        resendBoard();
      } else {
        const int cell = randomFreeCell();
        stones_[cell] = 'O';
        readReply(send("TURN " + std::to_string(cell % width_) + "," + std::to_string(cell / width_) + "\n"));
      }
      ASSERT_EQ(testing::checkModelAgainstStones(width_, height_, stones_), "") << "after stone " << turn;
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

 private:
  int freeCells() const {
    int n = 0;
    for (char c : stones_) n += c == '.';
    return n;
  }

  int randomFreeCell() {
    std::vector<int> free;
    for (int c = 0; c < width_ * height_; ++c) {
      if (stones_[c] == '.') free.push_back(c);
    }
    return free[std::uniform_int_distribution<std::size_t>(0, free.size() - 1)(rng_)];
  }

  void resendBoard() {
    std::string block = "BOARD\n";
    for (int c = 0; c < width_ * height_; ++c) {
      if (stones_[c] == '.') continue;
      block += std::to_string(c % width_) + "," + std::to_string(c / width_) + "," + (stones_[c] == 'X' ? "1" : "2") +
               "\n";
    }
    readReply(send(block + "DONE\n"));
  }

  void readReply(const std::string& reply) {
    if (freeCells() == 0) {
      ASSERT_EQ(reply, "ERROR no free cell left\n");
      return;
    }
    ASSERT_TRUE(testing::isMoveLine(reply.substr(0, reply.size() - 1), width_, height_)) << reply;
    const auto comma = reply.find(',');
    const int cell = std::stoi(reply.substr(0, comma)) + std::stoi(reply.substr(comma + 1)) * width_;
    ASSERT_EQ(stones_[cell], '.') << "illegal move " << reply;
    stones_[cell] = 'X';
  }

  int width_, height_;
  std::mt19937 rng_;
  std::vector<char> stones_;
};

TEST(RandomGames, ModelStaysExactThroughWholeGames) {
  const struct { int width, height, games; } boards[] = {{5, 5, 6}, {7, 9, 3}, {15, 15, 2}, {21, 5, 2}, {20, 20, 1}};
  unsigned seed = 1;
  for (const auto& b : boards) {
    for (int g = 0; g < b.games; ++g) {
      SCOPED_TRACE(std::to_string(b.width) + "x" + std::to_string(b.height) + " game " + std::to_string(g));
      RandomGame(b.width, b.height, seed++).play(b.width * b.height);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace morvel
