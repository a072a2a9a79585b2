// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/field_snapshot.h"
#include "field/line_store.h"

namespace voltaris {

// Traces the field lines of `field` into `store`: from every charge that shows as positive,
// as many lines as its share of the largest amount gives (up to 16), each followed along the
// field until it enters a charge, leaves the trace area or reaches its step limit. Returns at
// once, leaving the previous lines, when the lines are not wanted or another run fills the
// store.
void TraceFieldLines(const FieldSnapshot& field, bool wanted, LineStore& store);

// The same lines computed the plain way, one scalar kernel call at a time (the yardstick of
// the fast tracer).
void TraceFieldLinesReference(const FieldSnapshot& field, bool wanted, LineStore& store);

// Moves (x, y), metres, a twentieth of a graph unit along the field; false without moving
// when the point lies inside a charge, and false when the step has left the trace area.
bool FieldLineStep(const FieldSnapshot& field, float& x, float& y);

// Whether (x, y) lies inside a charge's sphere (closer to its centre than its radius).
bool InsideAnyCharge(const FieldSnapshot& field, float x, float y);

}  // namespace voltaris
