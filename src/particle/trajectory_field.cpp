#include "particle/trajectory_field.h"

// GCC 12 takes the undefined vectors inside the AVX-512 headers for uninitialised ones.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>

#include <cmath>

#include "field/kernels.h"

namespace voltaris {

namespace {

const bool HasAvx512 = __builtin_cpu_supports("avx512f");

enum class LaneOutcome { Clear, Touches, Unsure };

// Far above the error of the terms below against FieldAt's cos(atan t) and sin(atan t) from
// the maths library (a few units in the last place of numbers up to 1).
constexpr double TermErrorBound = 1e-13;
// Relative width of the bands around a squared radius where a test without the square root
// may decide otherwise than the test with it.
constexpr double BandWidth = 0x1p-48;

__attribute__((target("avx512f"))) inline __mmask8 ActiveLanes(int remaining) {
    return remaining >= 8 ? 0xff : static_cast<__mmask8>((1u << remaining) - 1);
}

// 1 / sqrt(d2) to a few units in the last place: the 14-bit estimate and one correction of
// the fourth order.
__attribute__((target("avx512f"))) inline __m512d ReciprocalSqrt(__m512d d2) {
    const __m512d y = _mm512_rsqrt14_pd(d2);
    const __m512d r = _mm512_fnmadd_pd(_mm512_mul_pd(d2, y), y, _mm512_set1_pd(1.0));  // 1 - d2 y^2
    __m512d p = _mm512_fmadd_pd(r, _mm512_set1_pd(5.0 / 16), _mm512_set1_pd(3.0 / 8));
    p = _mm512_fmadd_pd(p, r, _mm512_set1_pd(0.5));
    return _mm512_fmadd_pd(_mm512_mul_pd(y, r), p, y);
}

// Stored as two halves, which the single loads of the sums below read straight from the
// store queue (a whole 512-bit store makes them wait).
__attribute__((target("avx512f"))) inline void StoreHalves(double* out, __m512d v) {
    _mm256_store_pd(out, _mm512_castpd512_pd256(v));
    _mm256_store_pd(out + 4, _mm512_extractf64x4_pd(v, 1));
}

// The touch test and the field eight charges at a time. Per charge the field term is
// e * dx / d with e the float32-rounded strength, which differs from FieldAt's
// cos(atan(dy/dx)) * e by less than TermErrorBound * e.
__attribute__((target("avx512f"))) LaneOutcome LanesAvx512(const TrajectoryField::ChargeLanes& c, float px,
                                                           float py, float& exOut, float& eyOut) {
    constexpr int Lanes = TrajectoryField::Lanes;
    // Per charge the x term less and plus its error bound, the y term alike.
    alignas(64) double lowX[Lanes], highX[Lanes], lowY[Lanes], highY[Lanes];
    const int vectors = (c.count + 7) / 8;
    const __m512d xWide = _mm512_set1_pd(px), yWide = _mm512_set1_pd(py);
    const __m256 x = _mm256_set1_ps(px), y = _mm256_set1_ps(py);
    const __m512d zero = _mm512_setzero_pd();
    __mmask8 touches = 0, unsure = 0;
    for (int v = 0; v < vectors; ++v) {
        const int o = 8 * v;
        const __mmask8 active = ActiveLanes(c.count - o);
        // The touch test measures from coordinates subtracted in float64.
        const __m512d tdx = _mm512_sub_pd(xWide, _mm512_load_pd(c.cxWide + o));
        const __m512d tdy = _mm512_sub_pd(yWide, _mm512_load_pd(c.cyWide + o));
        const __m512d tdd = _mm512_add_pd(_mm512_mul_pd(tdx, tdx), _mm512_mul_pd(tdy, tdy));
        const __m512d touch = _mm512_load_pd(c.touchLow + o);
        touches |= _mm512_mask_cmp_pd_mask(active, tdd, touch, _CMP_NGT_UQ);
        unsure |= _mm512_mask_cmp_pd_mask(_mm512_mask_cmp_pd_mask(active, tdd, touch, _CMP_GT_OQ), tdd,
                                          _mm512_load_pd(c.touchHigh + o), _CMP_LE_OQ);
        // The field measures from coordinates subtracted in float32; their squares are exact.
        const __m512d dx = _mm512_cvtps_pd(_mm256_sub_ps(x, _mm256_load_ps(c.cx + o)));
        const __m512d dy = _mm512_cvtps_pd(_mm256_sub_ps(y, _mm256_load_ps(c.cy + o)));
        const __m512d d2 = _mm512_add_pd(_mm512_mul_pd(dx, dx), _mm512_mul_pd(dy, dy));
        const __m512d inside = _mm512_load_pd(c.inside + o);
        const __mmask8 out = _mm512_mask_cmp_pd_mask(active, d2, inside, _CMP_GE_OQ) &
                             _mm512_cmp_pd_mask(d2, zero, _CMP_NEQ_OQ);
        unsure |= _mm512_mask_cmp_pd_mask(_mm512_mask_cmp_pd_mask(active, d2, inside, _CMP_LT_OQ), d2,
                                          _mm512_load_pd(c.insideLow + o), _CMP_GE_OQ);
        // Outside the range where the reciprocal square root is accurate: the plain way.
        unsure |= _mm512_mask_cmp_pd_mask(out, d2, _mm512_set1_pd(0x1p-1000), _CMP_LT_OQ) |
                  _mm512_mask_cmp_pd_mask(out, d2, _mm512_set1_pd(0x1p1000), _CMP_GT_OQ);
        const __m512d e = _mm512_cvtps_pd(_mm512_cvtpd_ps(_mm512_div_pd(_mm512_load_pd(c.factor + o), d2)));
        const __m512d inverse = ReciprocalSqrt(d2);
        const __m512d termX = _mm512_maskz_mul_pd(out, e, _mm512_mul_pd(dx, inverse));
        const __m512d termY = _mm512_maskz_mul_pd(out, e, _mm512_mul_pd(dy, inverse));
        const __m512d bound = _mm512_maskz_mul_pd(out, _mm512_abs_pd(e), _mm512_set1_pd(TermErrorBound));
        StoreHalves(lowX + o, _mm512_sub_pd(termX, bound));
        StoreHalves(highX + o, _mm512_add_pd(termX, bound));
        StoreHalves(lowY + o, _mm512_sub_pd(termY, bound));
        StoreHalves(highY + o, _mm512_add_pd(termY, bound));
    }
    if (touches) return LaneOutcome::Touches;
    if (unsure) return LaneOutcome::Unsure;

    // The float32 sums in slot order, each addition rounded as FieldAt rounds it: float64,
    // then float32. Rounding is monotone, so the sums of the terms less and plus their bounds
    // enclose FieldAt's; where both agree they are FieldAt's.
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
    for (int i = 0; i < c.count; ++i) {
        xLow = static_cast<float>(xLow + lowX[i]);
        xHigh = static_cast<float>(xHigh + highX[i]);
        yLow = static_cast<float>(yLow + lowY[i]);
        yHigh = static_cast<float>(yHigh + highY[i]);
    }
    if (xLow != xHigh || yLow != yHigh) return LaneOutcome::Unsure;
    exOut = static_cast<float>(xLow);
    eyOut = static_cast<float>(yLow);
    return LaneOutcome::Clear;
}

}  // namespace

TrajectoryField::TrajectoryField(const FieldSnapshot& f) : fast_(f) {
    lanes_.count = f.ChargeCount;
    for (int i = 0; i < Lanes; ++i) {
        const bool used = i < f.ChargeCount;
        const float r = used ? f.radius[i] : 0.0f;
        const double squared = static_cast<double>(r) * r;  // exact
        lanes_.cx[i] = used ? f.x[i] : 0.0f;
        lanes_.cy[i] = used ? f.y[i] : 0.0f;
        lanes_.cxWide[i] = lanes_.cx[i];
        lanes_.cyWide[i] = lanes_.cy[i];
        lanes_.radius[i] = r;
        lanes_.factor[i] = used ? 1.0 * CoulombConstant * f.SignFactor * f.amount[i] : 0.0;
        // Inside the sphere its charge adds nothing to the field; a radius of 0 or less has no inside.
        lanes_.inside[i] = r > 0 ? squared : 0.0;
        lanes_.insideLow[i] = lanes_.inside[i] * (1 - BandWidth);
        // Touching: the distance is not greater than the radius. A radius of 0 is touched only
        // at the centre, one below 0 never, one that is not a number always.
        const double touch = std::isnan(r) ? r : r > 0 ? squared : r == 0 ? 0.0 : -1.0;
        lanes_.touchLow[i] = r > 0 ? squared * (1 - BandWidth) : touch;
        lanes_.touchHigh[i] = r > 0 ? squared * (1 + BandWidth) : touch;
    }
}

bool TrajectoryField::TouchesExactly(float x, float y) const {
    for (int i = 0; i < lanes_.count; ++i) {
        const double dx = static_cast<double>(x) - lanes_.cxWide[i], dy = static_cast<double>(y) - lanes_.cyWide[i];
        if (!(std::sqrt(dx * dx + dy * dy) > lanes_.radius[i])) return true;
    }
    return false;
}

bool TrajectoryField::TouchesOrField(float x, float y, float& ex, float& ey) const {
    if (HasAvx512 && lanes_.count <= Lanes) {
        switch (LanesAvx512(lanes_, x, y, ex, ey)) {
            case LaneOutcome::Clear: return false;
            case LaneOutcome::Touches: return true;
            case LaneOutcome::Unsure: break;
        }
    }
    if (TouchesExactly(x, y)) return true;
    FieldExactly(x, y, ex, ey);
    return false;
}

}  // namespace voltaris
