// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FieldAt's float32 partial sums without waiting for float roundings. FieldAt adds the
// charges' terms one after the other and rounds each partial sum to float32, so the next step
// cannot begin before the last sum is known. Here every partial sum of a run is a whole
// multiple of one small unit, 16 to 30 bits below the finest float32 place among the sums:
// rounding a sum to its float32 places is then adding half a place and clearing the bits below
// it, two one-cycle integer operations a term, for the x and the y sum side by side in one
// vector. The places are those of the binades the sums had at the run's first step: the
// particle moves little from one step to the next.
//
// A term is rounded to the unit, and a sum halfway between two float32 numbers goes upwards.
// The check (Confirmed) takes a step's sums only where neither can matter: every sum lies
// further from a tie than the terms' error bound, FieldAt's float64 rounding and the unit's
// rounding together reach, and strictly inside the binade whose places the grid uses. The
// margins allow for strengths up to StrengthGrowth times those of the first step; the caller
// keeps the particle far enough from the charges for that. Only for code compiled with
// target("avx512f,avx512dq,avx512vl,fma") that has checked the processor first.
#include <algorithm>
#include <bit>
#include <cstdint>

#include "particle/field_lanes_avx512.h"

// GCC 12 takes the undefined vectors inside the AVX-512 headers for uninitialised ones.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"

