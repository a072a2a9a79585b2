// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The suggested Bremsstrahlung amplification during a fast build. Every step inside the square
// without radiation either counts the suggestion up (while it is at most 70) or replaces it by
// the factor that would make this step remove a millionth of the speed. Only the last such
// factor counts, so a step whose factor is surely above 70 (the usual case) is kept pending
// instead of being worked out in extended precision.
#include <cmath>

#include "field/kernels.h"
#include "particle/bremsstrahlung.h"
#include "particle/particle_step.h"

namespace voltaris {

struct PendingSuggestion {
    bool active = false;
    float ex = 0, ey = 0;  // the field where the step began
    double vx = 0, vy = 0;  // the velocity the step gave
    double chargePerMass = 0, q = 0, m = 0, dt = 0;
};

namespace suggestion {

// The step's acceleration and speed as the plain step finds them.
inline double Acceleration(const PendingSuggestion& s) {
    return s.chargePerMass * std::sqrt(static_cast<double>(s.ex) * s.ex + static_cast<double>(s.ey) * s.ey);
}
inline double Speed(const PendingSuggestion& s) { return std::sqrt(s.vx * s.vx + s.vy * s.vy); }

// The factor that would make this one step remove a millionth of the speed.
inline double FactorOf(double a, double v, double q, double m, double dt) {
    constexpr double kept = particle_step::SuggestedSpeedKept;
    return (v * v - (kept * v) * (kept * v)) / (2 * RadiatedEnergy(a, q, dt) / m);
}
inline double FactorOf(const PendingSuggestion& s) { return FactorOf(Acceleration(s), Speed(s), s.q, s.m, s.dt); }

// True when the step's factor is surely above 70. Worked out without square roots and with a
// margin far above the rounding of this shorter form.
inline bool SurelyAboveSeventy(float ex, float ey, double vx, double vy, double chargePerMass, double q, double m,
                               double dt) {
    constexpr double LossFraction = 1 - particle_step::SuggestedSpeedKept * particle_step::SuggestedSpeedKept;
    constexpr double RadiatedEnergyConstant =
        2.0 / (3.0 * SpeedOfLight * SpeedOfLight * SpeedOfLight) * CoulombConstant;
    const double squaredField = static_cast<double>(ex) * ex + static_cast<double>(ey) * ey;
    const double numerator = (vx * vx + vy * vy) * LossFraction;
    const double radiated = RadiatedEnergyConstant * (chargePerMass * chargePerMass * squaredField) * q * q * dt;
    return m > 0 && radiated > 1e-280 && radiated < 1e280 && numerator < 1e300 &&
           numerator * m > particle_step::SuggestionCountLimit * (1 + 1e-8) * (2 * radiated);
}
inline bool SurelyAboveSeventy(const PendingSuggestion& s) {
    return SurelyAboveSeventy(s.ex, s.ey, s.vx, s.vy, s.chargePerMass, s.q, s.m, s.dt);
}

}  // namespace suggestion
}  // namespace voltaris
