// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "field/field_snapshot.h"
#include "field/vector_level.h"

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
    // Field strength (V/m) and its direction, as FieldAt with all charges, not reversed.
    double Field(float x, float y, double& angle) const;
    // The two float32 sums that Field works from, each in slot order as FieldAt forms them.
    void FieldComponents(float x, float y, float& ex, float& ey) const;
    bool InsideAnyCharge(float x, float y) const;
    // !InsideAnyCharge(x, y), and then FieldComponents, from one pass over the charges.
    bool FieldUnlessInside(float x, float y, float& ex, float& ey) const;

    // Charge i's SignFactor * k * amount (V m), and the distance (m) beyond which it acts as a
    // point charge: Potential sums kq / max(d, reach) but for a point charge at its centre.
    double ChargeFactor(int i) const { return kq_[i]; }
    double Reach(int i) const { return radius_[i]; }

    static constexpr int Lanes = 24;  // the charges padded to whole vectors of eight
    struct ChargeTerms;               // each charge's part of the field at one point

private:
    void Terms(float x, float y, ChargeTerms& terms) const;
    void Sum(const ChargeTerms& terms, float& ex, float& ey) const;

    VectorLevel level_;  // the vector code that serves
    int count_ = 0;
    alignas(32) std::array<float, Lanes> x_{}, y_{};
    std::array<float, Lanes> radius_{};  // at least 0
    alignas(64) std::array<double, Lanes> radiusWide_{}, radiusSquared_{};
    std::array<double, Lanes> kq_{};                       // SignFactor * k * amount
    std::array<double, Lanes> rimPotential_{};             // kq / radius (0 for radius 0)
    alignas(64) std::array<double, Lanes> fieldFactor_{};  // as FieldAt forms it
};

}  // namespace voltaris
