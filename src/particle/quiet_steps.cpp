// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/quiet_steps.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "field/kernels.h"
#include "particle/field_lanes_avx512.h"
#include "particle/fixed_point_sums_avx512.h"
#include "particle/float32_sum_check_avx512.h"
#include "particle/graph_place.h"
#include "particle/particle_step.h"

// FieldAt adds the charges' terms in float32, one rounding after the other. The first step of
// a run adds them so here too; the steps after it add in fixed point (fixed_point_sums_avx512.h)
// on the grid of the first step's binades, which the particle, moving little from one step to
// the next, mostly keeps. Whether a step's sums are FieldAt's is checked while the next step is
// being worked out; a step whose check fails is taken back, with everything after it, and left
// to the single step. Where the first step's sums do not fit a fixed-point grid, every step
// adds one by one.

namespace voltaris {

namespace {

using namespace field_lanes;

constexpr int Lanes = TrajectoryField::Lanes;
constexpr int Vectors = Lanes / 8;

// The terms of every charge seen from one point.
struct FieldTerms {
    QuickTerms lanes[Vectors];
    bool clear;  // of every sphere
};

// The charges fill V vectors of eight, all but the last whole and the last with at most four
// when FourInLast; `lastActive` has the lanes of the last one that hold a charge, `clearBeyond`
// the squared distances beyond which a charge lets the quick step through.
template <int V, bool FourInLast>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline void TermsAt(
    const TrajectoryField::ChargeLanes& c, const double* clearBeyond, __mmask8 lastActive, float px, float py,
    FieldTerms& terms) {
    __mmask8 stop = 0;
#pragma GCC unroll 4
    for (int v = 0; v < V; ++v) {
        if (v < V - 1) terms.lanes[v] = QuickTermsOf(c, clearBeyond, 8 * v, 0xff, px, py);
        else if (FourInLast) terms.lanes[v] = QuickTermsOfFour(c, clearBeyond, 8 * v, lastActive, px, py);
        else terms.lanes[v] = QuickTermsOf(c, clearBeyond, 8 * v, lastActive, px, py);
        stop |= terms.lanes[v].stops;
    }
    terms.clear = !stop;
}

// The squared distances inside which a charge's strength would outgrow what the run's grid
// allows (its margins are too narrow there), or the charge's own where further out. A strength
// factor / d^2 below strongest / (1 + 2^-20) stays below strongest rounded to float32.
template <int V>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline void ClearForGrid(
    const TrajectoryField::ChargeLanes& c, const fixed_sums::Grid& grid, double* clearBeyond) {
    for (int o = 0; o < 8 * V; o += 8) {
        const __m512d strongest = _mm512_load_pd(grid.strongest + o);
        const __m512d nearest = _mm512_maskz_div_pd(
            _mm512_cmp_pd_mask(strongest, _mm512_setzero_pd(), _CMP_GT_OQ),
            _mm512_mul_pd(_mm512_abs_pd(_mm512_load_pd(c.factor + o)), _mm512_set1_pd(1 + 0x1p-20)), strongest);
        // A charge's own distance that is not a number stays so (max gives its second operand).
        _mm512_store_pd(clearBeyond + o, _mm512_max_pd(nearest, _mm512_load_pd(c.clearBeyond + o)));
    }
}

// The partial sums as FieldAt adds them, one float32 rounding after the other: [0] is 0,
// [i + 1] the sum after charge i.
struct FloatSums {
    alignas(64) double x[Lanes + 8];
    alignas(64) double y[Lanes + 8];
};

template <int V>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline double SumsOneByOne(
    const FieldTerms& terms, bool ofX, int count, double* sums) {
    alignas(64) double term[Lanes];
    for (int v = 0, o = 0; v < V; ++v, o += 8)
        _mm512_store_pd(term + o, ofX ? terms.lanes[v].termX : terms.lanes[v].termY);
    double sum = 0;
    sums[0] = 0;
    for (int i = 0; i < count; ++i) sums[i + 1] = sum = static_cast<float>(sum + term[i]);
    // The lanes after the last charge are read too, and ignored.
    for (int i = count + 1; i <= 8 * V; ++i) sums[i] = 0;
    return sum;
}

// Whether sums added one by one are FieldAt's: the quick terms differ from FieldAt's by up to
// their error bound, in proportion to the charges' strengths.
template <int V>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline bool OneByOneConfirmed(
    const FloatSums& sums, const FieldTerms& terms, const __m512d* strengths) {
    bool confirmed = true;
    for (int v = 0, o = 0; v < V; ++v, o += 8) {
        const QuickTerms& t = terms.lanes[v];
        const __m512d afterX = _mm512_loadu_pd(sums.x + o + 1), afterY = _mm512_loadu_pd(sums.y + o + 1);
        const __mmask8 rounded = sum_check::Rounded(
            _mm512_load_pd(sums.y + o), t.termY, strengths[v], afterY, sum_check::ExpectationOf(afterY, t.active),
            sum_check::Rounded(_mm512_load_pd(sums.x + o), t.termX, strengths[v], afterX,
                               sum_check::ExpectationOf(afterX, t.active), t.active));
        confirmed &= rounded == t.active;
    }
    return confirmed;
}

// What a quiet step changes. The pending suggestion's charge, mass and time step are the run's.
struct StepState {
    float x, y, t;
    bool inSquare;  // strictly
    double vx, vy, suggested;
    bool pending;                 // the suggestion of the step below is pending
    float pendingEx, pendingEy;   // the field where that step began
    double pendingVx, pendingVy;  // the velocity it gave
    int64_t step;                 // the next step to make
};

// The charges fill V vectors of eight, the last with at most four when FourInLast.
template <int V, bool FourInLast>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"))) bool QuietStepsAvx512(const TrajectoryField::ChargeLanes& c,
                                                                               QuietRun& run) {
    const int count = c.count;
    const __mmask8 lastActive = ActiveLanes(count - 8 * (V - 1));
    alignas(64) double clearBeyond[Lanes];
    std::copy(c.clearBeyond, c.clearBeyond + Lanes, clearBeyond);
    const double k = run.chargePerMass * run.dt;
    const suggestion::SeventyTest seventy(run.chargePerMass, run.q, run.m, run.dt);
    const __m128 lastStored = LastStoredPoint(run.lastStoredGx, run.lastStoredGy);
    const float unitLength = run.unitLength;
    const auto placeOf = [lastStored, unitLength](float x, float y) {
        return GraphPlaceOf(x, y, unitLength, lastStored);
    };
    // The state before the step being made and, while a step is unchecked, the state before
    // that one: taking a step back is turning to the other.
    StepState states[2] = {{run.x, run.y, run.t, placeOf(run.x, run.y).inSquare, run.vx, run.vy, run.suggested,
                            run.pending.active, run.pending.ex, run.pending.ey, run.pending.vx, run.pending.vy,
                            run.step}};
    states[1] = states[0];
    StepState* s = &states[0];

    // The terms at this step's position and at the next one's as guessed, taken in turn.
    FieldTerms terms[2];
    int here = 0;
    TermsAt<V, FourInLast>(c, clearBeyond, lastActive, s->x, s->y, terms[here]);
    double lastEx = 0, lastEy = 0;  // the field of the last step made
    fixed_sums::Grid grid;
    bool gridKnown = false;
    fixed_sums::Sums sums[2] = {};
    // The last step made, while its sums are not yet checked: its sums, and the state before it.
    bool unchecked = false;
    int uncheckedStep = 0;  // its sums are [uncheckedStep & 1]
    // Checks the unchecked step; a wrong one is taken back.
    const auto checkLast = [&]() __attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) {
        if (!unchecked) return true;
        unchecked = false;
        if (fixed_sums::Confirmed<V, FourInLast>(sums[uncheckedStep & 1], count, grid))
            return true;
        s = s == &states[0] ? &states[1] : &states[0];
        return false;
    };

