// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/fast_field.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "field/avx512_math.h"
#include "field/kernels.h"
#include "field/same_float.h"
#include "field/vector_level.h"

// GCC 12 takes the undefined vectors inside the AVX-512 headers for uninitialised ones.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace voltaris {

static_assert(MaxChargesPerTab % 4 == 0, "the AVX kernels work on whole blocks of four charges");
static_assert(MaxChargesPerTab <= FastField::Lanes, "the AVX-512 kernels work on whole blocks of eight charges");

namespace {

using avx512::ReciprocalSqrt;

// Four points per instruction, the same IEEE operations per point as the scalar loop (no
// fused multiply-add), the charges summed in slot order.
__attribute__((target("avx"))) void RowAvx(int count, const float* cx, const float* cy, const float* radius,
                                           const double* kq, const double* rim, const float* xs, int n, float y,
                                           double* out) {
    double dySquared[MaxChargesPerTab];
    for (int i = 0; i < count; ++i) {
        const double dy = static_cast<double>(y) - cy[i];
        dySquared[i] = dy * dy;
    }
    int j = 0;
    for (; j + 4 <= n; j += 4) {
        const __m256d x = _mm256_cvtps_pd(_mm_loadu_ps(xs + j));
        __m256d sum = _mm256_setzero_pd();
        for (int i = 0; i < count; ++i) {
            const __m256d dx = _mm256_sub_pd(x, _mm256_set1_pd(cx[i]));
            const __m256d d = _mm256_sqrt_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_set1_pd(dySquared[i])));
            const __m256d outside = _mm256_cmp_pd(d, _mm256_set1_pd(radius[i]), _CMP_GT_OQ);
            const __m256d term =
                _mm256_blendv_pd(_mm256_set1_pd(rim[i]), _mm256_div_pd(_mm256_set1_pd(kq[i]), d), outside);
            sum = _mm256_add_pd(sum, term);
        }
        _mm256_storeu_pd(out + j, sum);
    }
    for (; j < n; ++j) {
        double sum = 0;
        for (int i = 0; i < count; ++i) {
            const double dx = static_cast<double>(xs[j]) - cx[i];
            const double d = std::sqrt(dx * dx + dySquared[i]);
            sum += d > radius[i] ? kq[i] / d : rim[i];
        }
        out[j] = sum;
    }
}

// One point: the terms of four charges at a time, then summed one by one in slot order.
__attribute__((target("avx"))) double PointAvx(int count, const float* cx, const float* cy, const float* radius,
                                               const double* kq, const double* rim, float px, float py) {
    alignas(32) double terms[MaxChargesPerTab];
    const __m256d x = _mm256_set1_pd(px), y = _mm256_set1_pd(py);
    for (int i = 0; i < count; i += 4) {
        const __m256d dx = _mm256_sub_pd(x, _mm256_cvtps_pd(_mm_loadu_ps(cx + i)));
        const __m256d dy = _mm256_sub_pd(y, _mm256_cvtps_pd(_mm_loadu_ps(cy + i)));
        const __m256d d = _mm256_sqrt_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)));
        const __m256d outside = _mm256_cmp_pd(d, _mm256_cvtps_pd(_mm_loadu_ps(radius + i)), _CMP_GT_OQ);
        const __m256d term =
            _mm256_blendv_pd(_mm256_loadu_pd(rim + i), _mm256_div_pd(_mm256_loadu_pd(kq + i), d), outside);
        _mm256_store_pd(terms + i, term);
    }
    double sum = 0;
    for (int i = 0; i < count; ++i) sum += terms[i];
    return sum;
}

// Whether every value within `bound` of s rounds to the same float32 as s, which is then
// stored in `rounded`: s must lie farther than `bound` from the midpoints to both neighbours.
// Branch-free, since which way s was rounded is random.
inline bool RoundsSurely(double s, double bound, float& rounded) {
    rounded = static_cast<float>(s);
    uint32_t bits;
    std::memcpy(&bits, &rounded, sizeof bits);
    const uint32_t exponent = (bits >> 23) & 0xff;
    const double offset = s - static_cast<double>(rounded);  // exact
    uint64_t offsetBits;
    std::memcpy(&offsetBits, &offset, sizeof offsetBits);
    // Below a power of two (towards zero) the spacing of float32 values halves.
    const uint64_t towardsSmallerSpacing =
        ((offsetBits >> 63) != (bits >> 31)) & (offset != 0) & ((bits & 0x7fffff) == 0) & (exponent > 1);
    // Half the spacing above |rounded|: 2^(exponent - 151), with subnormals spaced as exponent 1.
    const uint64_t halfGapBits = (exponent + (exponent == 0) + 1023 - 151 - towardsSmallerSpacing) << 52;
    double halfGap;
    std::memcpy(&halfGap, &halfGapBits, sizeof halfGap);
    // The top binade (and beyond it infinity and NaN) takes no shortcut.
    return (std::fabs(offset) + bound < halfGap) & (exponent < 0xfe);
}

