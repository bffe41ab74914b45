#pragma once
// Proof search for a forced win of the attacker by an unbroken sequence of
// threats (fours and double-four points), deepened two plies at a time and
// bounded by a node budget. A positive result is a proven mate score; 0
// means nothing was proven.
#include "model/board.h"

namespace morvel {

// At ply 0 bestMove receives the first move that raised alpha, so after a
// positive result it holds the winning first move.
int threatSearch(SideState& attacker, SideState& defender, int alpha, int beta, int ply, int maxPly,
                 int* nodeCount, int nodeLimit, int& bestMove);

// The defender to move after an attacker threat; 666 when the attacker's
// last move threatened nothing.
int threatDefenceNode(SideState& defender, SideState& attacker, int alpha, int beta, int ply, int horizon,
                      int* nodeCount, int nodeLimit, const CellSet& focus, const CellSet& earlierFourCells);

// The attacker to move again after a defender reply; -666 when it has no
// threat to make, 0 once the node budget is spent.
int threatAttackNode(SideState& attacker, SideState& defender, int alpha, int beta, int ply, int horizon,
                     int* nodeCount, int nodeLimit, const CellSet& focus);

// Room for every member of a set of the largest board.
constexpr int kMaxSetMembers = 32 * ((kMaxCells - 1) / 32 + 1);
// Deepest horizon: attacker nodes use the scratch set one ply below their own.
constexpr int kMaxThreatPly = kPlySetCount - 2;
// Pool sets from here on hold one set per open threat-search ply.
constexpr int kFourCellsPool = 222;

}  // namespace morvel
