// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/field_snapshot.h"
#include "field/line_store.h"

namespace voltaris {

// Traces the equipotential lines of `field` into `store`: fourteen levels of the value range,
// searched on the ray to the right of every charge and followed at right angles to the field.
// Returns at once, leaving the previous lines, when the lines are not wanted or another run
// fills the store.
void TraceEquipotentials(const FieldSnapshot& field, const ValueRange& range, bool wanted,
                         LineStore& store);

// The same lines computed the plain way, one scalar kernel call at a time. Slow; it is the
// yardstick the fast tracer is tested and measured against.
void TraceEquipotentialsReference(const FieldSnapshot& field, const ValueRange& range, bool wanted,
                                  LineStore& store);

// Moves (x, y), metres, a twentieth of a graph unit along the equipotential (the field
// direction turned clockwise); false when the point has left the trace area.
bool EquipotentialStep(const FieldSnapshot& field, float& x, float& y);

}  // namespace voltaris
