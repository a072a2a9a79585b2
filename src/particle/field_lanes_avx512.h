// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-charge work of the trajectory field, eight charges at a time with AVX-512: the touch
// test, the inside test and each charge's two field terms with a bound of their error. Only
// for code compiled with target("avx512f") that has checked the processor first.

// GCC 12 takes the undefined vectors inside the AVX-512 headers for uninitialised ones; the
// warnings are off for this header only.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>

#include "field/avx512_math.h"
#include "particle/trajectory_field.h"

namespace voltaris::field_lanes {

// Far above the error of the terms below against FieldAt's cos(atan t) and sin(atan t) from
// the maths library (a few units in the last place of numbers up to 1).
constexpr double TermErrorBound = 1e-13;
// Relative width of the bands around a squared radius where a test without the square root
// may decide otherwise than the test with it.
constexpr double BandWidth = 0x1p-48;

using avx512::ActiveLanes;
using avx512::ReciprocalSqrt;

// Stored as two halves, which single loads read straight from the store queue (a whole
// 512-bit store makes them wait).
__attribute__((target("avx512f"))) inline void StoreHalves(double* out, __m512d v) {
    _mm256_store_pd(out, _mm512_castpd512_pd256(v));
    _mm256_store_pd(out + 4, _mm512_extractf64x4_pd(v, 1));
}

// Offsets of eight charges from (x, y), subtracted in float32 as the field measures them;
// their squares are exact in float64.
struct Offsets {
    __m512d dx, dy, d2;
};

__attribute__((target("avx512f"), always_inline)) inline Offsets OffsetsOf(const TrajectoryField::ChargeLanes& c,
                                                                           int first, float px, float py) {
    const __m512d dx = _mm512_cvtps_pd(_mm256_sub_ps(_mm256_set1_ps(px), _mm256_load_ps(c.cx + first)));
    const __m512d dy = _mm512_cvtps_pd(_mm256_sub_ps(_mm256_set1_ps(py), _mm256_load_ps(c.cy + first)));
    // Both squares are exact, so the fused sum rounds once, as the plain sum of the squares.
    return {dx, dy, _mm512_fmadd_pd(dx, dx, _mm512_mul_pd(dy, dy))};
}

// The strength of the lanes in `mask` (0 in the others), e the float32-rounded k * q / d^2
// as FieldAt forms it.
__attribute__((target("avx512f"), always_inline)) inline __m512d StrengthOf(const TrajectoryField::ChargeLanes& c,
                                                                            int first, const Offsets& o,
                                                                            __mmask8 mask) {
    return _mm512_maskz_cvtps_pd(mask, _mm512_cvtpd_ps(_mm512_div_pd(_mm512_load_pd(c.factor + first), o.d2)));
}

// The two terms e * dx / d and e * dy / d of strength e in the lanes in `mask` (0 in the
// others, even at d = 0), which differ from FieldAt's cos(atan(dy/dx)) * e and
// sin(atan(dy/dx)) * e by less than TermErrorBound * |e|.
__attribute__((target("avx512f"), always_inline)) inline void TermsOfStrength(const Offsets& o, __m512d e,
                                                                              __mmask8 mask, __m512d& termX,
                                                                              __m512d& termY) {
    const __m512d perLength = _mm512_mul_pd(e, ReciprocalSqrt(o.d2));
    termX = _mm512_maskz_mul_pd(mask, perLength, o.dx);
    termY = _mm512_maskz_mul_pd(mask, perLength, o.dy);
}

// The terms of the lanes in `mask` (0 in the others) and the bound of their error.
__attribute__((target("avx512f"), always_inline)) inline void TermsOfOffsets(const TrajectoryField::ChargeLanes& c,
                                                                             int first, const Offsets& o, __mmask8 mask,
                                                                             __m512d& termX, __m512d& termY,
                                                                             __m512d& bound) {
    const __m512d e = StrengthOf(c, first, o, mask);
    TermsOfStrength(o, e, mask, termX, termY);
    bound = _mm512_mul_pd(_mm512_abs_pd(e), _mm512_set1_pd(TermErrorBound));
}

// Eight charges from slot `first` on, seen from (x, y).
struct LaneTerms {
    __mmask8 touches;             // surely on or inside the charge
    __mmask8 unsure;              // too close to a rim to tell without the square root, or out of range
    __m512d termX, termY, bound;  // of the charges outside their spheres
};

__attribute__((target("avx512f"), always_inline)) inline LaneTerms TermsOf(const TrajectoryField::ChargeLanes& c,
                                                                           int first, float px, float py) {
    LaneTerms out;
    const __mmask8 active = ActiveLanes(c.count - first);
    // The touch test measures from coordinates subtracted in float64.
    const __m512d tdx = _mm512_sub_pd(_mm512_set1_pd(px), _mm512_load_pd(c.cxWide + first));
    const __m512d tdy = _mm512_sub_pd(_mm512_set1_pd(py), _mm512_load_pd(c.cyWide + first));
    const __m512d tdd = _mm512_add_pd(_mm512_mul_pd(tdx, tdx), _mm512_mul_pd(tdy, tdy));
    const __m512d touch = _mm512_load_pd(c.touchLow + first);
    out.touches = _mm512_mask_cmp_pd_mask(active, tdd, touch, _CMP_NGT_UQ);
    out.unsure = _mm512_mask_cmp_pd_mask(_mm512_mask_cmp_pd_mask(active, tdd, touch, _CMP_GT_OQ), tdd,
                                         _mm512_load_pd(c.touchHigh + first), _CMP_LE_OQ);
    const Offsets o = OffsetsOf(c, first, px, py);
    const __m512d inside = _mm512_load_pd(c.inside + first);
    const __mmask8 outside = _mm512_mask_cmp_pd_mask(active, o.d2, inside, _CMP_GE_OQ) &
                             _mm512_cmp_pd_mask(o.d2, _mm512_setzero_pd(), _CMP_NEQ_OQ);
    out.unsure |= _mm512_mask_cmp_pd_mask(_mm512_mask_cmp_pd_mask(active, o.d2, inside, _CMP_LT_OQ), o.d2,
                                          _mm512_load_pd(c.insideLow + first), _CMP_GE_OQ);
    // Outside the range where the reciprocal square root is accurate: the plain way.
    out.unsure |= _mm512_mask_cmp_pd_mask(outside, o.d2, _mm512_set1_pd(0x1p-1000), _CMP_LT_OQ) |
                  _mm512_mask_cmp_pd_mask(outside, o.d2, _mm512_set1_pd(0x1p1000), _CMP_GT_OQ);
    TermsOfOffsets(c, first, o, outside, out.termX, out.termY, out.bound);
    return out;
}

// Eight charges seen from (x, y) by the quick path, which takes only points clear of every
// sphere: `stops` has the active lanes not surely outside both the touch test and the inside
// test (clearBeyond is never below 0). Offsets subtracted in float32 square to 0 or to at least
// 2^-298, well within the range where the reciprocal square root is accurate; an offset that
// overflows gives terms that are not numbers, which the callers' checks reject.
struct QuickTerms {
    __mmask8 active, stops;
    __m512d termX, termY;
};

// Eight charges from slot `first` on, `active` the lanes that hold one; a lane is clear beyond
// the squared distance `clearBeyond` (at least the charge's own).
__attribute__((target("avx512f"), always_inline)) inline QuickTerms QuickTermsOf(const TrajectoryField::ChargeLanes& c,
                                                                                 const double* clearBeyond, int first,
                                                                                 __mmask8 active, float px, float py) {
    QuickTerms out;
    out.active = active;
    const Offsets o = OffsetsOf(c, first, px, py);
    out.stops = _mm512_mask_cmp_pd_mask(active, o.d2, _mm512_load_pd(clearBeyond + first), _CMP_NGT_UQ);
    TermsOfStrength(o, StrengthOf(c, first, o, active), active, out.termX, out.termY);
    return out;
}

// The strengths in QuickTermsOf's terms.
__attribute__((target("avx512f"), always_inline)) inline __m512d QuickStrengthsOf(const TrajectoryField::ChargeLanes& c,
                                                                                  int first, __mmask8 active, float px,
                                                                                  float py) {
    return StrengthOf(c, first, OffsetsOf(c, first, px, py), active);
}

// QuickTermsOf for the four charges from slot `first` on (`active` within the low four lanes)
// with half-wide vectors, which take half the time where the processor splits 512-bit
// operations in two; the upper four lanes are 0. Lane by lane the arithmetic is QuickTermsOf's.
__attribute__((target("avx512f,avx512vl,fma"), always_inline)) inline QuickTerms QuickTermsOfFour(
    const TrajectoryField::ChargeLanes& c, const double* clearBeyond, int first, __mmask8 active, float px, float py) {
    QuickTerms out;
    out.active = active;
    const __m256d dx = _mm256_cvtps_pd(_mm_sub_ps(_mm_set1_ps(px), _mm_load_ps(c.cx + first)));
    const __m256d dy = _mm256_cvtps_pd(_mm_sub_ps(_mm_set1_ps(py), _mm_load_ps(c.cy + first)));
    const __m256d d2 = _mm256_fmadd_pd(dx, dx, _mm256_mul_pd(dy, dy));
    out.stops = _mm256_mask_cmp_pd_mask(active, d2, _mm256_load_pd(clearBeyond + first), _CMP_NGT_UQ);
    const __m256d e =
        _mm256_maskz_cvtps_pd(active, _mm256_cvtpd_ps(_mm256_div_pd(_mm256_load_pd(c.factor + first), d2)));
    const __m256d perLength = _mm256_mul_pd(e, ReciprocalSqrt(d2));
    out.termX = _mm512_zextpd256_pd512(_mm256_maskz_mul_pd(active, perLength, dx));
    out.termY = _mm512_zextpd256_pd512(_mm256_maskz_mul_pd(active, perLength, dy));
    return out;
}

}  // namespace voltaris::field_lanes

#pragma GCC diagnostic pop
