#pragma once
#include <cmath>

#include "field/field_snapshot.h"

namespace voltaris {

constexpr double CoulombConstant = 8987539422.0;
constexpr double Pi = 3.14159265358979323846;

// Potential in volts at (x, y) metres. Outside its radius a sphere acts as a point charge;
// inside (and on the rim) it holds its rim potential. Summed in float64 in slot order.
double PotentialAt(const FieldSnapshot& field, float x, float y);

// Field strength in V/m at (x, y); `angle` receives its direction in radians (-pi/2 .. 3pi/2,
// from +x towards +y). only = 0: all charges, i >= 1: the i-th charge alone. reverse flips
// the field (the force on a negative particle). Inside a sphere its charge adds nothing.
double FieldAt(const FieldSnapshot& field, float x, float y, double& angle, int only, bool reverse);

// The strength of the summed components (ex, ey); `angle` receives their direction as FieldAt
// gives it (straight up or down when ex is 0).
double StrengthAndDirection(float ex, float ey, double& angle);

// Whether a traced point is far enough from the last stored one to be stored: more than
// 0.1 graph units on either axis inside the square, sparser farther outside.
bool FarEnough(float unitLength, float x, float y, float px, float py);
// The same test on points already in graph units (x / unitLength, rounded to float32).
inline bool FarEnoughInGraphUnits(float gx, float gy, float gpx, float gpy) {
    float t = 0.1f;
    if (!(gx >= 0 && gx <= 10 && gy >= 0 && gy <= 10)) {
        t = 0.004f * ((gx - 5) * (gx - 5) + (gy - 5) * (gy - 5));
        if (t > 5) t = 5;
    }
    return std::fabs(gx - gpx) > t || std::fabs(gy - gpy) > t;
}

}  // namespace voltaris
