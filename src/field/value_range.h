// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/field_snapshot.h"

namespace voltaris {

// Recomputes the display scaling of the active tab from its charges: the potential range
// (with a 10 % margin, always containing 0 outside an alternating-voltage run), the height
// scale that puts the highest plateau 10 graph units from the plane, and the field strength
// that normalises the pointer arrows. During an alternating-voltage run the range only grows
// (it starts from the previous one shrunk by 1/1.1) and the height scale is kept.
void ComputeValueRange(const FieldSnapshot& field, bool acRunning, ValueRange& range);

}  // namespace voltaris
