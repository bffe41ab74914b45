#pragma once
// Compares a brain's output with expected lines, where the line "*" stands
// for any move "x,y" on a board of the given size (the engine's choice).
#include <sstream>
#include <string>
#include <vector>

namespace morvel::testing {

inline bool isMoveLine(const std::string& line, int width, int height) {
  int x = -1, y = -1;
  char comma = 0, extra = 0;
  std::istringstream in(line);
  if (!(in >> x >> comma >> y) || comma != ',' || (in >> extra)) return false;
  return std::to_string(x) + "," + std::to_string(y) == line && x >= 0 && y >= 0 && x < width && y < height;
}

inline std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// Empty when the output matches; otherwise the output, for the failure text.
inline std::string matchSession(const std::string& output, const std::vector<std::string>& expected,
                                int width = 21, int height = 21) {
  const auto lines = splitLines(output);
  bool ok = lines.size() == expected.size() && (output.empty() || output.back() == '\n');
  for (std::size_t i = 0; ok && i < lines.size(); ++i) {
    ok = expected[i] == "*" ? isMoveLine(lines[i], width, height) : lines[i] == expected[i];
  }
  return ok ? std::string() : "output was:\n" + output;
}

}  // namespace morvel::testing
