// SPDX-License-Identifier: GPL-3.0-or-later
#include "lines_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "doubles/scripted_dialogs.h"
#include "field/kernels.h"
#include "field/value_range.h"
#include "model/number_format.h"
#include "model/project_file.h"
#include "model/project.h"

namespace voltaris::test {

FieldSnapshot TabSnapshot(const char* resolution, const std::vector<ChargeText>& charges, int signFactor) {
    Project project = Project::Initial();
    FieldTab& tab = project.tabs[0];
    tab.Resolution = static_cast<float>(ParseNumber(resolution));
    tab.ChargeCount = static_cast<int>(charges.size());
    for (size_t i = 0; i < charges.size(); ++i) {
        tab.charges[i].amount = ParseNumber(charges[i].amount);
        tab.charges[i].x = static_cast<float>(ParseNumber(charges[i].x));
        tab.charges[i].y = static_cast<float>(ParseNumber(charges[i].y));
        tab.charges[i].radius = static_cast<float>(ParseNumber(charges[i].radius));
    }
    project.SignFactor = signFactor;
    ShowTab(project, 0, -1);
    return SnapshotOfActiveTab(project);
}

namespace {

FieldSnapshot TabOfFile(const std::string& source, int number, int signFactor) {
    Project project = Project::Initial();
    ScriptedDialogs dialogs;
    EXPECT_TRUE(LoadProject(project, source, dialogs)) << source;
    EXPECT_EQ(dialogs.Shown(), 0u) << dialogs.ShownText();
    project.SignFactor = signFactor;
    ShowTab(project, number - 1, -1);
    return SnapshotOfActiveTab(project);
}

}  // namespace

FieldSnapshot SampleTab(int number, int signFactor) { return TabOfFile("sample", number, signFactor); }

FieldSnapshot TwentyCharges() { return TabOfFile(VOLTARIS_TEST_DATA "/twenty_charges.psf", 1, 1); }

ValueRange RangeOf(const FieldSnapshot& f) {
    ValueRange range;
    ComputeValueRange(f, false, range);
    return range;
}

std::string DifferenceBetween(const LineStore& a, const LineStore& b) {
    std::string difference;
    a.Read([&](const LineSet& va) {
        b.Read([&](const LineSet& vb) {
            if (va.Last() != vb.Last()) {
                difference = "last " + std::to_string(va.Last()) + " vs " + std::to_string(vb.Last());
                return;
            }
            for (int s = 0; s <= va.Last(); ++s) {
                if (va.Count(s) != vb.Count(s)) {
                    difference = "slot " + std::to_string(s) + ": count " + std::to_string(va.Count(s)) + " vs " +
                                 std::to_string(vb.Count(s));
                    return;
                }
                for (int k = 0; k < va.Count(s); ++k) {
                    if (std::memcmp(&va.Points(s)[k], &vb.Points(s)[k], sizeof(float)) != 0) {
                        difference = "slot " + std::to_string(s) + " value " + std::to_string(k) + ": " +
                                     std::to_string(va.Points(s)[k]) + " vs " + std::to_string(vb.Points(s)[k]);
                        return;
                    }
                }
            }
        });
    });
    return difference;
}

std::vector<Line> LinesOf(const LineStore& store) {
    std::vector<Line> lines;
    store.Read([&](const LineSet& v) {
        for (int s = 0; s <= v.Last(); ++s) {
            const float* p = v.Points(s);
            Line& line = lines.emplace_back();
            for (int k = 0; k < v.Count(s); k += 3) line.push_back({p[k], p[k + 1], p[k + 2]});
        }
    });
    return lines;
}

std::vector<int> PointCounts(const LineStore& store) {
    std::vector<int> counts;
    store.Read([&](const LineSet& v) {
        for (int s = 0; s <= v.Last(); ++s) counts.push_back(v.Count(s) / 3);
    });
    return counts;
}

}  // namespace voltaris::test
