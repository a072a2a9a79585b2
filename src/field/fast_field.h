// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "field/field_snapshot.h"

namespace voltaris {

// The field kernels for many evaluations over one arrangement, giving bit for bit the results
// of PotentialAt, FieldAt (all charges, not reversed) and InsideAnyCharge. Per-charge
// constants are worked out once; the potential along a horizontal ray is evaluated several
// points at a time with the same operations per point; the field direction replaces the
// trigonometric round trip by an algebraic one whenever that provably rounds to the same
// float32 sums.
class FastField {
public:
    explicit FastField(const FieldSnapshot& field);

    double Potential(float x, float y) const;
    // out[j] = Potential(xs[j], y) for j < n.
    void PotentialsAlongRow(const float* xs, int n, float y, double* out) const;
    // out[j] = Potential(xs[j], ys[j]) for the four points.
    void PotentialsAtFour(const float* xs, const float* ys, double* out) const;
    // Field strength (V/m) and its direction, as FieldAt with all charges, not reversed.
    double Field(float x, float y, double& angle) const;
    // The two float32 sums that Field works from, each in slot order as FieldAt forms them.
    void FieldComponents(float x, float y, float& ex, float& ey) const;
    bool InsideAnyCharge(float x, float y) const;

    // Charge i's SignFactor * k * amount (V m), and the distance (m) beyond which it acts as a
    // point charge: Potential sums kq / max(d, reach) but for a point charge at its centre.
    double ChargeFactor(int i) const { return kq_[i]; }
    double Reach(int i) const { return radius_[i]; }

private:
    bool avx_;  // the vector code serves (see vector_level.h)
    int count_ = 0;
    std::array<float, MaxChargesPerTab> x_{}, y_{}, radius_{};  // radius at least 0
    // Padded to whole blocks of four charges for the vector code.
    alignas(32) std::array<double, MaxChargesPerTab> radiusWide_{};
    std::array<double, MaxChargesPerTab> kq_{};            // SignFactor * k * amount
    std::array<double, MaxChargesPerTab> rimPotential_{};  // kq / radius (0 for radius 0)
    alignas(32) std::array<double, MaxChargesPerTab> fieldFactor_{};   // as FieldAt forms it
};

}  // namespace voltaris
