#pragma once
// The threats of one side (its fours and its double-four points), folded as
// they are found: the cells that meet every threat, and the cells where one
// is carried out. Folding instead of keeping one set per threat bounds the
// scratch space to two sets however many threats there are.
#include "model/board.h"

namespace morvel {

struct ThreatSummary {
  int count = 0;
  int fourCell = -1;  // completion cell shared by the side's fours, or -1
};

ThreatSummary collectThreats(const SideState& side, CellSet& common, CellSet& keyCells);

}  // namespace morvel
