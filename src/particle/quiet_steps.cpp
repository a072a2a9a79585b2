// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/quiet_steps.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "field/kernels.h"
#include "particle/field_lanes_avx512.h"
#include "particle/float32_sum_check_avx512.h"
#include "particle/particle_step.h"

// FieldAt adds the charges' terms in float32, one rounding after the other, and the next
// step cannot begin before the last sum is known. Here each partial sum is rounded to the
// float32 grid of its binade by adding and subtracting a constant: 1.5 * 2^29 times the
// binade's power of two leaves exactly the float32 places of that binade in a float64, ties to
// even. A partial sum that does not rise into a higher binade lies on the new grid already, so
// adding the term rounded to that grid (worked out beside the sums) rounds alike, one addition
// per charge; only a sum that rises waits for its own rounding. The binades are those of the
// first step of the run, whose sums are added one by one as FieldAt adds them: the particle
// moves little from one step to the next.
//
// Whether the binades held is checked afterwards, while the next step is being worked out
// (float32_sum_check_avx512.h). A step whose check fails is taken back, with everything after
// it, and left to the single step.

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

template <int V>
__attribute__((target("avx512f"), always_inline)) inline void TermsAt(const TrajectoryField::ChargeLanes& c, float px,
                                                                      float py, FieldTerms& terms) {
    __mmask8 stop = 0;
    for (int v = 0; v < V; ++v) {
        terms.lanes[v] = QuickTermsOf(c, 8 * v, px, py);
        stop |= terms.lanes[v].active & ~terms.lanes[v].clear;
    }
    terms.clear = !stop;
}

// Partial sums of the two components: [0] is 0, [i + 1] the sum after charge i.
struct PartialSums {
    alignas(64) double x[Lanes + 8];
    alignas(64) double y[Lanes + 8];
};

// The grids the sums are rounded to, eight terms to a vector, and where the sums rise.
struct Grids {
    __m512d x[Vectors], y[Vectors];
    alignas(64) double gridX[Lanes], gridY[Lanes];                  // the same, one by one
    uint32_t risingX = 0, risingY = 0;                              // bit i: the sum rises at term i
    sum_check::Expectation expectedX[Vectors], expectedY[Vectors];  // of each partial sum
};

__attribute__((target("avx512f"), always_inline)) inline __m512d GridOf(__m512d sums) {
    return _mm512_mul_pd(sum_check::PowerOf(sums), _mm512_set1_pd(0x1.8p29));
}

template <int V>
__attribute__((target("avx512f"), always_inline)) inline void GridsOf(const PartialSums& sums, int count,
                                                                      Grids& grids) {
    grids.risingX = grids.risingY = 0;
    for (int v = 0, o = 0; v < V; ++v, o += 8) {
        const __m512d afterX = _mm512_loadu_pd(sums.x + o + 1), afterY = _mm512_loadu_pd(sums.y + o + 1);
        grids.x[v] = GridOf(afterX);
        grids.y[v] = GridOf(afterY);
        _mm512_store_pd(grids.gridX + o, grids.x[v]);
        _mm512_store_pd(grids.gridY + o, grids.y[v]);
        // The first sum starts from 0, which lies on every grid.
        const __mmask8 first = o == 0 ? 0xfe : 0xff;
        const __mmask8 risesX =
            _mm512_mask_cmp_pd_mask(first, grids.x[v], GridOf(_mm512_load_pd(sums.x + o)), _CMP_GT_OQ);
        const __mmask8 risesY =
            _mm512_mask_cmp_pd_mask(first, grids.y[v], GridOf(_mm512_load_pd(sums.y + o)), _CMP_GT_OQ);
        grids.risingX |= static_cast<uint32_t>(risesX) << o;
        grids.risingY |= static_cast<uint32_t>(risesY) << o;
        const __mmask8 active = ActiveLanes(count - o);
        grids.expectedX[v] = sum_check::ExpectationOf(afterX, active);
        grids.expectedY[v] = sum_check::ExpectationOf(afterY, active);
    }
}

// Per term and component the term rounded to the grid of the partial sum after it: what a
// sum that does not rise adds.
struct SumPlan {
    alignas(64) double addX[Lanes], addY[Lanes];
    double firstX, firstY;  // the first of each, taken straight from the register
};

