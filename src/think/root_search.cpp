#include "think/root_search.h"

#include "search/alphabeta/alpha_beta.h"
#include "search/kernel/stone.h"
#include "search/kernel/stop_signal.h"
#include "search/threats/threat_search.h"
#include "think/think_state.h"

namespace morvel {

namespace {

constexpr int kRefutePlies = 25;

// Whether the opponent still has a forced win after the engine's stone.
int opponentWinAfterMove(SideState& mover, SideState& other) {
  int nodes = 0, unused = -1;
  return threatSearch(other, mover, 0, 10000, 1, kRefutePlies, &nodes, refuteNodeLimit, unused);
}

}  // namespace

int rootSearch(SideState& mover, SideState& other, int* rootList, int length, int* refutations, int depth,
               int lowerBound, int upperBound) {
  CellSet& listed = plySets[0];
  clearSet(listed);
  for (int i = 0; i < length; ++i) insertMember(listed, rootList[i]);
  for (int i = 0; i < length && lowerBound < upperBound; ++i) {
    if (readCounter() - thinkStart >= hardBudget && bestSlot != -1) return lowerBound;
    const int s = rootList[i];
    int score;
    if (refutations[s] > 0) {
      score = -refutations[s];
    } else {
      UndoRecord record;
      placeStone(mover, other, s, 6, record);
      int reply = -1;
      score = -alphaBetaNode(other, mover, 1, depth, -upperBound, -lowerBound, reply);
      if (!searchStopped && score > lowerBound && refutations[s] == -1) {
        const int win = opponentWinAfterMove(mover, other);
        if (!searchStopped) {
          refutations[s] = win;
          if (win > 0) score = -win;
        }
      }
      if (reply != -1 && !hasMember(listed, reply)) {
        rootList[length++] = reply;
        insertMember(listed, reply);
      }
      undoStone(mover, other, record);
    }
    // A search cut short by the deadline proves nothing about its move.
    if (searchStopped) return lowerBound;
    if (score > lowerBound) {
      lowerBound = score;
      bestSlot = s;
    }
  }
  return lowerBound;
}

}  // namespace morvel
