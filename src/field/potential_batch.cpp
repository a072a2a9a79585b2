// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/potential_batch.h"

#include <immintrin.h>

#include <cmath>

#include "field/kernels.h"
#include "field/vector_level.h"

namespace voltaris {

namespace {

// Per-charge constants, formed exactly as PotentialAt forms them.
struct Charges {
    int count = 0;
    double x[MaxChargesPerTab], y[MaxChargesPerTab];
    double reach[MaxChargesPerTab];  // the point-charge law holds beyond this distance
    double kq[MaxChargesPerTab];     // SignFactor * k * amount
    double rim[MaxChargesPerTab];    // the potential on and inside the sphere
};

Charges ChargesOf(const FieldSnapshot& f) {
    Charges c;
    c.count = f.ChargeCount;
    for (int i = 0; i < c.count; ++i) {
        c.x[i] = f.x[i];
        c.y[i] = f.y[i];
        c.kq[i] = f.SignFactor * CoulombConstant * f.amount[i];
        // A sphere of radius 0 or less adds nothing at its own centre (PotentialAt's rule):
        // beyond distance 0 it is a point charge, at distance 0 its "rim" holds 0 V.
        c.reach[i] = f.radius[i] > 0 ? f.radius[i] : 0.0;
        c.rim[i] = f.radius[i] > 0 ? c.kq[i] / f.radius[i] : 0.0;
    }
    return c;
}

inline double Term(const Charges& c, int i, double dxSquared, double dySquared) {
    const double d = std::sqrt(dxSquared + dySquared);
    return d > c.reach[i] ? c.kq[i] / d : c.rim[i];
}

// One point, with the squares of its y distances given (a row shares them).
inline double PointAlongRow(const Charges& c, float x, const double* dySquared) {
    double sum = 0;
    for (int i = 0; i < c.count; ++i) {
        const double dx = static_cast<double>(x) - c.x[i];
        sum += Term(c, i, dx * dx, dySquared[i]);
    }
    return sum;
}

inline double Point(const Charges& c, float x, float y) {
    double sum = 0;
    for (int i = 0; i < c.count; ++i) {
        const double dx = static_cast<double>(x) - c.x[i];
        const double dy = static_cast<double>(y) - c.y[i];
        sum += Term(c, i, dx * dx, dy * dy);
    }
    return sum;
}

bool HasAvx() { return FieldVectorLevel() >= VectorLevel::Avx; }

// The terms of one charge at four points: IEEE operations lane by lane, no fused
// multiply-add, so every lane rounds as the scalar code does.
__attribute__((target("avx"))) inline __m256d TermAvx(const Charges& c, int i, __m256d dxSquared,
                                                      __m256d dySquared) {
    const __m256d d = _mm256_sqrt_pd(_mm256_add_pd(dxSquared, dySquared));
    const __m256d outside = _mm256_cmp_pd(d, _mm256_set1_pd(c.reach[i]), _CMP_GT_OQ);
    return _mm256_blendv_pd(_mm256_set1_pd(c.rim[i]), _mm256_div_pd(_mm256_set1_pd(c.kq[i]), d), outside);
}

__attribute__((target("avx"))) inline __m256d SquaredDistanceAvx(__m256d p, double centre) {
    const __m256d d = _mm256_sub_pd(p, _mm256_set1_pd(centre));
    return _mm256_mul_pd(d, d);
}

// Eight points per pass, as two independent sums so that divisions and roots overlap.
__attribute__((target("avx"))) void RowAvx(const Charges& c, const double* dySquared, const float* xs, int n,
                                           double* out) {
    int j = 0;
    for (; j + 8 <= n; j += 8) {
        const __m256d xa = _mm256_cvtps_pd(_mm_loadu_ps(xs + j));
        const __m256d xb = _mm256_cvtps_pd(_mm_loadu_ps(xs + j + 4));
        __m256d sa = _mm256_setzero_pd(), sb = _mm256_setzero_pd();
        for (int i = 0; i < c.count; ++i) {
            const __m256d dy2 = _mm256_set1_pd(dySquared[i]);
            sa = _mm256_add_pd(sa, TermAvx(c, i, SquaredDistanceAvx(xa, c.x[i]), dy2));
            sb = _mm256_add_pd(sb, TermAvx(c, i, SquaredDistanceAvx(xb, c.x[i]), dy2));
        }
        _mm256_storeu_pd(out + j, sa);
        _mm256_storeu_pd(out + j + 4, sb);
    }
    for (; j < n; ++j) out[j] = PointAlongRow(c, xs[j], dySquared);
}

__attribute__((target("avx"))) void PointsAvx(const Charges& c, const float* xs, const float* ys, int n,
                                              double* out) {
    int j = 0;
    for (; j + 4 <= n; j += 4) {
        const __m256d x = _mm256_cvtps_pd(_mm_loadu_ps(xs + j));
        const __m256d y = _mm256_cvtps_pd(_mm_loadu_ps(ys + j));
        __m256d sum = _mm256_setzero_pd();
        for (int i = 0; i < c.count; ++i)
            sum = _mm256_add_pd(sum, TermAvx(c, i, SquaredDistanceAvx(x, c.x[i]), SquaredDistanceAvx(y, c.y[i])));
        _mm256_storeu_pd(out + j, sum);
    }
    for (; j < n; ++j) out[j] = Point(c, xs[j], ys[j]);
}

}  // namespace

void PotentialAtPoints(const FieldSnapshot& field, const float* xs, const float* ys, int n, double* out) {
    const Charges c = ChargesOf(field);
    if (HasAvx()) {
        PointsAvx(c, xs, ys, n, out);
        return;
    }
    for (int j = 0; j < n; ++j) out[j] = Point(c, xs[j], ys[j]);
}

void PotentialsAlongRow(const FieldSnapshot& field, const float* xs, int n, float y, double* out) {
    const Charges c = ChargesOf(field);
    double dySquared[MaxChargesPerTab];
    for (int i = 0; i < c.count; ++i) {
        const double dy = static_cast<double>(y) - c.y[i];
        dySquared[i] = dy * dy;
    }
    if (HasAvx()) {
        RowAvx(c, dySquared, xs, n, out);
        return;
    }
    for (int j = 0; j < n; ++j) out[j] = PointAlongRow(c, xs[j], dySquared);
}

}  // namespace voltaris
