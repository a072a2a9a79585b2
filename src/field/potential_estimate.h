// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/field_snapshot.h"
#include "field/same_float.h"

namespace voltaris {

// A potential (V) known to lie within `bound` of `value`. A bound that is infinite or not a
// number gives no information: the exact potential must be worked out.
struct PotentialEstimate {
    double value;
    double bound;

    bool Informative() const { return bound < 1e300; }  // false for NaN too
    // Whether every potential within the bound rounds to the same float32, stored in `rounded`.
    bool RoundsSurely(float& rounded) const {
        const float low = static_cast<float>(value - bound), high = static_cast<float>(value + bound);
        rounded = low;
        return Informative() && SameFloat(low, high);
    }
    // The same for the float32 of the potential times `scale`, rounded to float64 first.
    // Rounding is monotone, so both ends rounding alike leave no choice in between.
    bool ScaledRoundsSurely(double scale, float& rounded) const {
        const float low = static_cast<float>((value - bound) * scale);
        const float high = static_cast<float>((value + bound) * scale);
        rounded = low;
        return Informative() && SameFloat(low, high);
    }
};

// Estimates of PotentialAt without a division or a square root per charge, eight charges or
// eight points per instruction: a reciprocal square root estimate refined to a few units in
// the last place, with a bound far above the difference from PotentialAt's sum. The callers
// decide from estimates where the bound allows and work the potential out exactly elsewhere,
// so their results stay PotentialAt's. Only with AVX-512 (Available()); elsewhere the callers
// take the exact kernels throughout.
class PotentialEstimator {
public:
    explicit PotentialEstimator(const FieldSnapshot& field);

    bool Available() const { return available_; }
    PotentialEstimate At(float x, float y) const;
    // value[j] and bound[j] for the points (xs[j], y), j < n.
    void AlongRow(const float* xs, int n, float y, double* value, double* bound) const;

    static constexpr int Lanes = 24;  // the charges padded to whole vectors of eight

private:
    bool available_ = false;
    int count_ = 0;
    alignas(64) double x_[Lanes]{}, y_[Lanes]{};
    alignas(64) double kq_[Lanes]{};            // SignFactor * k * amount; 0 in padding lanes
    alignas(64) double inverseReach_[Lanes]{};  // 1 / radius; infinite for a point charge
};

}  // namespace voltaris
