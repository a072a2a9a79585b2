// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "particle/path_store.h"

namespace voltaris {

// Joules per electron volt (the exact SI value of the elementary charge).
constexpr double JoulesPerElectronVolt = 1.602176634e-19;

// The energies of a particle at one stored point of its path, in joules.
struct ParticleEnergy {
    double kinetic = 0;    // (1/2) m v^2
    double potential = 0;  // q V: q the signed charge the path was built with (SignFactor applied),
                           // V the stored potential of the point (the tab's charges, SignFactor applied)
    double radiated = 0;   // taken by the amplified Bremsstrahlung since the start of the path
    double Total() const { return kinetic + potential; }
};

// The energies at stored point `index` of `path` for a particle of the charge `signedCharge`
// (C, slot charge times SignFactor, as the path build uses it) and `mass` (kg). The point must
// be stored (0 <= index < PathFloatCount / 3).
ParticleEnergy EnergyAtPoint(const PathSlot& path, int index, double signedCharge, double mass);

inline double ElectronVolts(double joules) { return joules / JoulesPerElectronVolt; }

// "<caption>" + joules + " J = " + electron volts + " eV", 3 significant digits with the
// decimal comma, for the labels.
std::string EnergyText(const std::string& caption, double joules);

}  // namespace voltaris
