#pragma once
// Nodes visited by all searches since start-up: the benchmark's signature and
// speed figure. One increment per node, nothing else.
#include <cstdint>

namespace morvel {

inline std::uint64_t searchNodeCount = 0;

}  // namespace morvel
