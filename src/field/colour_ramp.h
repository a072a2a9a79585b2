// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/field_snapshot.h"

namespace voltaris {

// Colour modes of the surface: a continuous ramp ("verlaufen") or five steps ("gestuft").
constexpr int ColourModeContinuous = 0;
constexpr int ColourModeStepped = 1;

// Colour of potential v over the range: blue -> cyan -> green -> yellow -> red in four
// quarters; red above the range, blue below it, black when the range is empty or the mode
// unknown. Components in 0 .. 1; callers use alpha 1.
void ColourOf(int colourMode, const ValueRange& range, float v, float& red, float& green, float& blue);

}  // namespace voltaris
