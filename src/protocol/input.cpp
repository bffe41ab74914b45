#include "protocol/input.h"

namespace morvel {

bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool readWord(std::istream& in, std::size_t limit, Word& word) {
  word.text.clear();
  word.overlong = false;
  std::streambuf* buf = in.rdbuf();
  int c = buf->sgetc();
  while (c != std::char_traits<char>::eof() && isBlank(c)) c = buf->snextc();
  if (c == std::char_traits<char>::eof()) {
    in.setstate(std::ios::eofbit);
    return false;
  }
  while (c != std::char_traits<char>::eof() && !isBlank(c)) {
    if (word.text.size() < limit) {
      word.text.push_back(static_cast<char>(c));
    } else {
      word.overlong = true;
    }
    c = buf->snextc();
  }
  return true;
}

void readRestOfLine(std::istream& in, std::size_t limit, std::string& line) {
  line.clear();
  std::streambuf* buf = in.rdbuf();
  for (int c = buf->sbumpc(); c != std::char_traits<char>::eof(); c = buf->sbumpc()) {
    if (c == '\n') return;
    if (line.size() < limit) line.push_back(static_cast<char>(c));
  }
  in.setstate(std::ios::eofbit);
}

}  // namespace morvel
