// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "field/field_snapshot.h"

namespace voltaris {

// Whether a picked graph point lies on the square (its border included).
bool InsideSquare(float graphX, float graphZ);

// The potential (V) at a picked graph point.
double PotentialAtGraphPoint(const FieldSnapshot& field, float graphX, float graphZ);

// Status-bar readout of a picked graph point: its metres and the potential there, three
// significant digits each, or nothing outside the square. The top view writes " m , Z: "
// where the 3D view writes " m, Z: ".
std::optional<std::string> PointerReadout(const FieldSnapshot& field, float graphX, float graphZ, bool topView);

}  // namespace voltaris
