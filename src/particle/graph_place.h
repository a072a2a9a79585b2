// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tests a path step makes on its position in graph units, for both coordinates at once
// with SSE, which every x86-64 processor has: lane by lane the same float32 operations as the
// plain tests, for the quiet steps, which make them at every step.
#include <immintrin.h>

#include "field/kernels.h"

namespace voltaris {

// Where a position (x, y) in metres lies in graph units (divided by unitLength, rounded to
// float32): strictly inside the square, and far enough from the last stored point (`last`:
// its graph units in the low two lanes, as LastStoredPoint gives them) to be stored, as
// FarEnoughInGraphUnits finds it.
struct GraphPlace {
    bool inSquare, farEnough;
};

inline __m128 LastStoredPoint(float gx, float gy) { return _mm_setr_ps(gx, gy, 0, 0); }

inline GraphPlace GraphPlaceOf(float x, float y, float unitLength, __m128 last) {
    const __m128 graph = _mm_div_ps(_mm_setr_ps(x, y, 0, 0), _mm_set1_ps(unitLength));
    const __m128 zero = _mm_setzero_ps(), ten = _mm_set1_ps(10);
    const int both = 3;  // the lanes of x and y
    const __m128 offsets = _mm_andnot_ps(_mm_set1_ps(-0.0f), _mm_sub_ps(graph, last));
    const auto fartherThan = [both](__m128 offsets, __m128 spacing) {
        return (_mm_movemask_ps(_mm_cmpgt_ps(offsets, spacing)) & both) != 0;
    };
    const bool inClosedSquare =
        (_mm_movemask_ps(_mm_and_ps(_mm_cmpge_ps(graph, zero), _mm_cmple_ps(graph, ten))) & both) == both;
    if (!inClosedSquare) {
        // Outside, the spacing grows with the squared distance from the centre, up to a cap;
        // one that is not a number stays so (min gives its second operand then).
        const __m128 fromCentre = _mm_sub_ps(graph, _mm_set1_ps(5));
        const __m128 squares = _mm_mul_ps(fromCentre, fromCentre);
        const __m128 squared = _mm_add_ss(squares, _mm_shuffle_ps(squares, squares, 1));
        const __m128 spacing =
            _mm_min_ss(_mm_set_ss(StoredSpacingCap), _mm_mul_ss(_mm_set_ss(StoredSpacingGrowth), squared));
        return {false, fartherThan(offsets, _mm_shuffle_ps(spacing, spacing, 0))};
    }
    const bool inSquare =
        (_mm_movemask_ps(_mm_and_ps(_mm_cmpgt_ps(graph, zero), _mm_cmplt_ps(graph, ten))) & both) == both;
    return {inSquare, fartherThan(offsets, _mm_set1_ps(StoredSpacingInside))};
}

}  // namespace voltaris
