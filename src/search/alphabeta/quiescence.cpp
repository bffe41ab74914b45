#include "search/alphabeta/quiescence.h"

#include "platform/random.h"
#include "search/kernel/node_counter.h"
#include "search/kernel/multi_threat.h"
#include "search/kernel/parry_check.h"
#include "search/kernel/stone.h"

namespace morvel {

int staticEvaluation(const SideState& mover, const SideState& other) {
  int e = evalBase;
  for (int k = 1; k <= 4; ++k) {
    const int own = mover.bucketStart[k + 1] - mover.bucketStart[k];
    const int theirs = other.bucketStart[k + 1] - other.bucketStart[k];
    e += own * firstSideWeight[k] - theirs * secondSideWeight[k];
  }
  return e + multiThreatTerm(mover, other);
}

int quiescenceNode(SideState& mover, SideState& other, int alpha, int beta, int ply) {
  ++searchNodeCount;
  const int decided = parryCheck(mover, other, ply);
  if (decided != 0) return decided;
  if (other.bucketStart[2] != 0) {
    // Each block here made a new four for the blocker; a chain long enough to
    // run out of scratch sets is called undecided.
    if (ply + 1 >= kPlySetCount) return 0;
    const int block = firstMember(other.windows[other.rankOrder[0]]);
    UndoRecord record;
    placeStone(mover, other, block, 6, record);
    // The same bounds, not negated: they only decide about the random term.
    const int v = quiescenceNode(other, mover, alpha, beta, ply + 1);
    undoStone(mover, other, record);
    return -v;
  }
  int e = staticEvaluation(mover, other);
  if (alpha - 2 < e && e < beta + 2) e += drawRandom() % 5 - 2;
  return e;
}

}  // namespace morvel
