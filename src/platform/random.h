#pragma once
// A small seedable generator of our own, so that a fixed seed gives the same
// games on every platform and standard library.
#include <cstdint>

namespace morvel {

void seedRandom(std::uint32_t seed);
// A non-negative 31-bit value.
int drawRandom();

}  // namespace morvel
