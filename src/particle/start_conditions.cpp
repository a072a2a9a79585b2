// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/start_conditions.h"

#include <algorithm>
#include <cmath>

#include "field/kernels.h"
#include "model/number_format.h"

namespace voltaris {

namespace {
constexpr double DegreesPerRadian = 180 / Pi;
}  // namespace

std::string StartFieldText(const ParticleSlot& slot, StartField field) {
    switch (field) {
    case StartField::X:
        return FormatShownNumber(slot.x, 3);
    case StartField::Y:
        return FormatShownNumber(slot.y, 3);
    case StartField::Direction: {
        double degrees = std::fmod(slot.angle * DegreesPerRadian, 360.0);
        if (degrees < 0) degrees += 360;
        // 359,9996 shows as 360 with three digits: that is the direction 0.
        if (FormatGeneral(degrees, 3) == "360") degrees = 0;
        return FormatShownNumber(degrees, 3);
    }
    }
    return {};
}

double StartSquareSide(float unitLength) { return 10.0 * unitLength; }

bool ApplyStartText(ParticleSlot& slot, StartField field, const std::string& text, float unitLength) {
    const double value = ParseTypedNumber(text);  // throws ConversionError
    if (field == StartField::Direction) {
        if (!std::isfinite(value)) return false;
        slot.angle = value / DegreesPerRadian;
        return true;
    }
    const double side = StartSquareSide(unitLength);  // metres
    if (!(value >= 0 && value <= side)) return false;
    (field == StartField::X ? slot.x : slot.y) = static_cast<float>(value);
    return true;
}

std::optional<float> NonClassicalTopSpeed(const PathSet& paths, int slots) {
    float highest = 0;
    for (int s = 0; s < slots && s < MaxParticleSlots; ++s) {
        const PathSlot& path = paths.slots[s];
        const int points = std::min(path.PathFloatCount / 3, PathSampleCapacity);
        for (int i = 0; i < points; ++i) highest = std::max(highest, path.PathSpeed[i]);
    }
    if (!(highest > ClassicalSpeedLimit)) return std::nullopt;
    return highest;
}

}  // namespace voltaris
