// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/potential_estimate.h"

#include <immintrin.h>

#include <algorithm>
#include <cmath>

#include "field/avx512_math.h"
#include "field/kernels.h"
#include "field/vector_level.h"

// GCC 12 takes the undefined vectors inside the AVX-512 headers for uninitialised ones.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace voltaris {

static_assert(MaxChargesPerTab <= PotentialEstimator::Lanes, "the charges fit the vector lanes");

namespace {

using avx512::ActiveLanes;
using avx512::ReciprocalSqrt;

// Each estimated term lies within a few units in the last place of PotentialAt's, and either
// sum rounds each addition by at most half a unit of the magnitudes summed so far: both stay
// far below this fraction of the magnitudes. The absolute part covers terms below the normal
// range.
constexpr double RelativeBound = 1e-12;
constexpr double AbsoluteBound = 0x1p-1000;
// Squared distances where the reciprocal square root estimate is accurate; outside them (at a
// charge's very centre, say) the estimate gives no bound.
constexpr double SmallestSquare = 0x1p-1000, LargestSquare = 0x1p1000;

// Lanes whose squared distance lies outside the accurate range (or is not a number).
__attribute__((target("avx512f"))) inline __mmask8 OutOfRange(__mmask8 active, __m512d d2) {
    return _mm512_mask_cmp_pd_mask(active, d2, _mm512_set1_pd(SmallestSquare), _CMP_NGE_UQ) |
           _mm512_mask_cmp_pd_mask(active, d2, _mm512_set1_pd(LargestSquare), _CMP_NLE_UQ);
}

inline double BoundOf(double magnitude, bool outOfRange) {
    return outOfRange ? INFINITY : magnitude * RelativeBound + AbsoluteBound;
}

// Charges in the lanes: kq * min(1 / d, 1 / reach), which is kq / d outside the sphere and its
// rim potential on and inside it. With finite float32 coordinates a squared distance is 0 or
// lies between 2^-298 and 2^260, where the reciprocal square root is accurate. At a centre it
// gives no number and the minimum takes 1 / reach (or no number): a sphere's rim potential, as
// PotentialAt has it, or an infinite term for a point charge, which leaves the bound
// infinite. Padding lanes hold kq = 0 and 1 / reach = 0, so they add 0.
__attribute__((target("avx512f"))) PotentialEstimate PointAvx512(int count, const double* cx, const double* cy,
                                                                 const double* kq, const double* inverseReach, float px,
                                                                 float py) {
    const __m512d x = _mm512_set1_pd(px), y = _mm512_set1_pd(py);
    __m512d sum = _mm512_setzero_pd(), magnitude = _mm512_setzero_pd();
    for (int o = 0; o < count; o += 8) {
        const __m512d dx = _mm512_sub_pd(x, _mm512_load_pd(cx + o));
        const __m512d dy = _mm512_sub_pd(y, _mm512_load_pd(cy + o));
        const __m512d d2 = _mm512_fmadd_pd(dx, dx, _mm512_mul_pd(dy, dy));
        const __m512d inverse = _mm512_min_pd(ReciprocalSqrt(d2), _mm512_load_pd(inverseReach + o));
        const __m512d charge = _mm512_load_pd(kq + o);
        sum = _mm512_fmadd_pd(charge, inverse, sum);
        magnitude = _mm512_fmadd_pd(_mm512_abs_pd(charge), inverse, magnitude);
    }
    return {_mm512_reduce_add_pd(sum), BoundOf(_mm512_reduce_add_pd(magnitude), false)};
}

// Points in the lanes, eight at a time; the last few through a padded copy. With `Checked`
// each point gets the bound of its own terms and the range test; without, all points of the
// row share `rowBound`, which the caller has found to hold for them all.
template <bool Checked>
__attribute__((target("avx512f"), always_inline)) inline void RowAvx512(int count, const double* cx, const double* kq,
                                                                        const double* inverseReach,
                                                                        const double* dySquared, const float* xs, int n,
                                                                        double rowBound, double* value, double* bound) {
    for (int j = 0; j < n; j += 8) {
        const int lanes = std::min(8, n - j);
        alignas(32) float padded[8] = {};
        std::copy(xs + j, xs + j + lanes, padded);
        const __mmask8 active = ActiveLanes(lanes);
        const __m512d x = _mm512_cvtps_pd(_mm256_load_ps(padded));
        __m512d sum = _mm512_setzero_pd(), magnitude = _mm512_setzero_pd();
        __mmask8 outOfRange = 0;
        for (int i = 0; i < count; ++i) {
            const __m512d dx = _mm512_sub_pd(x, _mm512_set1_pd(cx[i]));
            const __m512d d2 = _mm512_fmadd_pd(dx, dx, _mm512_set1_pd(dySquared[i]));
            const __m512d inverse = _mm512_min_pd(ReciprocalSqrt(d2), _mm512_set1_pd(inverseReach[i]));
            if (Checked) {
                outOfRange |= OutOfRange(active, d2);
                const __m512d term = _mm512_mul_pd(_mm512_set1_pd(kq[i]), inverse);
                sum = _mm512_add_pd(sum, term);
                magnitude = _mm512_add_pd(magnitude, _mm512_abs_pd(term));
            } else {
                sum = _mm512_fmadd_pd(_mm512_set1_pd(kq[i]), inverse, sum);
            }
        }
        alignas(64) double v[8], e[8];
        _mm512_store_pd(v, sum);
        if (Checked) {
            __m512d b =
                _mm512_add_pd(_mm512_mul_pd(magnitude, _mm512_set1_pd(RelativeBound)), _mm512_set1_pd(AbsoluteBound));
            _mm512_store_pd(e, _mm512_mask_blend_pd(outOfRange, b, _mm512_set1_pd(INFINITY)));
        } else {
            std::fill(e, e + 8, rowBound);
        }
        std::copy(v, v + lanes, value + j);
        std::copy(e, e + lanes, bound + j);
    }
}

// The points of a row sixteen at a time (n a multiple of 16), as RowAvx512<false>: two
// independent sums, so that the latencies of one overlap the other's work.
__attribute__((target("avx512f"))) void RowSixteensAvx512(int count, const double* cx, const double* kq,
                                                          const double* inverseReach, const double* dySquared,
                                                          const float* xs, int n, double* value) {
    for (int j = 0; j < n; j += 16) {
        const __m512d x0 = _mm512_cvtps_pd(_mm256_loadu_ps(xs + j));
        const __m512d x1 = _mm512_cvtps_pd(_mm256_loadu_ps(xs + j + 8));
        __m512d sum0 = _mm512_setzero_pd(), sum1 = _mm512_setzero_pd();
        for (int i = 0; i < count; ++i) {
            const __m512d centre = _mm512_set1_pd(cx[i]), dy2 = _mm512_set1_pd(dySquared[i]);
            const __m512d cap = _mm512_set1_pd(inverseReach[i]), charge = _mm512_set1_pd(kq[i]);
            const __m512d dx0 = _mm512_sub_pd(x0, centre), dx1 = _mm512_sub_pd(x1, centre);
            const __m512d inverse0 = _mm512_min_pd(ReciprocalSqrt(_mm512_fmadd_pd(dx0, dx0, dy2)), cap);
            const __m512d inverse1 = _mm512_min_pd(ReciprocalSqrt(_mm512_fmadd_pd(dx1, dx1, dy2)), cap);
            sum0 = _mm512_fmadd_pd(charge, inverse0, sum0);
            sum1 = _mm512_fmadd_pd(charge, inverse1, sum1);
        }
        _mm512_storeu_pd(value + j, sum0);
        _mm512_storeu_pd(value + j + 8, sum1);
    }
}

__attribute__((target("avx512f"))) void RowAvx512(int count, const double* cx, const double* cy, const double* kq,
                                                  const double* inverseReach, const float* xs, int n, float py,
                                                  double* value, double* bound) {
    // A charge's term has no larger magnitude anywhere on the row than |kq| / max(|dy|, reach);
    // where all squared distances surely lie in the accurate range, the sum of these serves as
    // the magnitude of every point's terms.
    double dySquared[PotentialEstimator::Lanes];
    float lowest = INFINITY, highest = -INFINITY;
    for (int j = 0; j < n; ++j) lowest = std::min(lowest, xs[j]), highest = std::max(highest, xs[j]);
    double largest = 0;
    bool inRange = n > 0;
    for (int i = 0; i < count; ++i) {
        const double dy = static_cast<double>(py) - cy[i];
        dySquared[i] = dy * dy;
        largest += std::fabs(kq[i]) * std::min(1 / std::fabs(dy), inverseReach[i]);
        const double dx = std::max(std::fabs(lowest - cx[i]), std::fabs(highest - cx[i]));
        inRange &= dySquared[i] > 2 * SmallestSquare && dx * dx + dySquared[i] < LargestSquare / 2;
    }
    const double rowBound = BoundOf(largest, !inRange);
    if (rowBound < INFINITY) {
        const int whole = n / 16 * 16;
        RowSixteensAvx512(count, cx, kq, inverseReach, dySquared, xs, whole, value);
        std::fill(bound, bound + whole, rowBound);
        RowAvx512<false>(count, cx, kq, inverseReach, dySquared, xs + whole, n - whole, rowBound, value + whole,
                         bound + whole);
    } else {
        RowAvx512<true>(count, cx, kq, inverseReach, dySquared, xs, n, 0, value, bound);
    }
}

}  // namespace

PotentialEstimator::PotentialEstimator(const FieldSnapshot& f)
    : available_(FieldVectorLevel() == VectorLevel::Avx512), count_(f.ChargeCount) {
    for (int i = 0; i < count_; ++i) {
        available_ &= std::isfinite(f.x[i]) && std::isfinite(f.y[i]);
        x_[i] = f.x[i];
        y_[i] = f.y[i];
        kq_[i] = f.SignFactor * CoulombConstant * f.amount[i];
        // A point charge (radius 0 or less, or not a number) has no rim: the estimate at its
        // centre is out of range anyway.
        inverseReach_[i] = f.radius[i] > 0 ? 1.0 / f.radius[i] : INFINITY;
    }
}

PotentialEstimate PotentialEstimator::At(float x, float y) const {
    if (!(std::isfinite(x) && std::isfinite(y))) return {0, INFINITY};
    return PointAvx512(count_, x_, y_, kq_, inverseReach_, x, y);
}

void PotentialEstimator::AlongRow(const float* xs, int n, float y, double* value, double* bound) const {
    RowAvx512(count_, x_, y_, kq_, inverseReach_, xs, n, y, value, bound);
}

}  // namespace voltaris

#pragma GCC diagnostic pop