// Far above the error of cos(atan(t)) and sin(atan(t)) from the maths library (a few units in
// the last place of numbers up to 1) plus that of dx / d and dy / d.
constexpr double DirectionErrorBound = 1e-13;

}  // namespace

// Per-charge parts of the field at one point, worked out four or eight charges at a time.
// With phi = atan(dy / dx) and sigma the sign of dx, cos(phi) * sigma = dx / d and
// sin(phi) * sigma = dy / d (d the distance), so the terms need no trigonometric round trip;
// the summation decides whether they may stand for the trigonometric ones.
struct FastField::ChargeTerms {
    alignas(64) double e[Lanes];  // field strength of the charge, float32-rounded
    alignas(64) double x[Lanes];  // algebraic x term, e * dx / d
    alignas(64) double y[Lanes];  // algebraic y term, e * dy / d
    alignas(64) double dx[Lanes];
    alignas(64) double dy[Lanes];
    // With AVX-512: the terms less and plus their error bound, 0 for charges that add nothing.
    alignas(64) double lowX[Lanes], highX[Lanes], lowY[Lanes], highY[Lanes];
    bool bounded = false;  // whether those are filled in
    uint32_t outside = 0;  // bit i: charge i contributes (neither inside nor at its centre)
    uint32_t inside = 0;   // bit i: the point lies inside charge i
    bool unsure = false;   // the vector code could not tell inside from outside
};

namespace {

__attribute__((target("avx"))) void FieldTermsAvx(int count, const float* cx, const float* cy, const double* radius,
                                                  const double* factor, float px, float py,
                                                  FastField::ChargeTerms& out) {
    const __m128 x = _mm_set1_ps(px), y = _mm_set1_ps(py);
    const __m256d zero = _mm256_setzero_pd();
    out.outside = out.inside = 0;
    out.bounded = false;
    for (int i = 0; i < count; i += 4) {
        const __m256d dx = _mm256_cvtps_pd(_mm_sub_ps(x, _mm_loadu_ps(cx + i)));
        const __m256d dy = _mm256_cvtps_pd(_mm_sub_ps(y, _mm_loadu_ps(cy + i)));
        const __m256d d2 = _mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy));
        const __m256d d = _mm256_sqrt_pd(d2);
        const __m256d inside = _mm256_cmp_pd(d, _mm256_loadu_pd(radius + i), _CMP_LT_OQ);
        const __m256d centre = _mm256_cmp_pd(d2, zero, _CMP_EQ_OQ);
        const __m256d e = _mm256_cvtps_pd(_mm256_cvtpd_ps(_mm256_div_pd(_mm256_loadu_pd(factor + i), d2)));
        const __m256d perMetre = _mm256_div_pd(e, d);
        _mm256_store_pd(out.e + i, e);
        _mm256_store_pd(out.x + i, _mm256_mul_pd(perMetre, dx));
        _mm256_store_pd(out.y + i, _mm256_mul_pd(perMetre, dy));
        _mm256_store_pd(out.dx + i, dx);
        _mm256_store_pd(out.dy + i, dy);
        const uint32_t in = _mm256_movemask_pd(inside), none = _mm256_movemask_pd(_mm256_or_pd(inside, centre));
        out.inside |= in << i;
        out.outside |= (~none & 0xfu) << i;
    }
    out.unsure = false;
}

