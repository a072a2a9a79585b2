// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <gtest/gtest.h>

#include "field/vector_level.h"

namespace voltaris::test {

// Runs `check` once for every vector level this processor offers, widest first, with the field
// kernels limited to it, so that the narrower code paths and the portable one are tested too.
template <class Check>
void ForEachVectorLevel(Check check) {
    struct LiftLimit {
        ~LiftLimit() { LimitFieldVectorLevel(VectorLevel::Avx512); }
    } lift;
    const VectorLevel widest = FieldVectorLevel();
    for (const VectorLevel level : {VectorLevel::Avx512, VectorLevel::Avx, VectorLevel::Portable}) {
        if (level > widest) continue;
        LimitFieldVectorLevel(level);
        SCOPED_TRACE(testing::Message() << "vector level " << static_cast<int>(level));
        check();
    }
}

}  // namespace voltaris::test
