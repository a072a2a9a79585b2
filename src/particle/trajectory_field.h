// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/fast_field.h"
#include "field/field_snapshot.h"

namespace voltaris {

// What one integration step asks of the field, for many steps over one arrangement: whether
// the particle touches a charge, and otherwise the two field components. The results are
// those of the plain touch test and of FieldAt (all charges, float32 sums in slot order);
// on processors with AVX-512 they are found eight charges at a time, and a point where the
// vector arithmetic cannot prove that it rounds alike is worked out the plain way.
class TrajectoryField {
public:
    static constexpr int Lanes = 24;  // the charges padded to whole vectors of eight

    enum class Arithmetic { Fastest, Scalar };  // Scalar: never the AVX-512 code
    explicit TrajectoryField(const FieldSnapshot& field, Arithmetic arithmetic = Arithmetic::Fastest);

    // True when (x, y) lies on or inside a charge (no field is given then).
    bool TouchesOrField(float x, float y, float& ex, float& ey) const;
    double Potential(float x, float y) const { return fast_.Potential(x, y); }

    // Whether the AVX-512 code serves this arrangement on this processor.
    bool Vectorised() const { return vectorised_; }

    // The plain way, also used where the vector code is unsure.
    bool TouchesExactly(float x, float y) const;
    void FieldExactly(float x, float y, float& ex, float& ey) const { fast_.FieldComponents(x, y, ex, ey); }

    struct alignas(64) ChargeLanes {
        alignas(64) float cx[Lanes], cy[Lanes];
        alignas(64) double cxWide[Lanes], cyWide[Lanes];
        alignas(64) double radius[Lanes];
        alignas(64) double factor[Lanes];  // k * SignFactor * amount, as FieldAt forms it
        // Squared distances that decide, without a square root, the inside test of the field
        // (below insideLow surely inside, from inside on surely not) and the touch test
        // (up to touchLow surely touching, above touchHigh surely not); between them the vector
        // code leaves the point to the plain way.
        alignas(64) double inside[Lanes], insideLow[Lanes];
        alignas(64) double touchLow[Lanes], touchHigh[Lanes];
        // The squared distance, from coordinates subtracted in float32, above which a point
        // surely neither touches the charge nor lies inside it.
        alignas(64) double clearBeyond[Lanes];
        int count = 0;
    };
    const ChargeLanes& Charges() const { return lanes_; }

private:
    bool vectorised_;
    FastField fast_;
    ChargeLanes lanes_;
};

}  // namespace voltaris
