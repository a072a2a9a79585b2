// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "model/project.h"
#include "particle/path_store.h"

namespace voltaris {

// The particle's start typed as numbers: position x and y in metres, the launch direction in
// degrees (from +x towards +y), as the particle page shows them beside the mouse editing.
enum class StartField { X, Y, Direction };

// The field's text for the slot: 3 significant digits with the decimal comma; the direction
// in degrees from 0 up to 360.
std::string StartFieldText(const ParticleSlot& slot, StartField field);

// The side (m) of the square a start position must lie in: 10 x unitLength.
double StartSquareSide(float unitLength);

// Takes a typed field text into the slot. Throws ConversionError for a text that is no number;
// returns false, changing nothing, for a position outside the square (0 .. 10 x unitLength on
// either axis). Any direction is taken.
bool ApplyStartText(ParticleSlot& slot, StartField field, const std::string& text, float unitLength);

// Beyond a tenth of the speed of light the classical path no longer holds.
constexpr double ClassicalSpeedLimit = 0.1 * 299792458.0;  // m/s

// The highest speed (m/s) stored in the first `slots` paths when it exceeds
// ClassicalSpeedLimit (the particle page then shows its red note); nothing while every speed
// stays below.
std::optional<float> NonClassicalTopSpeed(const PathSet& paths, int slots);

}  // namespace voltaris
