// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/line_store.h"

namespace voltaris {

// Decides whether a new equipotential line, whose slot `run` has just opened, repeats the line
// before it: a start (metres) within 0.01 m in both coordinates of a point of the slot before
// gives the new line up (its slot is given back). The walk then goes on with the same point
// index in the slot before that, where a further hit gives that slot up as well, so the next
// line reuses it. The tolerance is absolute, so at very small scales it covers the whole
// square. Returns whether the new line was given up.
bool GiveUpDuplicateStart(LineStore::Run& run, float startX, float startY, float unitLength);

}  // namespace voltaris
