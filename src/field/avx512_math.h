// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small AVX-512 helpers of the field kernels and the particle's quick steps, for code compiled
// with target("avx512f") (the four-lane form also "avx512vl,fma") that has checked the
// processor first.
#include <immintrin.h>

namespace voltaris::avx512 {

// The first `remaining` of eight lanes.
__attribute__((target("avx512f"), always_inline)) inline __mmask8 ActiveLanes(int remaining) {
    return remaining >= 8 ? 0xff : static_cast<__mmask8>((1u << remaining) - 1);
}

// 1 / sqrt(d2) to a few units in the last place for d2 between 2^-1000 and 2^1000: the 14-bit
// estimate and one correction of the fourth order,
// (1 - r)^(-1/2) = 1 + r/2 + 3r^2/8 + 5r^3/16 + ..., r = 1 - d2 y^2.
__attribute__((target("avx512f"), always_inline)) inline __m512d ReciprocalSqrt(__m512d d2) {
    const __m512d y = _mm512_rsqrt14_pd(d2);
    const __m512d r = _mm512_fnmadd_pd(_mm512_mul_pd(d2, y), y, _mm512_set1_pd(1.0));
    __m512d p = _mm512_fmadd_pd(r, _mm512_set1_pd(5.0 / 16), _mm512_set1_pd(3.0 / 8));
    p = _mm512_fmadd_pd(p, r, _mm512_set1_pd(0.5));
    return _mm512_fmadd_pd(_mm512_mul_pd(y, r), p, y);
}

// The same for four lanes, which takes half the time where the processor splits 512-bit
// operations in two; lane by lane the arithmetic is the same.
__attribute__((target("avx512f,avx512vl,fma"), always_inline)) inline __m256d ReciprocalSqrt(__m256d d2) {
    const __m256d y = _mm256_rsqrt14_pd(d2);
    const __m256d r = _mm256_fnmadd_pd(_mm256_mul_pd(d2, y), y, _mm256_set1_pd(1.0));
    __m256d p = _mm256_fmadd_pd(r, _mm256_set1_pd(5.0 / 16), _mm256_set1_pd(3.0 / 8));
    p = _mm256_fmadd_pd(p, r, _mm256_set1_pd(0.5));
    return _mm256_fmadd_pd(_mm256_mul_pd(y, r), p, y);
}

}  // namespace voltaris::avx512
