// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The integration step as ParticleStep defines it, with speed and angle and the plain
// trigonometry; the plain build runs it, and the fast build (trajectory_fast_step.h) is
// measured against it. An evaluator offers:
//   bool Touches(float x, float y)            the point lies on or inside a charge
//   double Field(float x, float y, double& a) FieldAt with all charges, not reversed
//   float unitLength
#include <cmath>

#include "field/kernels.h"
#include "particle/bremsstrahlung.h"

namespace voltaris::particle_step {

constexpr double Stopped = -1.0;
constexpr double TwoPi = 2 * Pi;
// A particle is integrated while |x| and |y| stay within 100 metres of the origin, whatever
// the size of the square.
constexpr double RegionLimit = 100;
// With vx exactly 0 the direction's arctangent divides by this (m/s) instead: the direction
// of a vertical velocity comes out close to, but not exactly, pi/2 or 3pi/2.
constexpr double ZeroVxDivisor = 0.01;
// The amplification suggestion only counts the first 70 steps inside the square (1 up to
// 71) before it takes the factor of a step (amplification_suggestion.h).
constexpr double SuggestionCountLimit = 70;
// The suggested factor makes one step keep this fraction of the speed: it loses a millionth.
constexpr double SuggestedSpeedKept = 0.999999;

// One step of a particle of charge q (C, signed) and mass m (kg) over dt seconds, semi-
// implicit Euler in speed v (m/s) and direction alpha (radians from +x towards +y):
//   a  = (q / m) |E(x, y)|                         acceleration in m/s^2, along the field
//                                                  direction phi (against it for q < 0)
//   v' = |v (cos alpha, sin alpha) + a dt (cos phi, sin phi)|,  alpha' its direction
//   with radiation:  v' := sqrt(v'^2 - |2 W / m| factor),  W = RadiatedEnergy(a, q, dt) in J
//                    (0 when the root would be imaginary: at rest, not stopped)
//   (x, y) += v' dt (cos alpha', sin alpha')       metres, rounded to float32
// v becomes Stopped when the particle has left the region or lies on or inside a charge.
// With radiation, `radiated` (when given) grows by the kinetic energy the loss removed,
// (m / 2) (v'^2 - v''^2) joules.
// Without radiation, a step strictly inside the square updates the suggested amplification:
// the factor that would make it keep SuggestedSpeedKept of its speed,
//   (v'^2 - (0.999999 v')^2) / (2 W / m),
// once the first SuggestionCountLimit steps have counted it up by one each.
template <class Evaluator>
inline void Step(const Evaluator& field, double& v, double& alpha, double q, double m, double dt, float& x,
                 float& y, bool radiation, double factor, double& suggested, double* radiated = nullptr) {
    if (std::fabs(x) > RegionLimit || std::fabs(y) > RegionLimit) {
        v = Stopped;
        return;
    }
    if (field.Touches(x, y)) {
        v = Stopped;
        return;
    }
    double phi = 0;
    const double e = field.Field(x, y, phi);
    const double a = q / m * e;  // signed: a negative charge is pushed against the field
    const double dv = a * dt;
    if (alpha < 0) alpha += TwoPi;
    if (phi < 0) phi += TwoPi;
    double sinAlpha, cosAlpha, sinPhi, cosPhi;
    sincos(alpha, &sinAlpha, &cosAlpha);
    sincos(phi, &sinPhi, &cosPhi);
    const double vx = cosAlpha * v + cosPhi * dv;
    const double vy = sinAlpha * v + sinPhi * dv;
    const double speed = std::sqrt(vx * vx + vy * vy);
    double theta = std::atan(vy / (vx == 0 ? ZeroVxDivisor : vx));
    if (vy < 0 && vx < 0) {
        theta += Pi;
    } else if (vy < 0) {
        theta += TwoPi;
    } else if (vx < 0) {
        theta = Pi - std::fabs(theta);
    }
    if (theta < 0) theta += TwoPi;
    alpha = theta;
    v = speed;

    if (radiation) {
        const double w = v * v - std::fabs(2 * RadiatedEnergy(a, q, dt) / m) * factor;
        const double before = v;
        v = w < 0 ? 0 : std::sqrt(w);  // at rest, but still pulled by the field next step
        if (radiated) *radiated += 0.5 * m * (before * before - v * v);
    } else {
        const float gx = x / field.unitLength, gy = y / field.unitLength;
        if (gx > 0 && gx < 10 && gy > 0 && gy < 10) {
            const double radiated = suggested > SuggestionCountLimit ? RadiatedEnergy(a, q, dt) : 0;
            if (radiated != 0) {
                // The factor that would make this one step remove a millionth of the speed.
                suggested = (v * v - (SuggestedSpeedKept * v) * (SuggestedSpeedKept * v)) / (2 * radiated / m);
            } else {
                suggested += 1;
            }
        }
    }
    sincos(alpha, &sinAlpha, &cosAlpha);
    x = static_cast<float>(x + cosAlpha * v * dt);
    y = static_cast<float>(y + sinAlpha * v * dt);
}

}  // namespace voltaris::particle_step
