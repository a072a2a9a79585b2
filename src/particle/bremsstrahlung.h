// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace voltaris {

constexpr double SpeedOfLight = 299792458.0;  // c, m/s

// Energy in joules that a charge q (C) with acceleration a (m/s^2) radiates during dt (s):
// the non-relativistic Larmor power times dt,
//   W = q^2 a^2 / (6 pi epsilon0 c^3) dt = (2 / (3 c^3)) k q^2 a^2 dt,   k = 1 / (4 pi epsilon0),
// worked out in extended precision. Far too little to bend a path visibly: the step
// multiplies it by the amplification factor the user chooses.
double RadiatedEnergy(double a, double q, double dt);

// The amplification of the radiation loss, as the page shows and takes it: the box holds the
// factor minus one, so "0" means the plain physical loss.
double BremsstrahlungFactorFromText(const std::string& boxText);  // throws ConversionError
std::string BremsstrahlungBoxText(double factor);
// The factor in force after switching radiation on with `suggested`: read back from the
// 3-digit box text, as the user sees it.
double FactorAfterSwitchingOn(double suggested);

}  // namespace voltaris
