#include "search/alphabeta/alpha_beta.h"

#include "search/alphabeta/candidates.h"
#include "search/alphabeta/frontier.h"
#include "search/kernel/double_four.h"
#include "search/kernel/mate_check.h"
#include "search/kernel/node_counter.h"
#include "search/kernel/score.h"
#include "search/kernel/stone.h"
#include "search/kernel/stop_signal.h"
#include "search/threats/threat_search.h"

namespace morvel {

namespace {

// Lazy selection: the untried candidate with the highest score; scanning
// from the last makes the higher slot win a tie.
int selectBest(const int* candidates, int count, int* moveScores) {
  int kept = -1, keptScore = -kInfinity;
  for (int i = count - 1; i >= 0; --i) {
    if (moveScores[candidates[i]] > keptScore) {
      keptScore = moveScores[candidates[i]];
      kept = candidates[i];
    }
  }
  moveScores[kept] = -9999;
  return kept;
}

}  // namespace

int alphaBetaNode(SideState& mover, SideState& other, int ply, int maxPly, int alpha, int beta, int& bestMove) {
  bestMove = -1;
  ++searchNodeCount;
  const int decided = mateCheck(mover, other, ply);
  if (decided != 0) {
    if (decided == 7997 - ply) findDoubleFourMove(mover, other, ply, bestMove);
    return decided;
  }
  if (deadlinePassed()) return alpha;
  int candidates[kMaxSetMembers];
  int moveScores[kMaxCells];
  const int count = generateScoredCandidates(mover, other, candidates, ply, searchWidth, moveScores);
  if (count == 0) return alpha;
  if (beta > 7995 - ply) beta = 7995 - ply;
  const int take = count < searchWidth ? count : searchWidth;
  if (take <= 0 || alpha >= beta) return alpha;

  CellSet& untried = plySets[ply];
  int tryOrder[kMaxSetMembers + 12];
  int tryLength = take;
  for (int i = 0; i < tryLength && alpha < beta; ++i) {
    if (i < take) tryOrder[i] = selectBest(candidates, count, moveScores);
    // Replies of the children that are no candidates, or were tried, cost
    // only this test.
    while (!hasMember(untried, tryOrder[i])) {
      if (++i >= tryLength) return alpha;
    }
    const int m = tryOrder[i];
    UndoRecord record;
    placeStone(mover, other, m, 6, record);
    int reply = -1;
    const int v = ply + 2 == maxPly ? -frontierNode(other, mover, ply + 1, -beta, -alpha, reply)
                                    : -alphaBetaNode(other, mover, ply + 1, maxPly, -beta, -alpha, reply);
    if (reply != -1) tryOrder[tryLength++] = reply;
    if (v > alpha) {
      alpha = v;
      bestMove = m;
    }
    undoStone(mover, other, record);
    removeMember(untried, m);
  }
  return alpha;
}

}  // namespace morvel
