#include "protocol/command_loop.h"

#include <string_view>

#include "model/apply_move.h"
#include "platform/random.h"
#include "protocol/input.h"
#include "protocol/parse.h"
#include "think/think.h"

namespace morvel {

namespace {

constexpr const char* kSizeError = "ERROR board size must be in range 5..21";
constexpr const char* kNoGameError = "ERROR no game in progress: send START or RECTSTART first";

int boardCells() { return protocol.boardWidth * protocol.boardHeight; }

void writeMove(std::ostream& out, int cell) {
  out << cell % protocol.boardWidth << ',' << cell / protocol.boardWidth << '\n';
}

void playStone(int cell, char letter) {
  applyMove(cell, letter);
  protocol.occupied[cell] = 1;
  protocol.stoneAt[cell] = true;
}

void clearGameStones() {
  for (bool& stone : protocol.stoneAt) stone = false;
}

void clearOccupancyMarks() {
  for (int c = 0; c < boardCells(); ++c) protocol.occupied[c] = 0;
}

bool isLegalMove(int cell) { return cell >= 0 && cell < boardCells() && !protocol.stoneAt[cell]; }

// Validates x,y for a stone; writes the reason of a refusal.
bool checkCell(int x, int y, int& cell, const char*& reason) {
  if (x < 0 || y < 0 || x >= protocol.boardWidth || y >= protocol.boardHeight) {
    reason = "ERROR coordinates outside the board";
    return false;
  }
  cell = x + y * protocol.boardWidth;
  if (protocol.stoneAt[cell]) {
    reason = "ERROR cell is already occupied";
    return false;
  }
  return true;
}

void answerWithEngineMove(std::ostream& out) {
  int move = think('X', protocol.turnBudget, protocol.leftBudget);
  if (!isLegalMove(move)) move = fallbackMove();
  if (move < 0) {
    out << "ERROR no free cell left\n";
    return;
  }
  playStone(move, 'X');
  writeMove(out, move);
}

// Builds a fresh model; false (with the game ended) when memory runs out.
bool startGame(int width, int height, std::ostream& out) {
  protocol.boardWidth = width;
  protocol.boardHeight = height;
  clearGameStones();
  if (setupBoard(width, height) != 0) {
    protocol.gameStarted = false;
    out << "ERROR not enough memory for the board\n";
    return false;
  }
  protocol.gameStarted = true;
  return true;
}

void acceptSize(bool valid, int width, int height, std::ostream& out) {
  if (!valid || width < kMinBoardSide || width > kMaxBoardSide || height < kMinBoardSide ||
      height > kMaxBoardSide) {
    out << kSizeError << '\n';
    return;
  }
  const bool started = startGame(width, height, out);
  clearOccupancyMarks();
  if (started) out << "OK\n";
}

void commandStart(std::istream& in, std::ostream& out) {
  Word word;
  readWord(in, kBoardWordLimit, word);
  int size = 0;
  const bool valid = !word.overlong && parseInt(word.text, size);
  acceptSize(valid, size, size, out);
}

void commandRectStart(std::istream& in, std::ostream& out) {
  Word word;
  readWord(in, kBoardWordLimit, word);
  int size[2] = {0, 0};
  const bool valid = !word.overlong && parseIntList(word.text, 2, size);
  acceptSize(valid, size[0], size[1], out);
}

Ticks budgetFromMilliseconds(int value) {
  return protocol.tickFrequency * (static_cast<Ticks>(value) - 500) / 1000;
}

void commandInfo(std::istream& in) {
  std::string line;
  readRestOfLine(in, kInfoLineLimit, line);
  std::string_view rest = line;
  auto nextWord = [&rest]() {
    std::size_t begin = 0;
    while (begin < rest.size() && isBlank(static_cast<unsigned char>(rest[begin]))) ++begin;
    std::size_t end = begin;
    while (end < rest.size() && !isBlank(static_cast<unsigned char>(rest[end]))) ++end;
    std::string_view word = rest.substr(begin, end - begin);
    rest.remove_prefix(end);
    return word;
  };
  const std::string_view key = nextWord();
  int value = 0;
  if (!parseInt(nextWord(), value)) return;
  if (equalsIgnoringCase(key, "timeout_turn")) protocol.turnBudget = budgetFromMilliseconds(value);
  if (equalsIgnoringCase(key, "time_left")) protocol.leftBudget = budgetFromMilliseconds(value);
}

void commandTurn(std::istream& in, std::ostream& out) {
  Word word;
  readWord(in, kBoardWordLimit, word);
  int xy[2];
  if (!protocol.gameStarted) {
    out << kNoGameError << '\n';
    return;
  }
  if (word.overlong || !parseIntList(word.text, 2, xy)) {
    out << "ERROR expected TURN x,y\n";
    return;
  }
  int cell = 0;
  const char* reason = nullptr;
  if (!checkCell(xy[0], xy[1], cell, reason)) {
    out << reason << '\n';
    return;
  }
  playStone(cell, 'O');
  answerWithEngineMove(out);
}

void commandBegin(std::ostream& out) {
  if (!protocol.gameStarted) {
    out << kNoGameError << '\n';
    return;
  }
  const int first = drawRandom();
  const int second = drawRandom();
  const int y = first % 5 + protocol.boardHeight / 2 - 2;
  const int x = second % 5 + protocol.boardWidth / 2 - 2;
  const int cell = x + y * protocol.boardWidth;
  if (protocol.stoneAt[cell]) {
    // A BEGIN on a board that already has stones: play a real move instead.
    answerWithEngineMove(out);
    return;
  }
  playStone(cell, 'X');
  writeMove(out, cell);
}

struct BoardStone {
  int cell;
  char letter;
};

// Reads a BOARD block up to DONE; false at end of input. reason stays null
// when every line is a stone on a distinct cell of the board.
bool readBoardBlock(std::istream& in, BoardStone* stones, int& count, const char*& reason) {
  bool listed[kMaxCells] = {};
  count = 0;
  Word word;
  while (readWord(in, kBoardWordLimit, word)) {
    if (!word.overlong && word.text == "DONE") return true;
    if (reason != nullptr || !protocol.gameStarted) continue;
    int v[3];
    if (word.overlong || !parseIntList(word.text, 3, v)) {
      reason = "ERROR expected x,y,owner lines before DONE";
      continue;
    }
    if (v[0] < 0 || v[1] < 0 || v[0] >= protocol.boardWidth || v[1] >= protocol.boardHeight) {
      reason = "ERROR coordinates outside the board";
      continue;
    }
    const int cell = v[0] + v[1] * protocol.boardWidth;
    if (listed[cell]) {
      reason = "ERROR cell is already occupied";
      continue;
    }
    listed[cell] = true;
    stones[count++] = {cell, v[2] == 1 ? 'X' : 'O'};
  }
  return false;
}

LoopStatus commandBoard(std::istream& in, std::ostream& out) {
  BoardStone stones[kMaxCells];
  int count = 0;
  const char* reason = nullptr;
  if (!readBoardBlock(in, stones, count, reason)) return LoopStatus::End;
  if (!protocol.gameStarted) {
    out << kNoGameError << '\n';
    return LoopStatus::Continue;
  }
  if (reason != nullptr) {
    out << reason << '\n';
    return LoopStatus::Continue;
  }
  // The block is the whole position: start from an empty model so that a
  // block resent in the middle of a game does not add stones twice.
  clearOccupancyMarks();
  if (!startGame(protocol.boardWidth, protocol.boardHeight, out)) return LoopStatus::Continue;
  for (int i = 0; i < count; ++i) playStone(stones[i].cell, stones[i].letter);
  answerWithEngineMove(out);
  return LoopStatus::Continue;
}

void commandRestart(std::ostream& out) {
  if (!protocol.gameStarted) {
    out << kNoGameError << '\n';
    return;
  }
  releaseBoard();
  if (startGame(protocol.boardWidth, protocol.boardHeight, out)) out << "OK\n";
}

void commandAbout(std::ostream& out) {
  out << "         Morvel v1.2\n"
         "by the Morvel developers, 2026\n"
         "https://github.com/morvel-engine/morvel\n"
         "\n";
}

LoopStatus dispatch(const Word& word, std::istream& in, std::ostream& out) {
  if (word.overlong) {
    out << "UNKNOWN\n";
    return LoopStatus::Continue;
  }
  const std::string_view w = word.text;
  if (equalsIgnoringCase(w, "START")) {
    commandStart(in, out);
  } else if (equalsIgnoringCase(w, "INFO")) {
    commandInfo(in);
  } else if (equalsIgnoringCase(w, "TURN")) {
    commandTurn(in, out);
  } else if (equalsIgnoringCase(w, "BEGIN")) {
    commandBegin(out);
  } else if (equalsIgnoringCase(w, "PLAY")) {
    out << "UNKNOWN\n";
  } else if (equalsIgnoringCase(w, "BOARD")) {
    return commandBoard(in, out);
  } else if (equalsIgnoringCase(w, "RESTART")) {
    commandRestart(out);
  } else if (equalsIgnoringCase(w, "END")) {
    return LoopStatus::End;
  } else if (equalsIgnoringCase(w, "RECTSTART")) {
    commandRectStart(in, out);
  } else if (equalsIgnoringCase(w, "ABOUT")) {
    commandAbout(out);
  } else {
    out << "UNKNOWN\n";
  }
  return LoopStatus::Continue;
}

}  // namespace

void resetProtocol() {
  releaseBoard();
  protocol = ProtocolState{};
  protocol.tickFrequency = counterFrequency();
}

int fallbackMove() {
  const int cells = boardCells();
  for (int c = 0; c < cells; ++c) {
    if (protocol.occupied[c] == 0 && !protocol.stoneAt[c]) return c;
  }
  for (int c = 0; c < cells; ++c) {
    if (!protocol.stoneAt[c]) return c;
  }
  return -1;
}

LoopStatus runOneCommand(std::istream& in, std::ostream& out) {
  Word word;
  LoopStatus status = LoopStatus::End;
  if (readWord(in, kCommandWordLimit, word)) status = dispatch(word, in, out);
  if (status == LoopStatus::End) releaseBoard();
  out.flush();
  return status;
}

int runCommandLoop(std::istream& in, std::ostream& out) {
  resetProtocol();
  thinkOutput = &out;
  while (runOneCommand(in, out) == LoopStatus::Continue) {
  }
  return 0;
}

}  // namespace morvel
