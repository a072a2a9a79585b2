// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voltaris {

// The vector instructions the field kernels may use: the widest the processor has, unless a
// test narrows them so that the narrower code paths run on a processor with the wider ones.
// Every path gives the same results bit for bit.
enum class VectorLevel { Portable = 0, Avx = 1, Avx512 = 2 };

// The level kernels set up from now on use: what the processor offers, within the limit.
VectorLevel FieldVectorLevel();

// Limits the level for kernels set up from now on; VectorLevel::Avx512 lifts the limit.
void LimitFieldVectorLevel(VectorLevel limit);

}  // namespace voltaris
