// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/fast_field.h"

#include <immintrin.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "field/kernels.h"
#include "field/vector_level.h"

namespace voltaris {

static_assert(MaxChargesPerTab % 4 == 0, "the vector kernels work on whole blocks of four charges");

namespace {

// Four points per instruction, the same IEEE operations per point as the scalar loop (no
// fused multiply-add), the charges summed in slot order.
__attribute__((target("avx"))) void RowAvx(int count, const float* cx, const float* cy, const float* radius,
                                           const double* kq, const double* rim, const float* xs, int n,
                                           float y, double* out) {
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
            const __m256d term = _mm256_blendv_pd(_mm256_set1_pd(rim[i]), _mm256_div_pd(_mm256_set1_pd(kq[i]), d), outside);
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

__attribute__((target("avx"))) void FourAvx(int count, const float* cx, const float* cy, const float* radius,
                                            const double* kq, const double* rim, const float* xs, const float* ys,
                                            double* out) {
    const __m256d x = _mm256_cvtps_pd(_mm_loadu_ps(xs));
    const __m256d y = _mm256_cvtps_pd(_mm_loadu_ps(ys));
    __m256d sum = _mm256_setzero_pd();
    for (int i = 0; i < count; ++i) {
        const __m256d dx = _mm256_sub_pd(x, _mm256_set1_pd(cx[i]));
        const __m256d dy = _mm256_sub_pd(y, _mm256_set1_pd(cy[i]));
        const __m256d d = _mm256_sqrt_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)));
        const __m256d outside = _mm256_cmp_pd(d, _mm256_set1_pd(radius[i]), _CMP_GT_OQ);
        const __m256d term = _mm256_blendv_pd(_mm256_set1_pd(rim[i]), _mm256_div_pd(_mm256_set1_pd(kq[i]), d), outside);
        sum = _mm256_add_pd(sum, term);
    }
    _mm256_storeu_pd(out, sum);
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
        const __m256d term = _mm256_blendv_pd(_mm256_loadu_pd(rim + i), _mm256_div_pd(_mm256_loadu_pd(kq + i), d), outside);
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
    const uint64_t towardsSmallerSpacing = ((offsetBits >> 63) != (bits >> 31)) & (offset != 0) &
                                           ((bits & 0x7fffff) == 0) & (exponent > 1);
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
// Per-charge parts of the field at one point, worked out four charges at a time. With
// phi = atan(dy / dx) and sigma the sign of dx, cos(phi) * sigma = dx / d and
// sin(phi) * sigma = dy / d (d the distance), so the terms need one division instead of the
// trigonometric round trip; the summation decides whether they may stand for the
// trigonometric ones.
struct FieldTerms {
    alignas(32) double e[MaxChargesPerTab];  // field strength of the charge, float32-rounded
    alignas(32) double x[MaxChargesPerTab];  // algebraic x term, e * dx / d
    alignas(32) double y[MaxChargesPerTab];  // algebraic y term, e * dy / d
    alignas(32) double dx[MaxChargesPerTab];
    alignas(32) double dy[MaxChargesPerTab];
    alignas(32) double outside[MaxChargesPerTab];  // all bits set when the charge contributes
};

__attribute__((target("avx"))) void FieldTermsAvx(int count, const float* cx, const float* cy, const double* radius,
                                                  const double* factor, float px, float py, FieldTerms& out) {
    const __m128 x = _mm_set1_ps(px), y = _mm_set1_ps(py);
    const __m256d zero = _mm256_setzero_pd();
    for (int i = 0; i < count; i += 4) {
        const __m256d dx = _mm256_cvtps_pd(_mm_sub_ps(x, _mm_loadu_ps(cx + i)));
        const __m256d dy = _mm256_cvtps_pd(_mm_sub_ps(y, _mm_loadu_ps(cy + i)));
        const __m256d d2 = _mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy));
        const __m256d d = _mm256_sqrt_pd(d2);
        const __m256d notInside = _mm256_cmp_pd(d, _mm256_loadu_pd(radius + i), _CMP_NLT_UQ);
        const __m256d outside = _mm256_and_pd(notInside, _mm256_cmp_pd(d2, zero, _CMP_NEQ_UQ));
        const __m256d e = _mm256_cvtps_pd(_mm256_cvtpd_ps(_mm256_div_pd(_mm256_loadu_pd(factor + i), d2)));
        const __m256d perMetre = _mm256_div_pd(e, d);
        _mm256_store_pd(out.e + i, e);
        _mm256_store_pd(out.x + i, _mm256_mul_pd(perMetre, dx));
        _mm256_store_pd(out.y + i, _mm256_mul_pd(perMetre, dy));
        _mm256_store_pd(out.dx + i, dx);
        _mm256_store_pd(out.dy + i, dy);
        _mm256_store_pd(out.outside + i, outside);
    }
}

