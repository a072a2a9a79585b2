#pragma once
#include <string>

namespace voltaris {

constexpr double SpeedOfLight = 299792458.0;

// Energy (J) a charge q with acceleration a radiates during dt: the Larmor power times dt.
double RadiatedEnergy(double a, double q, double dt);

// The amplification of the radiation loss, as the page shows and takes it: the box holds the
// factor minus one, so "0" means the plain physical loss.
double BremsstrahlungFactorFromText(const std::string& boxText);  // throws ConversionError
std::string BremsstrahlungBoxText(double factor);
// The factor in force after switching radiation on with `suggested`: read back from the
// 3-digit box text, as the user sees it.
double FactorAfterSwitchingOn(double suggested);

}  // namespace voltaris
