// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether float32 partial sums are those that FieldAt's additions give when the terms added
// may differ from FieldAt's by their error bound, eight at a time with AVX-512. FieldAt adds a
// term to the partial sum before it in float64 and rounds the result to float32, the nearest
// float32. So the partial sum found after it is FieldAt's when it is a float32 of its expected
// binade, but not the binade's power of two (below which float32's places lie twice as dense),
// and lies nearer to before + term than half a float32 step, less the term's error bound and
// the float64 roundings. Only for code compiled with target("avx512f") that has checked the
// processor first.
#include "particle/field_lanes_avx512.h"

// GCC 12 takes the undefined vectors inside the AVX-512 headers for uninitialised ones.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"

namespace voltaris::sum_check {

// The power of two of each lane's binade (0 for 0, infinity for what is not a number).
__attribute__((target("avx512f"), always_inline)) inline __m512d PowerOf(__m512d values) {
    return _mm512_castsi512_pd(_mm512_and_si512(_mm512_castpd_si512(values), _mm512_set1_epi64(0x7ff0000000000000)));
}

// A partial sum's bits as the check compares them: exponent and the places below float32's.
constexpr int64_t BinadeBits = 0x7ff000001fffffff;
// Outside float32's normal numbers no partial sum matches.
constexpr int64_t NoBinade = INT64_MIN;

// What the check expects of eight partial sums.
struct Expectation {
    __m512i binade;  // BinadeBits of the sum
    __m512d reach;   // how far from before + term it may lie, before the term's bound
};

// Partial sums are expected in the binades of `planned`.
__attribute__((target("avx512f"), always_inline)) inline Expectation ExpectationOf(__m512d planned, __mmask8 active) {
    const __m512d power = PowerOf(planned);
    const __mmask8 normal =
        _mm512_mask_cmp_pd_mask(_mm512_mask_cmp_pd_mask(active, power, _mm512_set1_pd(0x1p-126), _CMP_GE_OQ), power,
                                _mm512_set1_pd(0x1p127), _CMP_LE_OQ);
    // Half a float32 step is power * 2^-24; the slack of power * 2^-40 covers the float64
    // roundings of FieldAt's addition and of the check's own.
    return {_mm512_mask_blend_epi64(normal, _mm512_set1_epi64(NoBinade), _mm512_castpd_si512(power)),
            _mm512_mul_pd(power, _mm512_set1_pd(0x1p-24 - 0x1p-40))};
}

// The lanes of `candidates` where FieldAt's addition of any term within TermErrorBound *
// strength of `term` to `before` surely gives `after`. Each test narrows the lanes the next one
// looks at, so that the lanes stay in one mask register.
__attribute__((target("avx512f"), always_inline)) inline __mmask8 Rounded(__m512d before, __m512d term,
                                                                          __m512d strength, __m512d after,
                                                                          const Expectation& expected,
                                                                          __mmask8 candidates) {
    const __m512d reach =
        _mm512_fnmadd_pd(_mm512_abs_pd(strength), _mm512_set1_pd(field_lanes::TermErrorBound), expected.reach);
    const __m512d miss = _mm512_abs_pd(_mm512_sub_pd(_mm512_add_pd(before, term), after));
    const __m512i bits = _mm512_castpd_si512(after);
    __mmask8 rounded = _mm512_mask_cmp_pd_mask(candidates, miss, reach, _CMP_LT_OQ);
    rounded =
        _mm512_mask_cmpeq_epi64_mask(rounded, _mm512_and_si512(bits, _mm512_set1_epi64(BinadeBits)), expected.binade);
    return _mm512_mask_test_epi64_mask(rounded, bits, _mm512_set1_epi64(0x000fffffe0000000));
}

}  // namespace voltaris::sum_check

#pragma GCC diagnostic pop
