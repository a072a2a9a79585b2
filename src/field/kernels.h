// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>

#include "field/field_snapshot.h"

namespace voltaris {

// k = 1 / (4 pi epsilon0) in N m^2 / C^2.
constexpr double CoulombConstant = 8987539422.0;
constexpr double Pi = 3.14159265358979323846;

// Every charge is a charged sphere of radius r_i (metres) at (x_i, y_i), holding Q_i coulombs
// (times the tab's SignFactor s = +-1). Outside its radius it acts as a point charge; inside
// its radius it holds its rim potential and adds no field.

// Potential in volts at (x, y), metres:
//   phi(x, y) = sum_i s k Q_i / max(d_i, r_i),   d_i = |(x, y) - (x_i, y_i)|,
// that is k Q_i / d_i outside the sphere and its rim potential k Q_i / r_i on and inside it.
// Differences and sum in float64, in slot order. A sphere of radius 0 or less is a point
// charge that adds nothing at its own centre.
double PotentialAt(const FieldSnapshot& field, float x, float y);

// Which charges a field strength sums: all charges of the tab, or the one in slot `slot`
// (0 .. ChargeCount - 1) alone; a slot beyond the tab's charges sums nothing.
struct FieldSources {
    static constexpr FieldSources All() { return FieldSources{-1}; }
    static constexpr FieldSources Charge(int slot) { return FieldSources{slot}; }
    int slot = -1;  // -1: all charges
};

// The field itself, or reversed: the direction of the force on a negative particle.
enum class FieldSense { AsIs, Reversed };

// Field strength in V/m at (x, y), metres:
//   E(x, y) = sum_i s k Q_i / d_i^2 * (unit vector from charge i to the point),  d_i >= r_i,
// a charge contributing nothing at d_i < r_i (inside its sphere); on the rim (d_i = r_i)
// it gives the full outside field while the potential already holds the rim value. Each
// term is rounded to float32 and the components are summed in float32, in slot order.
// `angle` receives the direction in radians from +x towards +y, in -pi/2 .. 3pi/2 (-pi/2
// when the sum is 0).
double FieldAt(const FieldSnapshot& field, float x, float y, double& angle,
               FieldSources sources = FieldSources::All(), FieldSense sense = FieldSense::AsIs);

// The strength of the summed components (ex, ey); `angle` receives their direction as FieldAt
// gives it (straight up or down when ex is 0).
double StrengthAndDirection(float ex, float ey, double& angle);

// Whether a traced point is far enough from the last stored one to be stored: more than
// 0.1 graph units on either axis inside the square, sparser farther outside.
bool FarEnough(float unitLength, float x, float y, float px, float py);
// Inside the square (borders included) points are stored a tenth of a graph unit apart.
// Outside, the spacing grows with the square of the distance from the square's centre (0.1 on
// the middle of an edge, 0.2 at a corner) up to 5 graph units, reached about 35.4 units from
// the centre.
constexpr float StoredSpacingInside = 0.1f, StoredSpacingGrowth = 0.004f, StoredSpacingCap = 5;
// The same test on points already in graph units (x / unitLength, rounded to float32).
inline bool FarEnoughInGraphUnits(float gx, float gy, float gpx, float gpy) {
    float t = StoredSpacingInside;
    if (!(gx >= 0 && gx <= 10 && gy >= 0 && gy <= 10)) {
        t = StoredSpacingGrowth * ((gx - 5) * (gx - 5) + (gy - 5) * (gy - 5));
        if (t > StoredSpacingCap) t = StoredSpacingCap;
    }
    return std::fabs(gx - gpx) > t || std::fabs(gy - gpy) > t;
}

}  // namespace voltaris
