#pragma once
// Bounded reading of the manager's input: words and lines longer than their
// buffer are consumed whole and flagged, never stored past the bound.
#include <cstddef>
#include <istream>
#include <string>

namespace morvel {

constexpr std::size_t kCommandWordLimit = 111;
constexpr std::size_t kBoardWordLimit = 123;
constexpr std::size_t kInfoLineLimit = 123;

struct Word {
  std::string text;
  bool overlong = false;
};

// Skips white space (a carriage return counts as white space) and reads one
// word, leaving the delimiter unread. False at end of input.
bool readWord(std::istream& in, std::size_t limit, Word& word);

// Reads the rest of the current line, newline included; keeps at most limit
// characters of it.
void readRestOfLine(std::istream& in, std::size_t limit, std::string& line);

bool isBlank(int c);

}  // namespace morvel
