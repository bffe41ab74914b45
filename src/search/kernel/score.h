#pragma once
// Scores are seen from the side to move: 8000 - n wins with a five at ply n,
// n - 8000 loses to a five at ply n, 0 is undecided. A larger score is always
// better, so quicker wins and later losses score higher.
namespace morvel {

constexpr int kWinScore = 8000;
constexpr int kInfinity = 10000;
constexpr int kNoThreat = 666;  // a threat-search move that threatened nothing

}  // namespace morvel
