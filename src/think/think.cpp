#include "think/think.h"

#include <ostream>

#include "model/board.h"
#include "platform/random.h"
#include "search/kernel/score.h"
#include "search/kernel/stone.h"
#include "search/threats/threat_search.h"
#include "think/root_scoring.h"
#include "think/search_state.h"
#include "think/think_state.h"
#include "think/time_control.h"

namespace morvel {

namespace {

constexpr int kOwnWinPlies = 28;

struct NodeLimits {
  int win;
  int refute;
};

// Times 999 placements on the best cell and turns what is left of the soft
// budget into node limits for the forced-win searches.
NodeLimits calibrate(SideState& mover, SideState& other, Ticks softBudget) {
  const Ticks t1 = readCounter();
  UndoRecord record;
  for (int i = 0; i < 999; ++i) {
    placeStone(mover, other, 0, 6, record);
    undoStone(mover, other, record);
  }
  const Ticks t2 = readCounter();
  const Ticks remaining = softBudget - (t2 - thinkStart);
  if (fixedSchedule != nullptr) return {fixedSchedule->winNodeLimit, fixedSchedule->refuteNodeLimit};
  return {nodeLimitFor(remaining, 30, t2 - t1), nodeLimitFor(remaining, 150, t2 - t1)};
}

bool immediateAnswer(int candidates) {
  return candidates == 1 || rootScores[0] > 7000 || rootScores[1] < -7000;
}

}  // namespace

int think(char side, Ticks turnBudget, Ticks leftBudget) {
  if (!boardIsSetUp()) return -1;
  SideState& mover = side == 'X' ? sideX : sideO;
  SideState& other = side == 'X' ? sideO : sideX;
  const ThinkBudgets budgets = thinkBudgets(turnBudget, leftBudget);
  hardBudget = budgets.hard;
  thinkStart = readCounter();
  seedRandom(static_cast<std::uint32_t>(thinkStart));

  rebuildSearchState();
  const int candidates = scoreRootCandidates(mover, other, rootCandidates, 0, freeSlotCount, rootScores);
  compactSlots(rootCandidates, candidates);
  if (candidates == 0) {
    bestSlot = -1;
    return -1;
  }
  if (immediateAnswer(candidates)) {
    bestSlot = 0;
    return slotToCell[0];
  }
  bestSlot = -1;
  const NodeLimits limits = calibrate(mover, other, budgets.soft);

  int nodes = 0;
  const int ownWin = threatSearch(mover, other, 0, kInfinity, 0, kOwnWinPlies, &nodes, limits.win, bestSlot);
  if (ownWin >= 1 && bestSlot >= 0) {
    if (thinkOutput != nullptr) *thinkOutput << "MESSAGE " << (kWinScore - ownWin) / 2 << "...\n";
    return slotToCell[bestSlot];
  }
  bestSlot = 0;
  return slotToCell[0];
}

}  // namespace morvel