void FieldTermsScalar(int count, const float* cx, const float* cy, const double* radius, const double* factor,
                      float px, float py, FieldTerms& out) {
    for (int i = 0; i < count; ++i) {
        const float dx = px - cx[i], dy = py - cy[i];
        const double d2 = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
        const double d = std::sqrt(d2);
        const bool outside = !(d < radius[i]) && d2 != 0;
        const double e = static_cast<float>(factor[i] / d2);
        const double perMetre = e / d;
        out.e[i] = e;
        out.x[i] = perMetre * dx;
        out.y[i] = perMetre * dy;
        out.dx[i] = dx;
        out.dy[i] = dy;
        std::memset(&out.outside[i], outside ? 0xff : 0, sizeof(double));
    }
}

}  // namespace

FastField::FastField(const FieldSnapshot& f) : avx_(FieldVectorLevel() >= VectorLevel::Avx), count_(f.ChargeCount) {
    for (int i = 0; i < count_; ++i) {
        x_[i] = f.x[i];
        y_[i] = f.y[i];
        // A radius of 0 or less (or not a number) makes a point charge: no rim potential, no
        // inside, and nothing at its very centre instead of an infinity.
        radius_[i] = f.radius[i] > 0 ? f.radius[i] : 0.0f;
        radiusWide_[i] = radius_[i];
        // Formed exactly as the scalar kernels form them, so every term rounds the same.
        kq_[i] = f.SignFactor * CoulombConstant * f.amount[i];
        rimPotential_[i] = f.radius[i] > 0 ? kq_[i] / f.radius[i] : 0.0;
        fieldFactor_[i] = 1.0 * CoulombConstant * f.SignFactor * f.amount[i];
    }
}

double FastField::Potential(float x, float y) const {
    if (avx_) return PointAvx(count_, x_.data(), y_.data(), radius_.data(), kq_.data(), rimPotential_.data(), x, y);
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
    if (avx_) {
        RowAvx(count_, x_.data(), y_.data(), radius_.data(), kq_.data(), rimPotential_.data(), xs, n, y, out);
        return;
    }
    for (int j = 0; j < n; ++j) out[j] = Potential(xs[j], y);
}

void FastField::PotentialsAtFour(const float* xs, const float* ys, double* out) const {
    if (avx_) {
        FourAvx(count_, x_.data(), y_.data(), radius_.data(), kq_.data(), rimPotential_.data(), xs, ys, out);
        return;
    }
    for (int j = 0; j < 4; ++j) out[j] = Potential(xs[j], ys[j]);
}

double FastField::Field(float x, float y, double& angle) const {
    float ex, ey;
    FieldComponents(x, y, ex, ey);
    return StrengthAndDirection(ex, ey, angle);
}

void FastField::FieldComponents(float x, float y, float& exOut, float& eyOut) const {
    FieldTerms terms;
    if (avx_) {
        FieldTermsAvx(count_, x_.data(), y_.data(), radiusWide_.data(), fieldFactor_.data(), x, y, terms);
    } else {
        FieldTermsScalar(count_, x_.data(), y_.data(), radiusWide_.data(), fieldFactor_.data(), x, y, terms);
    }
    float ex = 0, ey = 0;
    for (int i = 0; i < count_; ++i) {
        uint64_t outside;
        std::memcpy(&outside, &terms.outside[i], sizeof outside);
        if (!outside) continue;  // inside the sphere, or at the centre of a sphere of radius 0
        const double e = terms.e[i];
        if (terms.dx[i] == 0) {
            ey = static_cast<float>(ey + e * (terms.dy[i] > 0 ? 1.0 : -1.0));
            continue;
        }
        float roundedX, roundedY;
        const bool sureX = RoundsSurely(ex + terms.x[i], (std::fabs(e) + std::fabs(ex)) * DirectionErrorBound, roundedX);
        const bool sureY = RoundsSurely(ey + terms.y[i], (std::fabs(e) + std::fabs(ey)) * DirectionErrorBound, roundedY);
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