template <int V>
__attribute__((target("avx512f"), always_inline)) inline void Plan(const FieldTerms& terms, const Grids& grids,
                                                                   SumPlan& plan) {
    for (int v = 0, o = 0; v < V; ++v, o += 8) {
        const __m512d addX = _mm512_sub_pd(_mm512_add_pd(terms.lanes[v].termX, grids.x[v]), grids.x[v]);
        const __m512d addY = _mm512_sub_pd(_mm512_add_pd(terms.lanes[v].termY, grids.y[v]), grids.y[v]);
        StoreHalves(plan.addX + o, addX);
        StoreHalves(plan.addY + o, addY);
        if (v == 0) {
            plan.firstX = _mm512_cvtsd_f64(addX);
            plan.firstY = _mm512_cvtsd_f64(addY);
        }
    }
}

// Term i, read from where the terms were stored a step ago.
__attribute__((target("avx512f"), always_inline)) inline double TermOf(const FieldTerms& terms, bool ofX, int i) {
    const QuickTerms& lanes = terms.lanes[i / 8];
    return reinterpret_cast<const double*>(ofX ? &lanes.termX : &lanes.termY)[i % 8];
}

// The partial sums by the plan, the x and the y sums side by side: a sum that rises adds the
// term as it is and is rounded to its grid. The first sum starts from 0, which lies on every
// grid: it is the first term rounded.
template <int V>
__attribute__((target("avx512f"), always_inline)) inline void PlannedSums(const FieldTerms& field, const SumPlan& plan,
                                                                          const Grids& grids, int count,
                                                                          PartialSums& sums, double& ex, double& ey) {
    double x = plan.firstX, y = plan.firstY;
    sums.x[1] = x;
    sums.y[1] = y;
    const int planned = count < 8 * V ? count : 8 * V;
#pragma GCC unroll 24
    for (int i = 1; i < planned; ++i) {
        x = grids.risingX & (1u << i) ? ((x + TermOf(field, true, i)) + grids.gridX[i]) - grids.gridX[i]
                                      : x + plan.addX[i];
        y = grids.risingY & (1u << i) ? ((y + TermOf(field, false, i)) + grids.gridY[i]) - grids.gridY[i]
                                      : y + plan.addY[i];
        sums.x[i + 1] = x;
        sums.y[i + 1] = y;
    }
    ex = x;
    ey = y;
}

// The partial sums as FieldAt adds them, one float32 rounding after the other.
template <int V>
__attribute__((target("avx512f"), always_inline)) inline double SumsOneByOne(const FieldTerms& terms, bool ofX,
                                                                             int count, double* sums) {
    alignas(64) double term[Lanes];
    for (int v = 0, o = 0; v < V; ++v, o += 8)
        _mm512_store_pd(term + o, ofX ? terms.lanes[v].termX : terms.lanes[v].termY);
    double sum = 0;
    for (int i = 0; i < count; ++i) sums[i + 1] = sum = static_cast<float>(sum + term[i]);
    return sum;
}

template <int V>
__attribute__((target("avx512f"), always_inline)) inline bool Confirmed(const PartialSums& sums,
                                                                        const FieldTerms& terms, const Grids& grids) {
    __mmask8 wrong = 0;
    for (int v = 0, o = 0; v < V; ++v, o += 8) {
        const QuickTerms& t = terms.lanes[v];
        wrong |= sum_check::Misrounded(_mm512_load_pd(sums.x + o), t.termX, t.strength, _mm512_loadu_pd(sums.x + o + 1),
                                       grids.expectedX[v], t.active) |
                 sum_check::Misrounded(_mm512_load_pd(sums.y + o), t.termY, t.strength, _mm512_loadu_pd(sums.y + o + 1),
                                       grids.expectedY[v], t.active);
    }
    return !wrong;
}

// What a quiet step changes.
struct StepState {
    float x, y, t, gx, gy;
    double vx, vy, suggested;
    PendingSuggestion pending;
    int64_t step;  // the next step to make
};

