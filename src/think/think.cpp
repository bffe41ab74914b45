#include "think/think.h"

#include <algorithm>
#include <limits>
#include <ostream>

#include "model/board.h"
#include "platform/random.h"
#include "search/kernel/score.h"
#include "search/kernel/stone.h"
#include "search/kernel/stop_signal.h"
#include "search/kernel/window_sets.h"
#include "search/threats/threat_search.h"
#include "think/root_scoring.h"
#include "think/root_search.h"
#include "think/search_state.h"
#include "think/think_state.h"
#include "think/time_control.h"

namespace morvel {

namespace {

constexpr int kOwnWinPlies = 28;
constexpr int kOpponentWinPlies = 24;
constexpr int kDeepestIteration = 14;

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

// Every root move must show that it stops a forced win of the opponent.
void prepareRefutations(SideState& mover, SideState& other, int nodeLimit) {
  int nodes = 0;
  const int opponentWin = threatSearch(other, mover, 0, kInfinity, 0, kOpponentWinPlies, &nodes, nodeLimit, bestSlot);
  for (int s = 0; s < freeSlotCount; ++s) refutationCache[s] = opponentWin >= 1 ? -1 : 0;
}

// Twelve root moves and twelve moves a node in busy positions, four in quiet ones.
void chooseSearchWidth() {
  CellSet& active = plySets[0];
  clearSet(active);
  addWindowsUpTo(sideX, 4, active);
  addWindowsUpTo(sideO, 4, active);
  searchWidth = countMembers(active) >= 44 ? 12 : 4;
}

// The head of the ordered candidates, cut at the first move already lost.
int rootListLength() {
  int length = 1;
  while (length < freeSlotCount && length < searchWidth && rootScores[length] >= -6999) ++length;
  return length;
}

void deepen(SideState& mover, SideState& other, int length, Ticks softBudget) {
  int rootList[kMaxCells];
  const int deepest = fixedSchedule != nullptr ? fixedSchedule->maxDepth : kDeepestIteration;
  for (int depth = 6; depth <= deepest; depth += 2) {
    for (int i = 0; i < length; ++i) rootList[i] = i;
    const Ticks tS = readCounter();
    rootSearch(mover, other, rootList, length, refutationCache, depth, -kInfinity, kInfinity);
    const Ticks tE = readCounter();
    if (searchStopped) return;
    deepestIteration = depth;
    // A further iteration only if the last one, times the width, still fits.
    const Ticks remaining = softBudget - (tE - thinkStart);
    if (fixedSchedule == nullptr && tE - tS >= remaining / searchWidth) return;
  }
}

// The manager's limit for this reply, as a last resort behind the schedule:
// the turn time, and a third of the game time left. None when neither is
// known.
Ticks emergencyDeadline(Ticks turnBudget, Ticks leftBudget) {
  if (fixedSchedule != nullptr || (turnBudget == 0 && leftBudget == 0)) return std::numeric_limits<Ticks>::max();
  Ticks limit = std::numeric_limits<Ticks>::max();
  if (turnBudget != 0) limit = turnBudget;
  if (leftBudget != 0) limit = std::min(limit, leftBudget / 3);
  return thinkStart + limit;
}

}  // namespace

int think(char side, Ticks turnBudget, Ticks leftBudget) {
  if (!boardIsSetUp()) return -1;
  SideState& mover = sideOf(side);
  SideState& other = opponentOf(side);
  const ThinkBudgets budgets = thinkBudgets(turnBudget, leftBudget);
  hardBudget = fixedSchedule != nullptr ? std::numeric_limits<Ticks>::max() : budgets.hard;
  thinkStart = readCounter();
  seedRandom(static_cast<std::uint32_t>(thinkStart));
  armDeadline(emergencyDeadline(turnBudget, leftBudget));
  deepestIteration = 0;

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
  prepareRefutations(mover, other, limits.refute);
  chooseSearchWidth();
  deepen(mover, other, rootListLength(), budgets.soft);
  // Only a search stopped by the deadline before its first root move leaves
  // no move; the best-ordered cell is the answer then.
  if (bestSlot < 0) bestSlot = 0;
  return slotToCell[bestSlot];
}

}  // namespace morvel
