// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "cli_runner.h"  // RunCli

#include "field/field_snapshot.h"
#include "field/line_store.h"

namespace voltaris::test {

struct ChargeText {  // as the sample file writes it, decimal comma
    const char* amount;
    const char* x;
    const char* y;
    const char* radius;
};

// The charges of one tab, shown as the program shows a tab (resolution snapped to the scroll
// bar, unit length derived from it).
FieldSnapshot TabSnapshot(const char* resolution, const std::vector<ChargeText>& charges, int signFactor = 1);

// Tab 1 .. 14 of the built-in sample project, shown as the program shows it.
FieldSnapshot SampleTab(int number, int signFactor = 1);
constexpr int SampleTabCount = 14;

// Twenty charges of both signs and different sizes spread over the square, from
// tests/data/twenty_charges.psf.
FieldSnapshot TwentyCharges();

// The value range of the arrangement as a redraw request computes it (no alternating voltage).
ValueRange RangeOf(const FieldSnapshot& field);

// The first difference between the lines two stores show; empty when they match bit for bit.
std::string DifferenceBetween(const LineStore& a, const LineStore& b);

// A stored line point: graph x, potential, graph z.
struct LinePoint {
    float x, v, z;
};
using Line = std::vector<LinePoint>;

// The lines the store shows, slot 0 .. last.
std::vector<Line> LinesOf(const LineStore& store);

// Number of points of each slot 0 .. last.
std::vector<int> PointCounts(const LineStore& store);

}  // namespace voltaris::test
