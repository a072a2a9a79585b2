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
    const bool inClosedSquare =
        (_mm_movemask_ps(_mm_and_ps(_mm_cmpge_ps(graph, zero), _mm_cmple_ps(graph, ten))) & both) == both;
    if (!inClosedSquare) {  // outside, the spacing depends on the place
        const float gx = _mm_cvtss_f32(graph), gy = _mm_cvtss_f32(_mm_shuffle_ps(graph, graph, 1));
        const float lastGx = _mm_cvtss_f32(last), lastGy = _mm_cvtss_f32(_mm_shuffle_ps(last, last, 1));
        return {false, FarEnoughInGraphUnits(gx, gy, lastGx, lastGy)};
    }
    const bool inSquare =
        (_mm_movemask_ps(_mm_and_ps(_mm_cmpgt_ps(graph, zero), _mm_cmplt_ps(graph, ten))) & both) == both;
    // Inside, both offsets are held against the same spacing.
    const __m128 offsets = _mm_andnot_ps(_mm_set1_ps(-0.0f), _mm_sub_ps(graph, last));
    return {inSquare, (_mm_movemask_ps(_mm_cmpgt_ps(offsets, _mm_set1_ps(StoredSpacingInside))) & both) != 0};
}

}  // namespace voltaris