namespace voltaris::fixed_sums {

constexpr int Lanes = TrajectoryField::Lanes;

// Bits between the unit and the finest float32 place: the more, the rarer a sum the check
// refuses for lying within a few units of a tie.
constexpr int MostGuardBits = 30;
constexpr int FewestGuardBits = 16;
// A partial sum or a charge's strength spans at most 2^(24 + binades apart + guard) units, the
// binades being those of the sums and strengths; sums before rounding stay below 2^62 when
// this is at most 2^60.
constexpr int SpanBits = 60 - 24;
// The run's steps hold while no charge's strength grows beyond this many times its strength
// at the first step: the margins around the ties allow for its terms' error up to there.
constexpr double StrengthGrowth = 1.25;

// Where the partial sums are rounded and what the check expects of them, per term and
// component, in units: [2i] for the x sum after term i, [2i + 1] for the y sum. The two sums
// are added side by side in one 128-bit vector, an addition and a mask for both.
struct Places {
    alignas(64) int64_t keep[2 * Lanes];    // the bits from the sum's float32 place upwards
    alignas(64) int64_t margin[2 * Lanes];  // how near a tie the sum may lie, at least
    alignas(64) int64_t span[2 * Lanes];    // from margin to a place less margin: 2 half - 2 margin + 1
    // Where the sum before rounding must lie for the rounded sum to lie strictly inside the
    // binade [P, 2P) with the sign it had at the first step, its places from margin to a place
    // less margin: from binade on, binadeSpan of them.
    alignas(64) int64_t binade[2 * Lanes];
    alignas(64) int64_t binadeSpan[2 * Lanes];
};

struct Grid {
    Places places;
    alignas(64) double halfX[Lanes], halfY[Lanes];  // half a float32 place of each sum
    alignas(64) double strongest[Lanes];            // the strength of each charge the margins allow
    double unit = 0, perUnit = 0;                   // powers of two
};

// Each partial sum in units before its rounding, the term added, in the order of Places.
struct Sums {
    alignas(64) int64_t pairs[2 * Lanes];
};

// The biased float64 exponent of each lane: 0 for 0.
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline __m512i ExponentsOf(__m512d values) {
    return _mm512_srli_epi64(_mm512_and_si512(_mm512_castpd_si512(values), _mm512_set1_epi64(0x7ff0000000000000)), 52);
}

// The places of eight sums of one component.
struct EightPlaces {
    __m512d half;
    __m512i keep, margin, span, binade, binadeSpan;
};

// The places of eight sums of binades 2^(exponents - 1023) and terms of `strongest` at most, a
// float32 place being 2^(e - 23) or 2^(e - 23 - unit) units. False when the margins leave no
// room in one of the `active` lanes.
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline bool PlacesOf(
    __m512i exponents, __mmask8 negative, __m512d strongest, int64_t unitExponent, double perUnit, __mmask8 active,
    EightPlaces& places) {
    const __m512i one = _mm512_set1_epi64(1);
    const __m512i placeBits = _mm512_sub_epi64(exponents, _mm512_set1_epi64(unitExponent + 23));
    const __m512i half = _mm512_sllv_epi64(one, _mm512_sub_epi64(placeBits, one));
    const __m512i power = _mm512_sllv_epi64(one, _mm512_add_epi64(placeBits, _mm512_set1_epi64(23)));
    // FieldAt's term lies within TermErrorBound * strength of this one, its float64 sum within
    // 2^-52 * 2P of the exact one. The term plus half a place, rounded to float64 and then to
    // whole units, lies within 2^-53 * (strength + half) + 1/2 unit of the exact one.
    const __m512d allowance =
        _mm512_fmadd_pd(strongest, _mm512_set1_pd((field_lanes::TermErrorBound + 0x1p-52) * perUnit),
                        _mm512_mul_pd(_mm512_cvtepi64_pd(power), _mm512_set1_pd(0x1p-40)));
    places.margin =
        _mm512_add_epi64(_mm512_cvt_roundpd_epi64(allowance, _MM_FROUND_TO_POS_INF | _MM_FROUND_NO_EXC), one);
    const __m512i twoMargins = _mm512_add_epi64(places.margin, places.margin);
    const __m512i place = _mm512_add_epi64(half, half);
    places.span = _mm512_sub_epi64(place, _mm512_sub_epi64(twoMargins, one));
    places.half = _mm512_maskz_cvtepi64_pd(active, half);
    places.keep = _mm512_mask_sllv_epi64(_mm512_set1_epi64(-1), active, _mm512_set1_epi64(-1), placeBits);
    // Rounded sums from P + place to 2P - place, or from place - 2P to -P - place, so before
    // rounding from P + place + margin to 2P - margin, or from place - 2P + margin to
    // -P - margin.
    const __m512i lowest =
        _mm512_mask_sub_epi64(_mm512_add_epi64(power, place), negative, place, _mm512_add_epi64(power, power));
    places.binade = _mm512_add_epi64(lowest, places.margin);
    places.binadeSpan = _mm512_sub_epi64(power, _mm512_sub_epi64(_mm512_add_epi64(place, twoMargins), one));
    return !_mm512_mask_cmple_epi64_mask(active, places.span, _mm512_setzero_si512());
}

// Eight x values and eight y values stored as pairs: x[0], y[0], x[1], y[1], ...
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline void StorePairs(int64_t* out, __m512i x,
                                                                                               __m512i y) {
    _mm512_store_si512(out, _mm512_permutex2var_epi64(x, _mm512_setr_epi64(0, 8, 1, 9, 2, 10, 3, 11), y));
    _mm512_store_si512(out + 8, _mm512_permutex2var_epi64(x, _mm512_setr_epi64(4, 12, 5, 13, 6, 14, 7, 15), y));
}

// The grid of a run from the partial sums `x` and `y` (float32 values, [i + 1] after term i)
// and the charges' strengths at its first step, `count` charges in V vectors; false where the
// fixed point does not serve: a sum that is 0 or beyond float32's normal numbers, binades too
// far apart for 64 bits, margins that leave no room.
template <int V>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline bool GridOf(
    const double* x, const double* y, const __m512d* strengths, int count, Grid& grid) {
    __m512i exponentsX[V], exponentsY[V];
    __mmask8 negativeX[V], negativeY[V];
    __m512d strongest[V];
    __m512i lowest = _mm512_set1_epi64(0x7ff), highest = _mm512_setzero_si512();
    // Normal float32 binades: 2^-126 to 2^127.
    const __m512i normalLow = _mm512_set1_epi64(1023 - 126), normalSpan = _mm512_set1_epi64(127 + 126 + 1);
    for (int v = 0, o = 0; v < V; ++v, o += 8) {
        const __mmask8 active = field_lanes::ActiveLanes(count - o);
        const __m512d sumsX = _mm512_loadu_pd(x + o + 1), sumsY = _mm512_loadu_pd(y + o + 1);
        exponentsX[v] = ExponentsOf(sumsX);
        exponentsY[v] = ExponentsOf(sumsY);
        negativeX[v] = _mm512_cmp_pd_mask(sumsX, _mm512_setzero_pd(), _CMP_LT_OQ);
        negativeY[v] = _mm512_cmp_pd_mask(sumsY, _mm512_setzero_pd(), _CMP_LT_OQ);
        const __mmask8 normal = _mm512_mask_cmplt_epu64_mask(
            _mm512_mask_cmplt_epu64_mask(active, _mm512_sub_epi64(exponentsX[v], normalLow), normalSpan),
            _mm512_sub_epi64(exponentsY[v], normalLow), normalSpan);
        if (normal != active) return false;
        lowest = _mm512_mask_min_epu64(lowest, active, lowest, _mm512_min_epu64(exponentsX[v], exponentsY[v]));
        // A term is at most its charge's strength, which must fit into the units as the sums do.
        strongest[v] = _mm512_mul_pd(_mm512_abs_pd(strengths[v]), _mm512_set1_pd(StrengthGrowth));
        highest = _mm512_mask_max_epu64(
            highest, active, highest,
            _mm512_max_epu64(_mm512_max_epu64(exponentsX[v], exponentsY[v]), ExponentsOf(strongest[v])));
    }
    const int64_t low = _mm512_reduce_min_epu64(lowest), high = _mm512_reduce_max_epu64(highest);
    if (high < low) return false;  // no charges
    const int64_t guard = std::min<int64_t>(MostGuardBits, SpanBits - (high - low));
    if (guard < FewestGuardBits) return false;
    const int64_t unitExponent = low - 23 - guard;  // biased
    grid.unit = std::bit_cast<double>(static_cast<uint64_t>(unitExponent) << 52);
    grid.perUnit = std::bit_cast<double>(static_cast<uint64_t>(2046 - unitExponent) << 52);
    for (int v = 0, o = 0; v < V; ++v, o += 8) {
        const __mmask8 active = field_lanes::ActiveLanes(count - o);
        _mm512_store_pd(grid.strongest + o, strongest[v]);
        EightPlaces x, y;
        if (!PlacesOf(exponentsX[v], negativeX[v], strongest[v], unitExponent, grid.perUnit, active, x) ||
            !PlacesOf(exponentsY[v], negativeY[v], strongest[v], unitExponent, grid.perUnit, active, y))
            return false;
        _mm512_store_pd(grid.halfX + o, x.half);
        _mm512_store_pd(grid.halfY + o, y.half);
        StorePairs(grid.places.keep + 2 * o, x.keep, y.keep);
        StorePairs(grid.places.margin + 2 * o, x.margin, y.margin);
        StorePairs(grid.places.span + 2 * o, x.span, y.span);
        StorePairs(grid.places.binade + 2 * o, x.binade, y.binade);
        StorePairs(grid.places.binadeSpan + 2 * o, x.binadeSpan, y.binadeSpan);
    }
    return true;
}

// Eight pairs of terms (x, y) in units with half their sums' place added, as two vectors of
// pairs: the even charges' in the first, the odd ones' in the second, each stored as two
// halves, which single loads read straight from the store queue. Pair j of the eight lies at
// j + 7 (j & 1).
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline void Prepare(
    __m512d termX, __m512d termY, __m512d perUnit, const double* halfX, const double* halfY, int64_t* out) {
    const __m512i x = _mm512_cvtpd_epi64(_mm512_fmadd_pd(termX, perUnit, _mm512_load_pd(halfX)));
    const __m512i y = _mm512_cvtpd_epi64(_mm512_fmadd_pd(termY, perUnit, _mm512_load_pd(halfY)));
    const __m512i even = _mm512_unpacklo_epi64(x, y), odd = _mm512_unpackhi_epi64(x, y);
    const auto store = [](int64_t* at, __m256i v)
                           __attribute__((target("avx512f"), always_inline)) {
                               _mm256_store_si256(reinterpret_cast<__m256i*>(at), v);
                           };
    store(out, _mm512_castsi512_si256(even));
    store(out + 4, _mm512_extracti64x4_epi64(even, 1));
    store(out + 8, _mm512_castsi512_si256(odd));
    store(out + 12, _mm512_extracti64x4_epi64(odd, 1));
}

// The same for the low four lanes, pair j of the four at j + 3 (j & 1).
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline void PrepareFour(
    __m512d termX, __m512d termY, __m512d perUnit, const double* halfX, const double* halfY, int64_t* out) {
    const __m256d perUnitFour = _mm512_castpd512_pd256(perUnit);
    const __m256i x =
        _mm256_cvtpd_epi64(_mm256_fmadd_pd(_mm512_castpd512_pd256(termX), perUnitFour, _mm256_load_pd(halfX)));
    const __m256i y =
        _mm256_cvtpd_epi64(_mm256_fmadd_pd(_mm512_castpd512_pd256(termY), perUnitFour, _mm256_load_pd(halfY)));
    _mm256_store_si256(reinterpret_cast<__m256i*>(out), _mm256_unpacklo_epi64(x, y));
    _mm256_store_si256(reinterpret_cast<__m256i*>(out + 4), _mm256_unpackhi_epi64(x, y));
}

// The partial sums of the terms of `count` charges in V vectors of eight, all but the last
// whole, the last holding at most four when FourInLast; ex and ey the last ones as float64
// numbers. A term that is not a number or too large for the units converts to -2^63, whose
// sums lie far outside every binade; the additions let them wrap around.
template <int V, bool FourInLast = false>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline void Add(
    const field_lanes::QuickTerms* terms, int count, const Grid& grid, Sums& sums, double& ex, double& ey) {
    alignas(64) int64_t prepared[16 * V];
    const __m512d perUnit = _mm512_set1_pd(grid.perUnit);
#pragma GCC unroll 4
    for (int v = 0, o = 0; v < V; ++v, o += 8) {
        if (FourInLast && v == V - 1)
            PrepareFour(terms[v].termX, terms[v].termY, perUnit, grid.halfX + o, grid.halfY + o, prepared + 2 * o);
        else
            Prepare(terms[v].termX, terms[v].termY, perUnit, grid.halfX + o, grid.halfY + o, prepared + 2 * o);
    }
    __m128i sum = _mm_setzero_si128();
    // All but the last vector are full.
#pragma GCC unroll 24
    for (int i = 0; i < 8 * V; ++i) {
        if (i >= 8 * (V - 1) && i == count) break;
        const int j = i % 8, spread = FourInLast && i >= 8 * (V - 1) ? 3 : 7;
        const int64_t* term = prepared + 2 * (i - j) + j + spread * (j & 1);
        const __m128i unrounded = _mm_add_epi64(sum, _mm_load_si128(reinterpret_cast<const __m128i*>(term)));
        _mm_store_si128(reinterpret_cast<__m128i*>(sums.pairs + 2 * i), unrounded);
        sum = _mm_and_si128(unrounded, _mm_load_si128(reinterpret_cast<const __m128i*>(grid.places.keep + 2 * i)));
    }
    const __m128d field = _mm_mul_pd(_mm_cvtepi64_pd(sum), _mm_set1_pd(grid.unit));
    ex = _mm_cvtsd_f64(field);
    ey = _mm_cvtsd_f64(_mm_unpackhi_pd(field, field));
}

// The lanes of `candidates` whose partial sums FieldAt's additions surely round as `unrounded`
// (eight sums before rounding, from `first` on in the order of Places) does: the sum lies at
// least its margin from a tie (FieldAt's sum then lies on the same side of it) and strictly
// inside its binade (so that the float32 places are those of the grid).
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline __mmask8 Rounded(__m512i unrounded,
                                                                                                const Places& places,
                                                                                                int first,
                                                                                                __mmask8 candidates) {
    const __m512i belowPlace = _mm512_andnot_si512(_mm512_load_si512(places.keep + first), unrounded);
    const __mmask8 rounded =
        _mm512_mask_cmplt_epu64_mask(candidates, _mm512_sub_epi64(belowPlace, _mm512_load_si512(places.margin + first)),
                                     _mm512_load_si512(places.span + first));
    // Away from ties, the sum before rounding tells the binade of the rounded one.
    return _mm512_mask_cmplt_epu64_mask(rounded, _mm512_sub_epi64(unrounded, _mm512_load_si512(places.binade + first)),
                                        _mm512_load_si512(places.binadeSpan + first));
}

// The same for four sums with half-wide vectors, which take half the time where the processor
// splits 512-bit operations in two.
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline __mmask8 RoundedFour(
    __m256i unrounded, const Places& places, int first, __mmask8 candidates) {
    const auto load = [&](const int64_t* at) __attribute__((target("avx512f,avx512vl"), always_inline)) {
        return _mm256_load_si256(reinterpret_cast<const __m256i*>(at + first));
    };
    const __mmask8 rounded = _mm256_mask_cmplt_epu64_mask(
        candidates, _mm256_sub_epi64(_mm256_andnot_si256(load(places.keep), unrounded), load(places.margin)),
        load(places.span));
    return _mm256_mask_cmplt_epu64_mask(rounded, _mm256_sub_epi64(unrounded, load(places.binade)),
                                        load(places.binadeSpan));
}

// Whether the partial sums of a step of `count` charges in V vectors, the last holding at most
// four when FourInLast, are FieldAt's.
template <int V, bool FourInLast = false>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) inline bool Confirmed(const Sums& sums,
                                                                                              int count,
                                                                                              const Grid& grid) {
    // Eight sums are four charges' pairs; a last vector of at most four charges has eight.
    const int whole = 16 * (FourInLast ? V - 1 : V);
    bool confirmed = true;
#pragma GCC unroll 8
    for (int first = 0; first < whole; first += 8) {
        // Only the last vector's charges may end before its end.
        const __mmask8 candidates = first < 16 * (V - 1) ? 0xff : field_lanes::ActiveLanes(2 * count - first);
        confirmed &= Rounded(_mm512_load_si512(sums.pairs + first), grid.places, first, candidates) == candidates;
    }
    // The last at most four charges' pairs, two charges at a time.
    const auto lastFour = [&](int first) __attribute__((target("avx512f,avx512dq,avx512vl,fma"), always_inline)) {
        const __mmask8 candidates = field_lanes::ActiveLanes(std::min(4, 2 * count - first));
        return RoundedFour(_mm256_load_si256(reinterpret_cast<const __m256i*>(sums.pairs + first)), grid.places,
                           first, candidates) == candidates;
    };
    if (FourInLast) {
        confirmed &= lastFour(whole);
        if (2 * count > whole + 4) confirmed &= lastFour(whole + 4);
    }
    return confirmed;
}

}  // namespace voltaris::fixed_sums

#pragma GCC diagnostic pop