// Eight charges at a time without a division or square root for the direction: 1 / d from
// the reciprocal square root estimate, and the inside test from the squared distance, which
// leaves a narrow band below the squared radius undecided.
__attribute__((target("avx512f"))) void FieldTermsAvx512(int count, const float* cx, const float* cy,
                                                         const double* radiusSquared, const double* factor, float px,
                                                         float py, FastField::ChargeTerms& out) {
    const __m256 x = _mm256_set1_ps(px), y = _mm256_set1_ps(py);
    uint32_t outside = 0, inside = 0, unsure = 0;
    for (int i = 0; i < count; i += 8) {
        const __mmask8 active = avx512::ActiveLanes(count - i);
        const __m512d dx = _mm512_cvtps_pd(_mm256_sub_ps(x, _mm256_load_ps(cx + i)));
        const __m512d dy = _mm512_cvtps_pd(_mm256_sub_ps(y, _mm256_load_ps(cy + i)));
        // The squares of float32 differences are exact, so d2 rounds as the scalar kernel's.
        const __m512d d2 = _mm512_add_pd(_mm512_mul_pd(dx, dx), _mm512_mul_pd(dy, dy));
        const __m512d r2 = _mm512_load_pd(radiusSquared + i);
        // sqrt(d2) < r exactly when d2 < r^2, but for d2 just below r^2, where the rounded
        // root may come out as r.
        const __mmask8 surelyInside =
            _mm512_mask_cmp_pd_mask(active, d2, _mm512_mul_pd(r2, _mm512_set1_pd(1 - 0x1p-50)), _CMP_LT_OQ);
        const __mmask8 notInside = _mm512_mask_cmp_pd_mask(active, d2, r2, _CMP_GE_OQ);
        const __mmask8 centre = _mm512_cmp_pd_mask(d2, _mm512_setzero_pd(), _CMP_EQ_OQ);
        const __m512d e = _mm512_cvtps_pd(_mm512_cvtpd_ps(_mm512_div_pd(_mm512_load_pd(factor + i), d2)));
        const __m512d perMetre = _mm512_mul_pd(e, ReciprocalSqrt(d2));
        const __m512d termX = _mm512_mul_pd(perMetre, dx), termY = _mm512_mul_pd(perMetre, dy);
        _mm512_store_pd(out.e + i, e);
        _mm512_store_pd(out.x + i, termX);
        _mm512_store_pd(out.y + i, termY);
        _mm512_store_pd(out.dx + i, dx);
        _mm512_store_pd(out.dy + i, dy);
        const __mmask8 adds = notInside & ~centre;
        const __m512d bound = _mm512_mul_pd(_mm512_abs_pd(e), _mm512_set1_pd(DirectionErrorBound));
        _mm512_store_pd(out.lowX + i, _mm512_maskz_sub_pd(adds, termX, bound));
        _mm512_store_pd(out.highX + i, _mm512_maskz_add_pd(adds, termX, bound));
        _mm512_store_pd(out.lowY + i, _mm512_maskz_sub_pd(adds, termY, bound));
        _mm512_store_pd(out.highY + i, _mm512_maskz_add_pd(adds, termY, bound));
        inside |= static_cast<uint32_t>(surelyInside) << i;
        outside |= static_cast<uint32_t>(notInside & ~centre) << i;
        unsure |= static_cast<uint32_t>(active & ~(surelyInside | notInside)) << i;
    }
    out.inside = inside;
    out.outside = outside;
    out.unsure = unsure != 0;
    out.bounded = true;
}

void FieldTermsScalar(int count, const float* cx, const float* cy, const double* radius, const double* factor, float px,
                      float py, FastField::ChargeTerms& out) {
    out.outside = out.inside = 0;
    out.unsure = out.bounded = false;
    for (int i = 0; i < count; ++i) {
        const float dx = px - cx[i], dy = py - cy[i];
        const double d2 = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
        const double d = std::sqrt(d2);
        const bool inside = d < radius[i];
        const double e = static_cast<float>(factor[i] / d2);
        const double perMetre = e / d;
        out.e[i] = e;
        out.x[i] = perMetre * dx;
        out.y[i] = perMetre * dy;
        out.dx[i] = dx;
        out.dy[i] = dy;
        out.inside |= static_cast<uint32_t>(inside) << i;
        out.outside |= static_cast<uint32_t>(!inside && d2 != 0) << i;
    }
}

}  // namespace

FastField::FastField(const FieldSnapshot& f) : level_(FieldVectorLevel()), count_(f.ChargeCount) {
    for (int i = 0; i < count_; ++i) {
        x_[i] = f.x[i];
        y_[i] = f.y[i];
        // A radius of 0 or less (or not a number) makes a point charge: no rim potential, no
        // inside, and nothing at its very centre instead of an infinity.
        radius_[i] = f.radius[i] > 0 ? f.radius[i] : 0.0f;
        radiusWide_[i] = radius_[i];
        radiusSquared_[i] = radiusWide_[i] * radiusWide_[i];  // exact
        // Formed exactly as the scalar kernels form them, so every term rounds the same.
        kq_[i] = f.SignFactor * CoulombConstant * f.amount[i];
        rimPotential_[i] = f.radius[i] > 0 ? kq_[i] / f.radius[i] : 0.0;
        fieldFactor_[i] = 1.0 * CoulombConstant * f.SignFactor * f.amount[i];
    }
}

