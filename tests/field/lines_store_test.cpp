// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "field/equipotential_lines.h"
#include "field/field_lines.h"
#include "field/line_store.h"
#include "lines_test_support.h"

namespace voltaris {
namespace {

// Fills slots 0 .. lines-1 with `points` points each, every value `mark`.
void FillRun(LineStore& store, int lines, int points, float mark) {
    LineStore::Run run(store);
    ASSERT_TRUE(run.Started());
    for (int s = 0; s < lines; ++s) {
        ASSERT_TRUE(run.OpenSlot());
        for (int p = 0; p < points; ++p) run.Append(mark, mark, mark);
    }
    run.Publish();
}

TEST(LineStore, ShowsOnlyFinishedRuns) {
    LineStore store;
    store.Read([](const LineSet& v) { EXPECT_EQ(v.Last(), -1); });
    FillRun(store, 3, 2, 1.0f);
    {
        LineStore::Run run(store);
        ASSERT_TRUE(run.Started());
        EXPECT_TRUE(store.Busy());
        EXPECT_FALSE(LineStore::Run(store).Started()) << "a second run while one is busy";
        run.OpenSlot();
        run.Append(2, 2, 2);
        // Not published yet: readers still see the previous run.
        store.Read([](const LineSet& v) {
            EXPECT_EQ(v.Last(), 2);
            EXPECT_EQ(v.Count(0), 6);
            EXPECT_EQ(v.Points(0)[0], 1.0f);
        });
    }  // abandoned without Publish
    EXPECT_FALSE(store.Busy());
    store.Read([](const LineSet& v) { EXPECT_EQ(v.Last(), 2); });
    FillRun(store, 1, 1, 3.0f);
    store.Read([](const LineSet& v) {
        EXPECT_EQ(v.Last(), 0);
        EXPECT_EQ(v.Count(0), 3);
        EXPECT_EQ(v.Points(0)[1], 3.0f);
    });
}

TEST(LineStore, SlotsRunOutAtSixHundred) {
    LineStore store;
    LineStore::Run run(store);
    for (int s = 0; s < LineSlotCount; ++s) ASSERT_TRUE(run.OpenSlot());
    EXPECT_FALSE(run.OpenSlot());
    run.Publish();
    store.Read([](const LineSet& v) { EXPECT_EQ(v.Last(), LineSlotCount - 1); });
}

TEST(LineStore, RunsThatAreNotWantedOrFindTheStoreBusyLeaveThePreviousLines) {
    const FieldSnapshot f = test::SampleTab(8);
    const ValueRange range = test::RangeOf(f);
    LineStore equipotentials, fieldLines;
    TraceEquipotentials(f, range, true, equipotentials);
    TraceFieldLines(f, true, fieldLines);
    const std::vector<int> before = test::PointCounts(equipotentials), fieldBefore = test::PointCounts(fieldLines);
    ASSERT_FALSE(before.empty());
    ASSERT_FALSE(fieldBefore.empty());

    const FieldSnapshot other = test::SampleTab(5);
    TraceEquipotentials(other, test::RangeOf(other), false, equipotentials);
    TraceFieldLines(other, false, fieldLines);
    EXPECT_EQ(test::PointCounts(equipotentials), before);
    EXPECT_EQ(test::PointCounts(fieldLines), fieldBefore);
    {
        LineStore::Run busy(equipotentials);
        LineStore::Run busyToo(fieldLines);
        TraceEquipotentials(other, test::RangeOf(other), true, equipotentials);
        TraceFieldLines(other, true, fieldLines);
    }
    EXPECT_EQ(test::PointCounts(equipotentials), before);
    EXPECT_EQ(test::PointCounts(fieldLines), fieldBefore);
}

// One thread keeps refilling the store, run after run, each run writing its own number into
// a run-specific number of slots; two readers must always see one complete run.
TEST(LineStore, ReadersNeverSeeAHalfWrittenRun) {
    LineStore store;
    std::atomic<bool> done{false};
    std::atomic<int> torn{0}, reads{0};
    std::thread writer([&] {
        // Goes on until the readers have had plenty of chances to catch a run half written.
        for (int r = 1; r <= 300 || reads < 1000; ++r) FillRun(store, 1 + r % 50, 1 + r % 7, static_cast<float>(r));
        done = true;
    });
    auto reader = [&] {
        while (!done) {
            store.Read([&](const LineSet& v) {
                if (v.Last() < 0) return;
                const float mark = v.Points(0)[0];
                const int r = static_cast<int>(mark);
                if (v.Last() != r % 50) ++torn;
                for (int s = 0; s <= v.Last(); ++s) {
                    if (v.Count(s) != 3 * (1 + r % 7)) ++torn;
                    for (int k = 0; k < v.Count(s); ++k) {
                        if (v.Points(s)[k] != mark) ++torn;
                    }
                }
            });
            ++reads;
        }
    };
    std::thread first(reader), second(reader);
    writer.join();
    first.join();
    second.join();
    EXPECT_EQ(torn, 0);
}

}  // namespace
}  // namespace voltaris
