// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/bremsstrahlung.h"

#include "field/kernels.h"
#include "model/number_format.h"

namespace voltaris {

double RadiatedEnergy(double a, double q, double dt) {
    const long double c = SpeedOfLight;
    return static_cast<double>((2.0L / (3.0L * c * c * c)) * CoulombConstant * static_cast<long double>(a) * a *
                               static_cast<long double>(q) * q * dt);
}

double BremsstrahlungFactorFromText(const std::string& boxText) { return ParseTypedNumber(boxText) + 1; }

std::string BremsstrahlungBoxText(double factor) { return FormatShownNumber(factor - 1, 3); }

double FactorAfterSwitchingOn(double suggested) {
    return BremsstrahlungFactorFromText(BremsstrahlungBoxText(suggested));
}

}  // namespace voltaris
