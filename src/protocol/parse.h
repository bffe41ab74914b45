#pragma once
// Strict number parsing for protocol arguments: a malformed or out-of-range
// number is refused instead of being read as a partial value.
#include <string_view>

namespace morvel {

bool parseInt(std::string_view text, int& value);

// Parses exactly count integers separated by single commas ("7,8" or
// "7,8,1"); count is at most 3.
bool parseIntList(std::string_view text, int count, int* values);

bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace morvel
