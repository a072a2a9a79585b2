// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/trajectory_field.h"

#include <cmath>

#include "field/kernels.h"
#include "particle/field_lanes_avx512.h"

namespace voltaris {

namespace {

using namespace field_lanes;

const bool HasAvx512 = __builtin_cpu_supports("avx512f");

enum class LaneOutcome { Clear, Touches, Unsure };

// The touch test and the field eight charges at a time, the sums added one after the other.
__attribute__((target("avx512f"))) LaneOutcome LanesAvx512(const TrajectoryField::ChargeLanes& c, float px,
                                                           float py, float& exOut, float& eyOut) {
    constexpr int Lanes = TrajectoryField::Lanes;
    // Per charge the x term less and plus its error bound, the y term alike.
    alignas(64) double lowX[Lanes], highX[Lanes], lowY[Lanes], highY[Lanes];
    __mmask8 touches = 0, unsure = 0;
    for (int o = 0; o < c.count; o += 8) {
        const LaneTerms t = TermsOf(c, o, px, py);
        touches |= t.touches;
        unsure |= t.unsure;
        StoreHalves(lowX + o, _mm512_sub_pd(t.termX, t.bound));
        StoreHalves(highX + o, _mm512_add_pd(t.termX, t.bound));
        StoreHalves(lowY + o, _mm512_sub_pd(t.termY, t.bound));
        StoreHalves(highY + o, _mm512_add_pd(t.termY, t.bound));
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

TrajectoryField::TrajectoryField(const FieldSnapshot& f, Arithmetic arithmetic)
    : vectorised_(arithmetic == Arithmetic::Fastest && HasAvx512 && f.ChargeCount <= Lanes), fast_(f) {
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
        // Float32 differences are within 2^-24 of the exact ones, their squared sum within
        // 2^-22. At the centre of a sphere of radius 0 or less nothing is clear either.
        lanes_.clearBeyond[i] = std::isnan(r) ? r : r > 0 ? squared * (1 + 0x1p-20) : 0.0;
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
    if (Vectorised()) {
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
