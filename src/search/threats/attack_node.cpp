#include <algorithm>

#include "search/kernel/mate_check.h"
#include "search/kernel/node_counter.h"
#include "search/kernel/score.h"
#include "search/kernel/stone.h"
#include "search/kernel/stop_signal.h"
#include "search/kernel/window_sets.h"
#include "search/threats/threat_search.h"

namespace morvel {

namespace {

// Moves that can make a new threat, or that the defender's threat forces.
int listAttackMoves(const SideState& attacker, const SideState& defender, bool threatened, const CellSet& focus,
                    int ply, int* moves) {
  CellSet& set = plySets[ply];
  CellSet& extending = plySets[ply + 1];
  clearSet(set);
  clearSet(extending);
  if (threatened && defender.bucketStart[2] != 0) {
    unionInto(set, defender.windows[defender.rankOrder[0]]);
  } else if (threatened) {
    // Against a double-four point: any four, or a cell of the defender's
    // threatening windows that also extends one of the attacker's threes.
    addWindowsUpTo(defender, 2, set);
    for (int p = attacker.bucketStart[3]; p < attacker.bucketStart[4]; ++p) {
      unionInto(extending, attacker.windows[attacker.rankOrder[p]]);
    }
    intersectInto(set, extending);
    addWindowsUpTo(attacker, 2, set);
  } else {
    addWindowsUpTo(attacker, 3, set);
    intersectInto(set, focus);
  }
  return listMembers(moves, set);
}

// The node budget, or the move's deadline, is spent: what follows is not
// searched, and nothing resting on it counts as proven.
bool budgetSpent(const int* nodeCount, int nodeLimit) { return *nodeCount >= nodeLimit || deadlinePassed(); }

}  // namespace

int threatAttackNode(SideState& attacker, SideState& defender, int alpha, int beta, int ply, int horizon,
                     int* nodeCount, int nodeLimit, const CellSet& focus) {
  ++searchNodeCount;
  const int r = mateCheck(attacker, defender, ply);
  if (r != 0) return r;
  if (ply >= horizon) return alpha;
  // After a zero mate check the quickest win left has its five at ply + 5.
  beta = std::min(beta, 7995 - ply);
  if (alpha >= beta) return alpha;
  const bool threatened = mateCheck(defender, attacker, ply) > 0;
  int moves[kMaxSetMembers];
  const int count = listAttackMoves(attacker, defender, threatened, focus, ply, moves);
  if (count == 0) return -kNoThreat;
  int best = -kInfinity;
  if (budgetSpent(nodeCount, nodeLimit)) return 0;
  CellSet& childFocus = plySets[ply];
  CellSet& earlierFourCells = poolSets[kFourCellsPool + ply];
  const int limit = std::min(horizon - ply + 2, 6);
  for (int i = 0; i < count; ++i) {
    const int s = moves[i];
    UndoRecord record;
    placeStone(attacker, defender, s, limit, record);
    if (ply < horizon - 2) {
      if (threatened) {
        copySet(childFocus, focus);
      } else {
        clearSet(childFocus);
      }
      for (int j = 0; j < attacker.cellWindowCount[s]; ++j) {
        unionInto(childFocus, attacker.windows[attacker.cellWindows[s][j]]);
      }
    }
    clearSet(earlierFourCells);
    const int v = -threatDefenceNode(defender, attacker, -beta, -alpha, ply + 1, horizon, nodeCount, nodeLimit,
                                     childFocus, earlierFourCells);
    best = std::max(best, v);
    alpha = std::max(alpha, best);
    undoStone(attacker, defender, record);
    if (i + 1 < count && alpha < beta) {
      if (budgetSpent(nodeCount, nodeLimit)) return 0;
      continue;
    }
    break;
  }
  return budgetSpent(nodeCount, nodeLimit) ? 0 : best;
}

}  // namespace morvel
