// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/duplicate_start.h"

#include <cmath>

namespace voltaris {

// Metres, whatever the scale.
constexpr double DuplicateStartTolerance = 0.01;

bool GiveUpDuplicateStart(LineStore::Run& run, float startX, float startY, float unitLength) {
    bool givenUp = false;
    int k = 0;
    while (run.Slot() - 1 >= 0 && k < run.Count(run.Slot() - 1)) {
        const float* p = run.Points(run.Slot() - 1);
        if (std::fabs(p[k] * unitLength - startX) < DuplicateStartTolerance &&
            std::fabs(p[k + 2] * unitLength - startY) < DuplicateStartTolerance) {
            run.GiveBackSlot();
            givenUp = true;
        } else {
            k += 3;
        }
    }
    return givenUp;
}

}  // namespace voltaris
