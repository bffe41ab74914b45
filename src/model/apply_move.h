#pragma once

namespace morvel {

// Puts a real stone of side letter ('X' or 'O') on an empty cell: the mover's
// windows lose the cell, the other side's windows through it are dropped, and
// the highest free slot is renumbered into the hole. A cell outside the slot
// space lies in no live window, so its stone changes nothing here.
void applyMove(int cell, char letter);

}  // namespace morvel
