// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/path_energy.h"

#include "model/number_format.h"

namespace voltaris {

ParticleEnergy EnergyAtPoint(const PathSlot& path, int index, double signedCharge, double mass) {
    ParticleEnergy e;
    const double v = path.PathSpeed[index];  // m/s
    e.kinetic = 0.5 * mass * v * v;
    e.potential = signedCharge * path.PathPoints[3 * index + 1];  // C x V = J
    e.radiated = path.PathRadiated[index];
    return e;
}

std::string EnergyText(const std::string& caption, double joules) {
    return caption + FormatShownNumber(joules, 3) + " J = " + FormatShownNumber(ElectronVolts(joules), 3) + " eV";
}

}  // namespace voltaris
