// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The suggested Bremsstrahlung amplification during a fast build. Every step inside the square
// without radiation either counts the suggestion up (while it is at most 70) or replaces it by
// the factor that would make this step remove a millionth of the speed. Only the last such
// factor counts, so a step whose factor is surely above 70 (the usual case) is kept pending
// instead of being worked out in extended precision.
#include <cmath>
#include <limits>

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

// SurelyAboveSeventy for the many steps of one particle, with what depends only on its charge,
// mass and time step worked out once. A step passes only where SurelyAboveSeventy passes: its
// bounds are narrowed by far more than the roundings in which the two forms differ.
class SeventyTest {
public:
    SeventyTest(double chargePerMass, double q, double m, double dt) {
        constexpr double LossFraction = 1 - particle_step::SuggestedSpeedKept * particle_step::SuggestedSpeedKept;
        constexpr double RadiatedEnergyConstant =
            2.0 / (3.0 * SpeedOfLight * SpeedOfLight * SpeedOfLight) * CoulombConstant;
        constexpr double Narrowed = 1 + 1e-6;
        // J radiated per (V/m)^2 of field squared.
        const double radiatedPerSquaredField = RadiatedEnergyConstant * (chargePerMass * chargePerMass) * q * q * dt;
        // Speeds squared (m^2/s^2) above which the factor lies above 70, per (V/m)^2.
        const double bound = particle_step::SuggestionCountLimit * (1 + 1e-8) * Narrowed * 2 *
                             radiatedPerSquaredField / (LossFraction * m);
        lowestSquaredField_ = 1e-280 * Narrowed / radiatedPerSquaredField;
        highestSquaredField_ = 1e280 / Narrowed / radiatedPerSquaredField;
        highestSquaredSpeed_ = 1e300 / Narrowed / LossFraction;
        // The bound times a field squared in range must not lose places below the normal
        // numbers, or no step passes; where it overflows, that step does not pass.
        if (m > 0 && bound * lowestSquaredField_ > 0x1p-1000 && bound < std::numeric_limits<double>::infinity())
            perSquaredField_ = bound;
    }

    bool SurelyAbove(float ex, float ey, double vx, double vy) const {
        const double squaredField = static_cast<double>(ex) * ex + static_cast<double>(ey) * ey;
        const double squaredSpeed = vx * vx + vy * vy;
        return squaredField > lowestSquaredField_ && squaredField < highestSquaredField_ &&
               squaredSpeed < highestSquaredSpeed_ && squaredSpeed > perSquaredField_ * squaredField;
    }

private:
    double perSquaredField_ = std::numeric_limits<double>::infinity();  // no step passes
    double lowestSquaredField_ = 0, highestSquaredField_ = 0, highestSquaredSpeed_ = 0;
};

}  // namespace suggestion
}  // namespace voltaris
