// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/field_snapshot.h"

namespace voltaris {

// The potential at many points of one arrangement, several points at a time, bit for bit the
// values of PotentialAt: every point goes through the same float64 operations and sums the
// charges in slot order. Runs on any x86-64 processor, with AVX where it is present.

// out[j] = PotentialAt(field, xs[j], ys[j]) for j < n.
void PotentialAtPoints(const FieldSnapshot& field, const float* xs, const float* ys, int n, double* out);

// out[j] = PotentialAt(field, xs[j], y) for j < n: a row of the surface.
void PotentialsAlongRow(const FieldSnapshot& field, const float* xs, int n, float y, double* out);

}  // namespace voltaris