// The charges fill V vectors of eight.
template <int V>
__attribute__((target("avx512f"))) bool QuietStepsAvx512(const TrajectoryField::ChargeLanes& c, QuietRun& run) {
    const int count = c.count;
    const double k = run.chargePerMass * run.dt;
    StepState s{run.x,         run.y,       run.t,   run.x / run.unitLength, run.y / run.unitLength, run.vx, run.vy,
                run.suggested, run.pending, run.step};
    s.pending.chargePerMass = run.chargePerMass;
    s.pending.q = run.q;
    s.pending.m = run.m;
    s.pending.dt = run.dt;

    // The terms at this step's position, at the last one's (whose sums may be unchecked) and at
    // the next one's as guessed, taken in turn.
    FieldTerms terms[3];
    int here = 0;
    TermsAt<V>(c, s.x, s.y, terms[here]);
    double lastEx = 0, lastEy = 0;  // the field of the last step made
    Grids grids;
    bool gridsKnown = false;
    SumPlan plan;
    PartialSums sums[2] = {};
    // The last step made, while its sums are not yet checked: its terms and sums, and the
    // state before it.
    bool unchecked = false;
    int uncheckedStep = 0;  // its sums are [uncheckedStep & 1]
    int uncheckedTerms = 0;
    StepState beforeUnchecked = s;
    // Checks the unchecked step; a wrong one is taken back.
    const auto checkLast = [&]() __attribute__((target("avx512f"), always_inline)) {
        if (!unchecked) return true;
        unchecked = false;
        if (Confirmed<V>(sums[uncheckedStep & 1], terms[uncheckedTerms], grids)) return true;
        s = beforeUnchecked;
        return false;
    };

    bool stored = false;
    for (int n = 0;; ++n) {
        const FieldTerms& field = terms[here];
        const bool leaves = std::fabs(s.x) > particle_step::RegionLimit || std::fabs(s.y) > particle_step::RegionLimit;
        if (leaves || !field.clear) {  // the single step stops it
            checkLast();
            break;
        }
        PartialSums& mine = sums[n & 1];
        // The next position as the field of the last step would give it. The particle moves
        // little from one step to the next, so this is mostly where it gets to, and the terms
        // there are worked out while this step's sums are being added.
        const int next = here == 2 ? 0 : here + 1;
        const float guessX = static_cast<float>(s.x + (s.vx + lastEx * k) * run.dt);
        const float guessY = static_cast<float>(s.y + (s.vy + lastEy * k) * run.dt);
        TermsAt<V>(c, guessX, guessY, terms[next]);

        double ex, ey;  // float32 values
        bool checked = false;
        if (gridsKnown) {
            Plan<V>(field, grids, plan);
            PlannedSums<V>(field, plan, grids, count, mine, ex, ey);
        } else {
            ex = SumsOneByOne<V>(field, true, count, mine.x);
            ey = SumsOneByOne<V>(field, false, count, mine.y);
            if (!checkLast()) break;
            GridsOf<V>(mine, count, grids);
            if (!Confirmed<V>(mine, field, grids)) break;
            gridsKnown = true;
            checked = true;
        }
        if (!checkLast()) break;

        if (ex == 0) break;
        const double vx = s.vx + ex * k, vy = s.vy + ey * k;
        if (vx == 0) break;
        PendingSuggestion pending = s.pending;
        double suggested = s.suggested;
        if (s.gx > 0 && s.gx < 10 && s.gy > 0 && s.gy < 10) {
            if (!pending.active && !(suggested > particle_step::SuggestionCountLimit)) {
                suggested += 1;
            } else {
                pending.ex = static_cast<float>(ex);
                pending.ey = static_cast<float>(ey);
                pending.vx = vx;
                pending.vy = vy;
                if (!suggestion::SurelyAboveSeventy(pending)) break;
                pending.active = true;
            }
        }

        beforeUnchecked = s;
        if (!checked) {
            unchecked = true;
            uncheckedStep = n;
            uncheckedTerms = here;
        }
        s.vx = vx;
        s.vy = vy;
        s.x = static_cast<float>(s.x + vx * run.dt);
        s.y = static_cast<float>(s.y + vy * run.dt);
        s.t = static_cast<float>(s.t + run.dt);
        s.gx = s.x / run.unitLength;
        s.gy = s.y / run.unitLength;
        s.suggested = suggested;
        s.pending = pending;
        ++s.step;
        if (s.step - 1 == run.limit || FarEnoughInGraphUnits(s.gx, s.gy, run.lastStoredGx, run.lastStoredGy)) {
            stored = checkLast();
            break;
        }
        if (std::bit_cast<uint32_t>(s.x) != std::bit_cast<uint32_t>(guessX) ||
            std::bit_cast<uint32_t>(s.y) != std::bit_cast<uint32_t>(guessY)) {
            TermsAt<V>(c, s.x, s.y, terms[next]);
        }
        here = next;
        lastEx = ex;
        lastEy = ey;
    }
    run.stepsMade = s.step != run.step;
    run.x = s.x;
    run.y = s.y;
    run.t = s.t;
    run.vx = s.vx;
    run.vy = s.vy;
    run.suggested = s.suggested;
    run.pending = s.pending;
    run.step = stored ? s.step - 1 : s.step;
    return stored;
}

}  // namespace

bool MakeQuietSteps(const TrajectoryField& field, QuietRun& run) {
    if (!field.Vectorised()) return false;
    const TrajectoryField::ChargeLanes& charges = field.Charges();
    if (charges.count <= 8) return QuietStepsAvx512<1>(charges, run);
    if (charges.count <= 16) return QuietStepsAvx512<2>(charges, run);
    return QuietStepsAvx512<3>(charges, run);
}

}  // namespace voltaris
