// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>

namespace voltaris {

// Whether a and b are the same float32 bit for bit: zeros of different sign differ, and a
// value that is not a number is never the same. The fast kernels take a result from two
// bracketing ones only when these are the same.
inline bool SameFloat(float a, float b) { return a == b && std::signbit(a) == std::signbit(b); }

}  // namespace voltaris
