// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>

#include "field/field_snapshot.h"

// Small rules shared by the equipotential and field-line tracers, plain and fast alike.
namespace voltaris {

// Lines are traced within +-100 graph units of the coordinate origin (not of the square).
inline bool InTraceArea(float unitLength, float x, float y) {
    const double limit = 100.0 * unitLength;
    return std::fabs(x) <= limit && std::fabs(y) <= limit;
}

constexpr double HalfPi = 1.5707963267948966;

// Both tracers advance a twentieth of a graph unit per step.
constexpr double TraceStep = 0.05;

// Moves (x, y), metres, one trace step along the equipotential: the field direction
// `fieldAngle` (radians) turned clockwise. False when the point has left the trace area.
inline bool EquipotentialStepAlong(double fieldAngle, float unitLength, float& x, float& y) {
    const double theta = fieldAngle - HalfPi;
    x = static_cast<float>(x + std::cos(theta) * TraceStep * unitLength);
    y = static_cast<float>(y + std::sin(theta) * TraceStep * unitLength);
    return InTraceArea(unitLength, x, y);
}

// The value range is cut into sixteen bands; the equipotential lines are traced at the
// fourteen levels 2 .. 15 between them, counted down from PotentialMax.
constexpr int FirstLevel = 2, LastLevel = 15;
constexpr double LevelFraction = 0.0625;  // 1/16

// Potential of equipotential level `level` of the value range.
inline double LevelTarget(const ValueRange& range, int level) {
    const double hi = range.PotentialMax, lo = range.PotentialMin;
    return hi - level * (hi - lo) * LevelFraction;
}

// The search for a line's start probes the ray to the right of a charge centre at offsets
// 0, s, 2s, ... (summed in float32) below 10 graph units, s = a thousandth of a graph unit.
inline float StartSearchStep(float unitLength) { return static_cast<float>(0.001 * unitLength); }
inline float StartSearchEnd(float unitLength) { return 10.0f * unitLength; }

// A start point lies at a level when its potential is within 1 / HeightScale volts of it.
inline double LevelTolerance(const ValueRange& range) { return 1.0 / range.HeightScale; }

// Whether a traced equipotential point is more than 1 % off its line's potential. A line at
// exactly 0 V has no relative scale: there any deviation counts, and the correction ends as
// soon as no neighbouring point comes closer (or its round limit is reached).
inline bool OffLevel(double potential, float linePotential) {
    const double deviation = std::fabs(potential - linePotential);
    if (linePotential == 0) return deviation > 0;
    constexpr double RelativeLimit = 0.01;  // 1 %
    return deviation / std::fabs(linePotential) > RelativeLimit;
}

// The upper-right quadrant around a charge centre (x to the right, y upwards), which a closed
// line passes on its way back to its start on the ray to the right.
inline bool InUpperRightQuadrant(float centreX, float centreY, float x, float y) {
    return centreX - x < 0 && centreY - y < 0;
}

// Number of field lines a charge emits: 16 for the largest amount (held as float32, so a
// largest amount that float32 rounds up emits 15), proportionally fewer for smaller ones.
inline int FieldLineCountOf(double amount, float largestAmount) {
    const double n = std::fabs(amount) * 16 / largestAmount;
    // A largest amount that float32 rounds to 0 would give infinitely many lines.
    return n < 16 ? static_cast<int>(n) : 16;
}

constexpr int EquipotentialStallLimit = 2000;
constexpr int CorrectionRoundLimit = 1001;
constexpr long long EquipotentialStepLimit = 1000000000;
constexpr int FieldLineStepLimit = 10000;
constexpr double FieldLineStartGap = 0.0001;  // metres beyond the rim, whatever the scale

}  // namespace voltaris
