#include <algorithm>

#include "search/kernel/mate_check.h"
#include "search/kernel/node_counter.h"
#include "search/kernel/parry_check.h"
#include "search/kernel/score.h"
#include "search/kernel/stone.h"
#include "search/kernel/stop_signal.h"
#include "search/kernel/window_sets.h"
#include "search/threats/threat_search.h"

namespace morvel {

namespace {

// Counter-four pairs combined at one node are enumerated as all 3^n choices;
// beyond this many the enumeration would run for minutes, so further pairs
// are left to the plain replies.
constexpr int kMaxCounterFourPairs = 10;
constexpr int kMaxComboStones = 36;

struct CounterFourPairs {
  int cells[2 * kMaxCounterFourPairs];  // pair j: c0 < c1 at 2j, 2j + 1
  int count = 0;
};

// The defender's need-2 windows, all of whose cells go to fourCells; pairs
// new to this node and disjoint from each other are kept for combining.
void collectPairs(const SideState& defender, const CellSet& earlierFourCells, CellSet& fourCells,
                  CounterFourPairs& pairs) {
  CellSet& taken = poolSets[0];
  clearSet(taken);
  clearSet(fourCells);
  for (int p = 0; p < defender.bucketStart[3]; ++p) {
    const CellSet& window = defender.windows[defender.rankOrder[p]];
    unionInto(fourCells, window);
    int c0, c1;
    firstTwoMembers(window, c0, c1);
    if (hasMember(earlierFourCells, c0) || hasMember(earlierFourCells, c1) || hasMember(taken, c0) ||
        hasMember(taken, c1) || pairs.count == kMaxCounterFourPairs) {
      continue;
    }
    pairs.cells[2 * pairs.count] = c0;
    pairs.cells[2 * pairs.count + 1] = c1;
    ++pairs.count;
    insertMember(taken, c0);
    insertMember(taken, c1);
  }
}

struct Combination {
  int defenderCells[kMaxComboStones];
  int attackerCells[kMaxComboStones];
  int length = 0;
};

// Base-3 digit j of code: 0 leaves pair j out, 1 plays c1 (answered at c0),
// 2 plays c0 (answered at c1).
void decode(int code, const CounterFourPairs& pairs, Combination& combo) {
  combo.length = 0;
  for (int j = 0; j < pairs.count; ++j, code /= 3) {
    const int digit = code % 3;
    if (digit == 0) continue;
    const int c0 = pairs.cells[2 * j], c1 = pairs.cells[2 * j + 1];
    combo.defenderCells[combo.length] = digit == 1 ? c1 : c0;
    combo.attackerCells[combo.length] = digit == 1 ? c0 : c1;
    ++combo.length;
  }
}

// Plays every combination of counter-fours, each answered by the forced
// block, and defends again from the position after it.
int tryCounterFours(SideState& defender, SideState& attacker, int& alpha, int beta, int ply, int horizon,
                    int* nodeCount, int nodeLimit, const CellSet& focus, const CellSet& earlierFourCells,
                    CellSet& fourCells) {
  CounterFourPairs pairs;
  collectPairs(defender, earlierFourCells, fourCells, pairs);
  int best = -kInfinity;
  int codes = 1;
  for (int j = 0; j < pairs.count; ++j) codes *= 3;
  CellSet& childFocus = plySets[ply];
  Combination combo;
  UndoRecord defenderRecords[kMaxComboStones - 1], attackerRecords[kMaxComboStones - 1];
  for (int code = codes - 1; code >= 0 && alpha < beta && !searchStopped; --code) {
    decode(code, pairs, combo);
    const int k = combo.length;
    if (k == 0 || ply + 2 * k > horizon - 1) continue;
    copySet(childFocus, focus);
    for (int t = 0; t < k; ++t) {
      placeStone(defender, attacker, combo.defenderCells[t], 6, defenderRecords[t]);
      const int answer = combo.attackerCells[t];
      placeStone(attacker, defender, answer, 6, attackerRecords[t]);
      // The attacker's forced blocks may open new threats there.
      for (int i = 0; i < attacker.cellWindowCount[answer]; ++i) {
        unionInto(childFocus, attacker.windows[attacker.cellWindows[answer][i]]);
      }
    }
    const int v = threatDefenceNode(defender, attacker, alpha, beta, ply + 2 * k, horizon, nodeCount, nodeLimit,
                                    childFocus, fourCells);
    best = std::max(best, v);
    alpha = std::max(alpha, best);
    for (int t = k - 1; t >= 0; --t) {
      undoStone(attacker, defender, attackerRecords[t]);
      undoStone(defender, attacker, defenderRecords[t]);
    }
  }
  return best;
}

}  // namespace

int threatDefenceNode(SideState& defender, SideState& attacker, int alpha, int beta, int ply, int horizon,
                      int* nodeCount, int nodeLimit, const CellSet& focus, const CellSet& earlierFourCells) {
  ++searchNodeCount;
  const int r = mateCheck(defender, attacker, ply);
  if (r != 0) return r;
  if (mateCheck(attacker, defender, ply) <= 0) return kNoThreat;
  ++*nodeCount;
  if (ply >= horizon - 1) return parryCheck(defender, attacker, ply);

  int best = -kInfinity;
  CellSet& fourCells = poolSets[kFourCellsPool + ply];
  const bool attackerHasFour = attacker.bucketStart[2] != 0;
  if (!attackerHasFour) {
    best = tryCounterFours(defender, attacker, alpha, beta, ply, horizon, nodeCount, nodeLimit, focus,
                           earlierFourCells, fourCells);
  }

  CellSet& replySet = plySets[ply];
  clearSet(replySet);
  if (attackerHasFour) {
    unionInto(replySet, attacker.windows[attacker.rankOrder[0]]);
  } else {
    // Cells of the defender's own need-2 windows make fours: those moves
    // were tried among the combinations.
    addWindowsUpTo(attacker, 2, replySet);
    subtractFrom(replySet, fourCells);
  }
  int replies[kMaxSetMembers];
  const int count = listMembers(replies, replySet);
  const int limit = std::min(horizon - ply + 2, 6);
  for (int i = 0; i < count && alpha < beta && !searchStopped; ++i) {
    UndoRecord record;
    placeStone(defender, attacker, replies[i], limit, record);
    const int v = -threatAttackNode(attacker, defender, -beta, -alpha, ply + 1, horizon, nodeCount, nodeLimit, focus);
    best = std::max(best, v);
    alpha = std::max(alpha, best);
    undoStone(defender, attacker, record);
  }
  // Past the reply deadline part of this node went unsearched: only a value
  // that shows the defender safe is still proven; anything else is undecided.
  if (searchStopped) return best > 0 ? best : 0;
  return best;
}

}  // namespace morvel
