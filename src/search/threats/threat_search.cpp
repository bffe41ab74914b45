#include "search/threats/threat_search.h"

#include <algorithm>

#include "search/kernel/mate_check.h"
#include "search/kernel/score.h"
#include "search/kernel/stone.h"
#include "search/kernel/stop_signal.h"
#include "search/kernel/window_sets.h"

namespace morvel {

namespace {

// First moves: the block of the defender's four, or any cell of an attacker
// window that needs three or fewer stones.
int listFirstMoves(const SideState& attacker, const SideState& defender, CellSet& set, int* moves) {
  clearSet(set);
  if (defender.bucketStart[2] != 0) {
    unionInto(set, defender.windows[defender.rankOrder[0]]);
  } else {
    addWindowsUpTo(attacker, 3, set);
  }
  return listMembers(moves, set);
}

}  // namespace

int threatSearch(SideState& attacker, SideState& defender, int alpha, int beta, int ply, int maxPly,
                 int* nodeCount, int nodeLimit, int& bestMove) {
  if (ply > 0) {
    const int r = mateCheck(attacker, defender, ply);
    if (r != 0) return r;
  }
  maxPly = std::min(maxPly, kMaxThreatPly);
  if (ply >= maxPly) return 0;
  CellSet& focus = plySets[ply];
  int moves[kMaxSetMembers];
  int count = listFirstMoves(attacker, defender, focus, moves);
  const bool threatened = mateCheck(defender, attacker, ply) > 0;
  fillSet(focus);
  CellSet& earlierFourCells = poolSets[kFourCellsPool + ply];
  for (int horizon = ply + 2; horizon <= maxPly; horizon += 2) {
    beta = std::min(beta, 7997 - horizon);
    int i = 0;
    while (i < count && alpha < beta && *nodeCount < nodeLimit && !searchStopped) {
      const int s = moves[i];
      UndoRecord record;
      placeStone(attacker, defender, s, 6, record);
      if (!threatened) {
        // Without a defender threat the next threat must grow from this stone.
        clearSet(focus);
        for (int j = 0; j < attacker.cellWindowCount[s]; ++j) {
          unionInto(focus, attacker.windows[attacker.cellWindows[s][j]]);
        }
      }
      clearSet(earlierFourCells);
      const int h = threatDefenceNode(defender, attacker, -beta, -alpha, ply + 1, horizon, nodeCount, nodeLimit,
                                      focus, earlierFourCells);
      if (h != 0) {
        // Settled within this horizon: never tried again.
        std::copy(moves + i + 1, moves + count, moves + i);
        --count;
      } else {
        ++i;
      }
      const int v = h == kNoThreat ? 0 : -h;
      if (v > alpha) {
        alpha = v;
        if (ply == 0) bestMove = s;
      }
      undoStone(attacker, defender, record);
    }
  }
  return alpha;
}

}  // namespace morvel
