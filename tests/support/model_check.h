#pragma once
// Recomputes, from the stones alone, what the model must hold, so that tests
// can compare the incrementally kept model with a from-scratch answer.
#include <string>
#include <vector>

namespace morvel::testing {

// stones[c] is '.', 'X' or 'O'. Returns an empty string when the model holds
// exactly the live windows of both sides (in enumeration order, each with the
// slots of its empty cells) and a consistent slot numbering; otherwise a
// description of the first difference.
std::string checkModelAgainstStones(int width, int height, const std::vector<char>& stones);

}  // namespace morvel::testing
