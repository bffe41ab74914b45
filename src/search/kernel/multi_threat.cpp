#include "search/kernel/multi_threat.h"

#include "search/kernel/threat_fold.h"

namespace morvel {

namespace {

bool threatsCannotAllBeMet(const SideState& side) {
  CellSet& common = poolSets[0];
  const ThreatSummary threats = collectThreats(side, common, poolSets[1]);
  return threats.count >= 1 && countMembers(common) == 0;
}

}  // namespace

int multiThreatTerm(const SideState& mover, const SideState& other) {
  if (threatsCannotAllBeMet(other)) return -151;
  if (threatsCannotAllBeMet(mover)) return 151;
  return 0;
}

}  // namespace morvel
