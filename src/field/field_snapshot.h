// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

#include "model/project.h"

namespace voltaris {

// What the field kernels read: the charges of the active tab with the switches that scale
// them. The user-interface thread takes one after every edit and hands copies to the drawing
// threads, so a kernel never reads a charge that is half rewritten.
struct FieldSnapshot {
    int32_t ChargeCount = 0;
    std::array<double, MaxChargesPerTab> amount{};  // coulomb, as stored (SignFactor not applied)
    std::array<float, MaxChargesPerTab> x{}, y{}, radius{};
    int32_t SignFactor = 1;
    float unitLength = 1.0f;
};

FieldSnapshot SnapshotOfActiveTab(const Project& project);

// Display scaling of the active tab (rewritten by ComputeValueRange).
struct ValueRange {
    float PotentialMin = -5;
    float PotentialMax = 5;
    float HeightScale = 1;        // graph units per volt
    float MaxFieldStrength = 0;   // V/m, normaliser of the pointer arrows
};

}  // namespace voltaris
