// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/field_snapshot.h"

namespace voltaris {

// Which way the fast tracers step from the field direction: along it (field lines) or turned
// clockwise by a right angle (equipotentials).
enum class StepTurn { AlongField, Clockwise };

// Moves (x, y), metres, one trace step from the float32 field sums (ex, ey) as the plain
// tracers do from FieldAt's angle (FieldLineStep, EquipotentialStepAlong), bit for bit; the
// caller tests the trace area.
void StepFromField(float ex, float ey, StepTurn turn, float unitLength, float& x, float& y);

}  // namespace voltaris
