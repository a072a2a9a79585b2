// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "particle/path_store.h"
#include "particle/slow_motion.h"

using namespace voltaris;

namespace {

// Publishes a path for slot 0 of `points` points evenly spread over `duration` seconds, with
// the given speed at each point (the test acts as the builder).
void PublishPath(PathStore& store, int points, float duration, const std::vector<float>& speeds = {}) {
    const PathStore::Writer writer(store);
    PathSlot& path = writer.Back().slots[0];
    path.PathFloatCount = 3 * points;
    for (int i = 0; i < points; ++i) {
        path.PathTime[i] = duration * static_cast<float>(i + 1) / static_cast<float>(points);
        path.PathSpeed[i] = speeds.empty() ? 1000.0f : speeds[i % speeds.size()];
    }
    writer.Publish();
}

}  // namespace

TEST(SlowMotion, DefaultFactorReplaysTenMicrosecondsInAboutFortyTicks) {
    auto store = std::make_unique<PathStore>();
    PublishPath(*store, 500, 1e-5f);
    SlowMotion player;
    player.Start(*store);
    EXPECT_EQ(store->PlaybackIndex[0], 0);
    int ticks = 0, lastIndex = 0;
    SlowMotionStep step;
    do {
        step = player.Tick(10, *store);
        ++ticks;
        if (!step.ended) {
            EXPECT_GE(step.playbackIndex, lastIndex);
            EXPECT_EQ(store->PlaybackIndex[0], step.playbackIndex);
            lastIndex = step.playbackIndex;
        }
    } while (!step.ended && ticks < 1000);
    EXPECT_GE(ticks, 39);
    EXPECT_LE(ticks, 42);
    EXPECT_GT(lastIndex, 450);
    // At the end the whole path is shown again and the clock starts over.
    EXPECT_EQ(store->PlaybackIndex[0], -1);
    EXPECT_EQ(player.Clock(), 0.0f);
}

TEST(SlowMotion, EmptyPathEndsAtTheFirstTick) {
    auto store = std::make_unique<PathStore>();
    PublishPath(*store, 0, 0);
    SlowMotion player;
    player.Start(*store);
    const SlowMotionStep step = player.Tick(10, *store);
    EXPECT_TRUE(step.ended);
    EXPECT_EQ(store->PlaybackIndex[0], -1);
    EXPECT_EQ(player.Ring().Index(), 0);  // nothing went into the diagram
}

TEST(SlowMotion, MaximumSpeedIsKeptUntilTheNextStart) {
    auto store = std::make_unique<PathStore>();
    PublishPath(*store, 400, 1e-5f, {100, 300, 200});
    SlowMotion player;
    player.SlowMotionFactor = SlowMotion::FactorOfSlider(100);  // 1e-4: the path in 10 ticks
    player.Start(*store);
    float highest = 0;
    for (int i = 0; i < 5; ++i) {
        const SlowMotionStep step = player.Tick(10, *store);
        ASSERT_FALSE(step.ended);
        highest = std::max(highest, step.currentSpeed);
        EXPECT_EQ(step.maxSpeed, highest);
    }
    EXPECT_EQ(highest, 300.0f);
    EXPECT_EQ(player.Ring().Index(), 5);
    // A new start forgets the maximum and begins at time 0.
    PublishPath(*store, 400, 1e-5f, {50});
    player.Start(*store);
    EXPECT_EQ(player.Tick(10, *store).maxSpeed, 50.0f);
}

TEST(SlowMotion, ARebuiltShorterPathIsSearchedFromItsStart) {
    auto store = std::make_unique<PathStore>();
    PublishPath(*store, 1000, 1e-5f);
    SlowMotion player;
    player.Start(*store);
    for (int i = 0; i < 30; ++i) player.Tick(10, *store);
    PublishPath(*store, 10, 1e-5f);
    const SlowMotionStep step = player.Tick(10, *store);
    ASSERT_FALSE(step.ended);
    EXPECT_LT(step.playbackIndex, 10);
}

TEST(SpeedDiagram, NewestSampleEndsAtTheRightEdgeAndEarlierColumnsStayEmpty) {
    SpeedRing ring;
    ring.Push(0);
    ring.Push(50);
    ring.Push(100);
    std::vector<DiagramLine> lines;
    DiagramCurve(ring, 898, 57, 100, lines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x2, 898);
    EXPECT_EQ(lines[0].y2, 0);   // the maximum at the top
    EXPECT_EQ(lines[0].y1, 28);  // half of it, 57 - 28.5 truncated
    EXPECT_EQ(lines[1].x1, 896);
    EXPECT_EQ(lines[1].y1, 57);  // speed 0 at the bottom
}

TEST(SpeedDiagram, AfterWrappingTheOldestSamplesAreUsedAgain) {
    SpeedRing ring;
    for (int i = 0; i < SpeedRingSize + 10; ++i) ring.Push(static_cast<float>(i % 57));
    EXPECT_TRUE(ring.Wrapped());
    EXPECT_EQ(ring.Index(), 10);
    std::vector<DiagramLine> lines;
    DiagramCurve(ring, 898, 57, 57, lines);
    EXPECT_EQ(lines.size(), 896u);
    for (size_t k = 1; k < lines.size(); ++k) EXPECT_EQ(lines[k].x2, lines[k - 1].x1);
    // The leftmost line shows samples pushed before the wrap: sample n sits at index n % 2048.
    const DiagramLine& left = lines.back();
    EXPECT_EQ(left.x1, 2);
    // Its left end is ring index -886, i.e. 1162, written by sample 1161 (1161 % 57 = 21).
    EXPECT_EQ(left.y1, 57 - 21);
    // A box wider than the ring shows each sample once.
    DiagramCurve(ring, 3000, 57, 57, lines);
    EXPECT_EQ(lines.size(), static_cast<size_t>(SpeedRingSize - 1));
    // A particle at rest throughout: the curve lies on the bottom line.
    DiagramCurve(ring, 100, 57, 0, lines);
    for (const DiagramLine& l : lines) EXPECT_EQ(l.y1, 57);
}
