// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/trace_step.h"

#include <cmath>

#include "field/kernels.h"
#include "field/same_float.h"
#include "field/trace_rules.h"

namespace voltaris {

namespace {

// Far above the error of cos and sin of the angle the plain tracers take through atan (a few
// units in the last place of numbers up to 1), plus that of ex / |E| and ey / |E|.
constexpr double DirectionErrorBound = 1e-13;

// The plain tracers' step: the maths library's cosine and sine of the field angle.
void StepByAngle(float ex, float ey, StepTurn turn, float unitLength, float& x, float& y) {
    double angle;
    StrengthAndDirection(ex, ey, angle);
    if (turn == StepTurn::Clockwise) {
        EquipotentialStepAlong(angle, unitLength, x, y);
        return;
    }
    x = static_cast<float>(x + std::cos(angle) * TraceStep * unitLength);
    y = static_cast<float>(y + std::sin(angle) * TraceStep * unitLength);
}

// x + c * TraceStep * unitLength in float32 for every c within the bound of `c`, when all
// of them give the same; rounding is monotone, so both ends decide.
bool MovedSurely(float x, double c, float unitLength, float& moved) {
    const float low = static_cast<float>(x + (c - DirectionErrorBound) * TraceStep * unitLength);
    const float high = static_cast<float>(x + (c + DirectionErrorBound) * TraceStep * unitLength);
    moved = low;
    return SameFloat(low, high);
}

}  // namespace

void StepFromField(float ex, float ey, StepTurn turn, float unitLength, float& x, float& y) {
    // The field angle's cosine and sine are ex / |E| and ey / |E|; turned clockwise they
    // become ey / |E| and -ex / |E|.
    const double squared = static_cast<double>(ex) * ex + static_cast<double>(ey) * ey;
    if (squared > 0 && squared < INFINITY) {
        const double inverse = 1 / std::sqrt(squared);
        const double c = ex * inverse, s = ey * inverse;
        const bool clockwise = turn == StepTurn::Clockwise;
        float nx, ny;
        if (MovedSurely(x, clockwise ? s : c, unitLength, nx) & MovedSurely(y, clockwise ? -c : s, unitLength, ny)) {
            x = nx;
            y = ny;
            return;
        }
    }
    StepByAngle(ex, ey, turn, unitLength, x, y);
}

}  // namespace voltaris
