#pragma once
// The brain's side of the Gomocup protocol: one command read, answered and
// flushed at a time.
#include <istream>
#include <ostream>

#include "model/board.h"
#include "platform/clock.h"

namespace morvel {

struct ProtocolState {
  int boardWidth = 0;
  int boardHeight = 0;
  bool gameStarted = false;
  // Stones put down since the last START: they decide the fallback move and
  // survive RESTART, so a restarted game avoids the old game's cells first.
  int occupied[kMaxCells] = {};
  // Stones of the game in progress: they decide what is a legal move.
  bool stoneAt[kMaxCells] = {};
  Ticks tickFrequency = 0;
  Ticks turnBudget = 0;
  Ticks leftBudget = 0;
};

inline ProtocolState protocol;

enum class LoopStatus { Continue, End };

// Forgets every game and budget and reads the counter frequency again.
void resetProtocol();

// Reads and answers one command; End after END or at the end of input.
LoopStatus runOneCommand(std::istream& in, std::ostream& out);

// Runs until END or the end of input; returns the exit status (always 0).
int runCommandLoop(std::istream& in, std::ostream& out);

// Lowest free cell, preferring cells no game since the last START has used;
// -1 when the board is full.
int fallbackMove();

}  // namespace morvel