    bool stored = false;
    for (int n = 0;; ++n) {
        const FieldTerms& field = terms[here];
        const bool leaves =
            std::fabs(s->x) > particle_step::RegionLimit || std::fabs(s->y) > particle_step::RegionLimit;
        if (leaves || !field.clear) {  // the single step stops it
            checkLast();
            break;
        }
        // This step's sums come first: they need only terms worked out before, so that they can
        // be added while the next terms are being worked out.
        fixed_sums::Sums& mine = sums[n & 1];
        double ex, ey;  // float32 values
        if (gridKnown) fixed_sums::Add<V, FourInLast>(field.lanes, count, grid, mine, ex, ey);
        // The next position as the field of the last step would give it. The particle moves
        // little from one step to the next, so this is mostly where it gets to.
        const int next = here ^ 1;
        const float guessX = static_cast<float>(s->x + (s->vx + lastEx * k) * run.dt);
        const float guessY = static_cast<float>(s->y + (s->vy + lastEy * k) * run.dt);
        bool checked = false;
        if (!gridKnown) {
            // No step before this one is unchecked.
            FloatSums first;
            ex = SumsOneByOne<V>(field, true, count, first.x);
            ey = SumsOneByOne<V>(field, false, count, first.y);
            __m512d strengths[V];
            for (int v = 0; v < V; ++v)
                strengths[v] = QuickStrengthsOf(c, 8 * v, v < V - 1 ? 0xff : lastActive, s->x, s->y);
            if (!OneByOneConfirmed<V>(first, field, strengths)) break;
            checked = true;
            gridKnown = fixed_sums::GridOf<V>(first.x, first.y, strengths, count, grid);
            // The terms from here on must pass the grid's clear test too.
            if (gridKnown) ClearForGrid<V>(c, grid, clearBeyond);
        }
        TermsAt<V, FourInLast>(c, clearBeyond, lastActive, guessX, guessY, terms[next]);
        if (!checkLast()) break;

        if (ex == 0) break;
        const double vx = s->vx + ex * k, vy = s->vy + ey * k;
        if (vx == 0) break;
        // Inside the square the step counts the suggestion up, or replaces it by its own, which
        // is kept pending while it is surely above 70.
        const bool countsUp = s->inSquare && !s->pending && !(s->suggested > particle_step::SuggestionCountLimit);
        const bool suggests = s->inSquare && !countsUp;
        if (suggests && !seventy.SurelyAbove(static_cast<float>(ex), static_cast<float>(ey), vx, vy)) break;

        if (!checked) {
            unchecked = true;
            uncheckedStep = n;
        }
        StepState& after = s == &states[0] ? states[1] : states[0];
        after.vx = vx;
        after.vy = vy;
        after.x = static_cast<float>(s->x + vx * run.dt);
        after.y = static_cast<float>(s->y + vy * run.dt);
        after.t = static_cast<float>(s->t + run.dt);
        const GraphPlace place = placeOf(after.x, after.y);
        after.inSquare = place.inSquare;
        after.suggested = countsUp ? s->suggested + 1 : s->suggested;
        after.pending = s->pending || suggests;
        after.pendingEx = suggests ? static_cast<float>(ex) : s->pendingEx;
        after.pendingEy = suggests ? static_cast<float>(ey) : s->pendingEy;
        after.pendingVx = suggests ? vx : s->pendingVx;
        after.pendingVy = suggests ? vy : s->pendingVy;
        after.step = s->step + 1;
        s = &after;
        if (s->step - 1 == run.limit || place.farEnough) {
            stored = checkLast();
            break;
        }
        if (std::bit_cast<uint32_t>(s->x) != std::bit_cast<uint32_t>(guessX) ||
            std::bit_cast<uint32_t>(s->y) != std::bit_cast<uint32_t>(guessY)) {
            TermsAt<V, FourInLast>(c, clearBeyond, lastActive, s->x, s->y, terms[next]);
        }
        here = next;
        lastEx = ex;
        lastEy = ey;
    }
    run.stepsMade = s->step != run.step;
    run.x = s->x;
    run.y = s->y;
    run.t = s->t;
    run.vx = s->vx;
    run.vy = s->vy;
    run.suggested = s->suggested;
    run.pending.active = s->pending;
    run.pending.ex = s->pendingEx;
    run.pending.ey = s->pendingEy;
    run.pending.vx = s->pendingVx;
    run.pending.vy = s->pendingVy;
    run.pending.chargePerMass = run.chargePerMass;
    run.pending.q = run.q;
    run.pending.m = run.m;
    run.pending.dt = run.dt;
    run.step = stored ? s->step - 1 : s->step;
    return stored;
}

}  // namespace

bool MakeQuietSteps(const TrajectoryField& field, QuietRun& run) {
    static const bool HasAvx512DqVl = __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
    if (!field.Vectorised() || !HasAvx512DqVl) return false;
    const TrajectoryField::ChargeLanes& charges = field.Charges();
    switch ((charges.count + 3) / 4) {
        case 0:
        case 1: return QuietStepsAvx512<1, true>(charges, run);
        case 2: return QuietStepsAvx512<1, false>(charges, run);
        case 3: return QuietStepsAvx512<2, true>(charges, run);
        case 4: return QuietStepsAvx512<2, false>(charges, run);
        case 5: return QuietStepsAvx512<3, true>(charges, run);
        default: return QuietStepsAvx512<3, false>(charges, run);
    }
}

}  // namespace voltaris
