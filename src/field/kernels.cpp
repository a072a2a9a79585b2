// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/kernels.h"

#include <cmath>

namespace voltaris {

FieldSnapshot SnapshotOfActiveTab(const Project& project) {
    FieldSnapshot s;
    const FieldTab& t = project.Active();
    s.ChargeCount = t.ChargeCount;
    for (int i = 0; i < t.ChargeCount; ++i) {
        s.amount[i] = t.charges[i].amount;
        s.x[i] = t.charges[i].x;
        s.y[i] = t.charges[i].y;
        s.radius[i] = t.charges[i].radius;
    }
    s.SignFactor = project.SignFactor;
    s.unitLength = project.unitLength;
    return s;
}

double PotentialAt(const FieldSnapshot& f, float x, float y) {
    double sum = 0;
    for (int i = 0; i < f.ChargeCount; ++i) {
        const double dx = static_cast<double>(x) - f.x[i];
        const double dy = static_cast<double>(y) - f.y[i];
        const double d = std::sqrt(dx * dx + dy * dy);
        const double kq = f.SignFactor * CoulombConstant * f.amount[i];
        // A sphere of radius 0 or less (a typed "-0,5" is kept as it is) is a point charge
        // everywhere but at its own centre, where it adds nothing instead of an infinity.
        const double reach = f.radius[i] > 0 ? f.radius[i] : 0.0;
        if (d > reach) {
            sum += kq / d;
        } else if (f.radius[i] > 0) {
            sum += kq / f.radius[i];
        }
    }
    return sum;
}

double FieldAt(const FieldSnapshot& f, float x, float y, double& angle, FieldSources sources, FieldSense sense) {
    angle = 0;
    float ex = 0, ey = 0;
    int first = 0, end = f.ChargeCount;
    if (sources.slot >= 0) {
        first = sources.slot;
        end = sources.slot < f.ChargeCount ? sources.slot + 1 : first;
    }
    const double s = sense == FieldSense::Reversed ? -1.0 : 1.0;
    for (int i = first; i < end; ++i) {
        const float dx = x - f.x[i];
        const float dy = y - f.y[i];
        const double d2 = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
        if (std::sqrt(d2) < f.radius[i]) continue;
        if (d2 == 0) continue;  // the centre of a sphere of radius 0: no direction, no field
        const float e = static_cast<float>(s * CoulombConstant * f.SignFactor * f.amount[i] / d2);
        if (dx == 0) {
            ey = static_cast<float>(ey + e * (dy > 0 ? 1.0 : -1.0));
        } else {
            const double sigma = dx >= 0 ? 1.0 : -1.0;
            const double phi = std::atan(static_cast<double>(dy) / dx);
            ex = static_cast<float>(ex + std::cos(phi) * e * sigma);
            ey = static_cast<float>(ey + std::sin(phi) * e * sigma);
        }
    }
    return StrengthAndDirection(ex, ey, angle);
}

double StrengthAndDirection(float ex, float ey, double& angle) {
    if (ex != 0) {
        angle = std::atan(static_cast<double>(ey) / ex);
        if (ex < 0) angle += Pi;
    } else {
        angle = ey > 0 ? Pi / 2 : -Pi / 2;
    }
    return std::sqrt(static_cast<double>(ex) * ex + static_cast<double>(ey) * ey);
}

bool FarEnough(float unitLength, float x, float y, float px, float py) {
    return FarEnoughInGraphUnits(x / unitLength, y / unitLength, px / unitLength, py / unitLength);
}

}  // namespace voltaris