double FastField::Potential(float x, float y) const {
    if (level_ >= VectorLevel::Avx)
        return PointAvx(count_, x_.data(), y_.data(), radius_.data(), kq_.data(), rimPotential_.data(), x, y);
    double sum = 0;
    for (int i = 0; i < count_; ++i) {
        const double dx = static_cast<double>(x) - x_[i];
        const double dy = static_cast<double>(y) - y_[i];
        const double d = std::sqrt(dx * dx + dy * dy);
        sum += d > radius_[i] ? kq_[i] / d : rimPotential_[i];
    }
    return sum;
}

void FastField::PotentialsAlongRow(const float* xs, int n, float y, double* out) const {
    if (level_ >= VectorLevel::Avx) {
        RowAvx(count_, x_.data(), y_.data(), radius_.data(), kq_.data(), rimPotential_.data(), xs, n, y, out);
        return;
    }
    for (int j = 0; j < n; ++j) out[j] = Potential(xs[j], y);
}

double FastField::Field(float x, float y, double& angle) const {
    float ex, ey;
    FieldComponents(x, y, ex, ey);
    return StrengthAndDirection(ex, ey, angle);
}

void FastField::Terms(float x, float y, ChargeTerms& terms) const {
    if (level_ == VectorLevel::Avx512) {
        FieldTermsAvx512(count_, x_.data(), y_.data(), radiusSquared_.data(), fieldFactor_.data(), x, y, terms);
        if (!terms.unsure) return;
    }
    if (level_ >= VectorLevel::Avx) {
        FieldTermsAvx(count_, x_.data(), y_.data(), radiusWide_.data(), fieldFactor_.data(), x, y, terms);
    } else {
        FieldTermsScalar(count_, x_.data(), y_.data(), radiusWide_.data(), fieldFactor_.data(), x, y, terms);
    }
}

void FastField::FieldComponents(float x, float y, float& ex, float& ey) const {
    ChargeTerms terms;
    Terms(x, y, terms);
    Sum(terms, ex, ey);
}

bool FastField::FieldUnlessInside(float x, float y, float& ex, float& ey) const {
    ChargeTerms terms;
    Terms(x, y, terms);
    if (terms.inside) return false;
    Sum(terms, ex, ey);
    return true;
}

void FastField::Sum(const ChargeTerms& terms, float& exOut, float& eyOut) const {
    if (terms.bounded) {
        // The float32 sums in slot order, each addition rounded as FieldAt rounds it: float64,
        // then float32. Rounding is monotone, so the sums of the terms less and plus their
        // bounds enclose FieldAt's; where both agree they are FieldAt's. Four independent
        // chains without a branch: the latency of one.
        float lowX = 0, highX = 0, lowY = 0, highY = 0;
        for (int i = 0; i < count_; ++i) {
            lowX = static_cast<float>(lowX + terms.lowX[i]);
            highX = static_cast<float>(highX + terms.highX[i]);
            lowY = static_cast<float>(lowY + terms.lowY[i]);
            highY = static_cast<float>(highY + terms.highY[i]);
        }
        if (SameFloat(lowX, highX) && SameFloat(lowY, highY)) {
            exOut = lowX;
            eyOut = lowY;
            return;
        }
    }
    float ex = 0, ey = 0;
    for (int i = 0; i < count_; ++i) {
        if (!(terms.outside >> i & 1)) continue;  // inside the sphere, or at the centre of a sphere of radius 0
        const double e = terms.e[i];
        if (terms.dx[i] == 0) {
            ey = static_cast<float>(ey + e * (terms.dy[i] > 0 ? 1.0 : -1.0));
            continue;
        }
        float roundedX, roundedY;
        const bool sureX =
            RoundsSurely(ex + terms.x[i], (std::fabs(e) + std::fabs(ex)) * DirectionErrorBound, roundedX);
        const bool sureY =
            RoundsSurely(ey + terms.y[i], (std::fabs(e) + std::fabs(ey)) * DirectionErrorBound, roundedY);
        if (sureX & sureY) {
            ex = roundedX;
            ey = roundedY;
        } else {  // too close to a rounding boundary: take the scalar kernel's own path
            const double sigma = terms.dx[i] >= 0 ? 1.0 : -1.0;
            const double phi = std::atan(terms.dy[i] / terms.dx[i]);
            ex = static_cast<float>(ex + std::cos(phi) * e * sigma);
            ey = static_cast<float>(ey + std::sin(phi) * e * sigma);
        }
    }
    exOut = ex;
    eyOut = ey;
}

bool FastField::InsideAnyCharge(float x, float y) const {
    for (int i = 0; i < count_; ++i) {
        const float dx = x - x_[i], dy = y - y_[i];
        if (std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy) < radius_[i]) return true;
    }
    return false;
}

}  // namespace voltaris

#pragma GCC diagnostic pop
