#include "search/alphabeta/frontier.h"

#include "search/alphabeta/quiescence.h"
#include "search/kernel/mate_check.h"
#include "search/kernel/node_counter.h"
#include "search/kernel/stone.h"
#include "search/kernel/window_sets.h"
#include "search/threats/threat_search.h"

namespace morvel {

namespace {

// The most advanced windows of both sides, widened only while the set stays
// small.
void quietCandidates(const SideState& mover, const SideState& other, CellSet& set) {
  clearSet(set);
  for (int k = 2; k <= 4; ++k) {
    addWindowsUpTo(mover, k, set);
    addWindowsUpTo(other, k, set);
    if (countMembers(set) > 14) return;
  }
}

}  // namespace

int frontierNode(SideState& mover, SideState& other, int ply, int alpha, int beta, int& bestMove) {
  bestMove = -1;
  ++searchNodeCount;
  const int decided = mateCheck(mover, other, ply);
  if (decided != 0) return decided;
  const int threat = mateCheck(other, mover, ply);
  CellSet& set = plySets[ply];
  if (threat != 0 && other.bucketStart[2] != 0) {
    copySet(set, other.windows[other.rankOrder[0]]);
  } else if (threat != 0) {
    cellsMeetingEveryDoubleFour(other, set);
    addWindowsUpTo(mover, 2, set);
    if (countMembers(set) == 0) return alpha;
  } else {
    quietCandidates(mover, other, set);
  }
  int moves[kMaxSetMembers];
  const int count = listMembers(moves, set);
  if (count == 0) return 0;
  if (beta > 7995 - ply) beta = 7995 - ply;
  for (int i = 0; i < count && moves[i] < freeSlotCount && alpha < beta; ++i) {
    UndoRecord record;
    placeStone(mover, other, moves[i], 6, record);
    const int v = -quiescenceNode(other, mover, -beta, -alpha, ply + 1);
    if (v > alpha) {
      alpha = v;
      bestMove = moves[i];
    }
    undoStone(mover, other, record);
  }
  return alpha;
}

}  // namespace morvel
