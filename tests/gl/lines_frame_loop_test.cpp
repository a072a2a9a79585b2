// SPDX-License-Identifier: GPL-3.0-or-later
// The lines and the particle path are rebuilt when they are stale, by the 3D engine's frame
// thread or by the lines rebuilder beside it: each kind that a view shows is traced afresh, the
// others keep their previous lines, and a path build that cuts the time step comes back through
// the user-interface side as a new request.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/engine_frame.h"
#include "engine/lines_rebuilder.h"
#include "engine/redraw.h"
#include "field/equipotential_lines.h"
#include "field/field_lines.h"
#include "field/line_store.h"
#include "particle/built_trajectory.h"
#include "particle/path_store.h"
#include "render/egl_offscreen.h"
#include "gl_test_support.h"

namespace voltaris::test {
namespace {

using Lines = std::vector<std::vector<float>>;

Lines Contents(const LineStore& store) {
    Lines lines;
    store.Read([&](const LineSet& view) {
        for (int s = 0; s <= view.Last(); ++s) lines.emplace_back(view.Points(s), view.Points(s) + view.Count(s));
    });
    return lines;
}

// The 3D engine drawing on a thread of its own, with the rebuild of the program over stores
// of this test: by its frames (parameter false) or beside them, as the program runs it (true).
// Path builds are collected as the user-interface thread receives them.
class LinesFrameLoop : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        std::string error;
        if (!EglOffscreen::Create(8, 8, error)) GTEST_SKIP() << "no headless OpenGL: " << error;
        project = DipoleProject();
        engine = CreateGraphEngine(EngineView::ThreeD);
        ReportPanelSize(*engine, 64, 64);
        PublishScene(shared, project);
        auto deliver = [this](const BuiltTrajectory& built) {
            std::lock_guard<std::mutex> lock(mutex);
            delivered.push_back(built);
        };
        if (GetParam()) {
            rebuilder = std::make_unique<LinesRebuilder>(*engine, shared.published, stores, deliver);
            rebuilder->Start();
            hooks.linesBeside = rebuilder.get();
        } else {
            auto rebuild = LinesRebuildHook(stores, deliver);
            hooks.rebuildLines = [this, rebuild](GraphEngine& e, const SceneState& scene) {
                rebuildThread = std::this_thread::get_id();
                rebuild(e, scene);
                ++rebuilds;
            };
        }
        frames = std::thread([this] {
            std::string error;
            auto context = EglOffscreen::Create(64, 64, error);
            if (!context || !context->MakeCurrent()) {
                RequestStop(*engine);
                return;
            }
            InitialiseGlState(engine->clearColour);
            frameThread = std::this_thread::get_id();
            RunFrameLoop(*engine, shared.published, hooks);
            context->ReleaseCurrent();
        });
    }

    void TearDown() override {
        if (frames.joinable()) {
            RequestStop(*engine);
            frames.join();
        }
        if (rebuilder) rebuilder->Stop();
    }

    int Rebuilds() const { return rebuilder ? static_cast<int>(rebuilder->RebuildCount()) : rebuilds.load(); }

    // Raises a request as the user-interface thread does and waits until the frame thread has
    // served it (rebuilt and drawn a frame after that).
    bool RedrawAndWait() {
        const int before = Rebuilds();
        RequestRedraw(EngineSet{engine.get(), nullptr, rebuilder.get()}, shared, project, false, false);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        while (Rebuilds() == before || engine->linesDirty) {
            if (std::chrono::steady_clock::now() > deadline || engine->stopRequested) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const int32_t frame = engine->frameCount;
        while (engine->frameCount == frame) {
            if (std::chrono::steady_clock::now() > deadline || engine->stopRequested) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    std::vector<BuiltTrajectory> TakeDelivered() {
        std::lock_guard<std::mutex> lock(mutex);
        return std::exchange(delivered, {});
    }

    Project project;
    std::unique_ptr<GraphEngine> engine;
    SharedScene shared;
    FrameHooks hooks;
    std::unique_ptr<LinesRebuilder> rebuilder;
    LineStore equipotentials, fieldLines;
    std::unique_ptr<PathStore> paths = std::make_unique<PathStore>();
    TracedStores stores{equipotentials, fieldLines, *paths};
    std::thread frames;
    std::atomic<int> rebuilds{0};
    std::thread::id frameThread, rebuildThread;
    std::mutex mutex;
    std::vector<BuiltTrajectory> delivered;
};

TEST_P(LinesFrameLoop, WantedKindsAreTracedAfreshAndTheOthersKeepTheirLines) {
    shared.EquipotentialsWanted = true;
    shared.FieldLinesWanted = true;
    ASSERT_TRUE(RedrawAndWait());
    if (!GetParam()) {
        EXPECT_EQ(rebuildThread, frameThread);
    }

    LineStore expectedEquipotentials, expectedFieldLines;
    SceneState scene = shared.published.Read();
    TraceEquipotentials(scene.field, scene.range, true, expectedEquipotentials);
    TraceFieldLines(scene.field, true, expectedFieldLines);
    const Lines firstFieldLines = Contents(fieldLines);
    ASSERT_FALSE(firstFieldLines.empty());
    EXPECT_EQ(Contents(equipotentials), Contents(expectedEquipotentials));
    EXPECT_EQ(firstFieldLines, Contents(expectedFieldLines));

    // Only the equipotential lines are shown now; the moved charge changes both kinds.
    project.Active().charges[1].y = 3;
    shared.FieldLinesWanted = false;
    ASSERT_TRUE(RedrawAndWait());
    scene = shared.published.Read();
    TraceEquipotentials(scene.field, scene.range, true, expectedEquipotentials);
    TraceFieldLines(scene.field, true, expectedFieldLines);
    ASSERT_NE(Contents(expectedFieldLines), firstFieldLines);
    EXPECT_EQ(Contents(equipotentials), Contents(expectedEquipotentials));
    EXPECT_EQ(Contents(fieldLines), firstFieldLines) << "field lines not shown: the previous run stays";

    // And the other way round.
    const Lines secondEquipotentials = Contents(equipotentials);
    project.Active().charges[1].y = 7;
    shared.EquipotentialsWanted = false;
    shared.FieldLinesWanted = true;
    ASSERT_TRUE(RedrawAndWait());
    scene = shared.published.Read();
    TraceFieldLines(scene.field, true, expectedFieldLines);
    EXPECT_EQ(Contents(equipotentials), secondEquipotentials);
    EXPECT_EQ(Contents(fieldLines), Contents(expectedFieldLines));
    EXPECT_TRUE(TakeDelivered().empty()) << "no path is built while the particle is off";
}

TEST_P(LinesFrameLoop, ACutTimeStepReachesTheModelAndBuildsThePathAgainWithIt) {
    FieldTab& tab = project.Active();
    tab.ParticleCount = 1;
    // An electron falling towards the positive charge: far faster at the end than at the start.
    tab.particles[0] = ParticleSlot{1e-8, 1.0f, 5.0f, -1.6e-19, 9.1e-31, 1e4, 0, 3000, 0};
    shared.switches.ParticleEnabled = true;
    const double firstDt = tab.particles[0].dt;

    ASSERT_TRUE(RedrawAndWait());
    int32_t phases = 0;
    std::vector<double> dts{firstDt};
    for (int round = 0; round < 40; ++round) {
        std::vector<BuiltTrajectory> builds = TakeDelivered();
        ASSERT_EQ(builds.size(), 1u);
        const BuiltTrajectory& built = builds[0];
        EXPECT_EQ(built.startDt, dts.back()) << "each build starts from the time step the model holds";
        // What the user-interface thread does with a build it receives.
        const bool again = ApplyBuiltTrajectory(built, project, phases);
        EXPECT_EQ(again, built.result.dtCut);
        if (!again) break;
        EXPECT_LT(tab.particles[0].dt, dts.back());
        dts.push_back(tab.particles[0].dt);
        ASSERT_TRUE(RedrawAndWait());
    }
    EXPECT_GE(dts.size(), 2u) << "the electron got fast enough to cut the time step";
    EXPECT_EQ(phases, 0);
    paths->Read([&](const PathSet& set) { EXPECT_GT(set.slots[0].PathFloatCount, 30); });
}

INSTANTIATE_TEST_SUITE_P(ByFrameOrBeside, LinesFrameLoop, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Beside" : "ByTheFrame"; });

// The rebuilder's hand-over to the frames: a frame waits for the lines of the scene it draws
// while they are being traced, a paused 3D view keeps the request for later, and a stop ends
// a wait at once.
TEST(LinesRebuilderWait, AFrameGetsTheLinesOfItsSceneAndAPausedViewKeepsTheRequest) {
    Project project = DipoleProject();
    SharedScene shared;
    shared.EquipotentialsWanted = true;
    auto engine = CreateGraphEngine(EngineView::ThreeD);
    LineStore equipotentials, fieldLines;
    auto paths = std::make_unique<PathStore>();
    LinesRebuilder rebuilder(*engine, shared.published, {equipotentials, fieldLines, *paths}, nullptr);
    rebuilder.Start();
    const EngineSet engines{engine.get(), nullptr, &rebuilder};
    const std::atomic<bool> noStop{false};
    constexpr std::chrono::seconds Long{60};

    SetRunning(*engine, false);
    RequestRedraw(engines, shared, project, false, false);
    const uint64_t first = shared.publishCount;
    const auto start = std::chrono::steady_clock::now();
    rebuilder.WaitForLinesOf(first, Long, noStop);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "nothing to wait for";
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    EXPECT_EQ(rebuilder.BuiltSerial(), 0u) << "a paused 3D view keeps the request";
    EXPECT_TRUE(engine->linesDirty);

    SetRunning(*engine, true);
    rebuilder.Wake();
    rebuilder.WaitForLinesOf(first, Long, noStop);
    EXPECT_EQ(rebuilder.BuiltSerial(), first);
    EXPECT_FALSE(Contents(equipotentials).empty());

    // An edit: its scene's lines are there when the wait ends, and they are the moved charge's.
    project.Active().charges[1].y = 3;
    RequestRedraw(engines, shared, project, false, false);
    const uint64_t second = shared.publishCount;
    rebuilder.WaitForLinesOf(second, Long, noStop);
    EXPECT_EQ(rebuilder.BuiltSerial(), second);
    LineStore expected;
    const SceneState scene = shared.published.Read();
    TraceEquipotentials(scene.field, scene.range, true, expected);
    EXPECT_EQ(Contents(equipotentials), Contents(expected));

    // A stop ends the wait at once, even for lines that will never come.
    SetRunning(*engine, false);
    RequestRedraw(engines, shared, project, false, false);
    const std::atomic<bool> stop{true};
    const auto stopStart = std::chrono::steady_clock::now();
    rebuilder.WaitForLinesOf(shared.publishCount, Long, stop);
    EXPECT_LT(std::chrono::steady_clock::now() - stopStart, std::chrono::seconds(5));
    rebuilder.Stop();
}

// The seam between the interface's switches and the path build: every switch set on the
// shared scene, and the active tab's particle slots, reach the inputs the 3D engine's thread
// builds the path from.
TEST(SceneToPathBuild, TheSharedSwitchesAndSlotsReachTheTrajectoryInputs) {
    Project project = DipoleProject();
    FieldTab& tab = project.Active();
    tab.ParticleCount = 2;
    tab.particles[1] = ParticleSlot{2e-9, 4.0f, 6.0f, 3.2e-19, 6.6e-27, 1e5, 0.7, 500, 0};
    SharedScene shared;
    shared.switches.ParticleEnabled = true;
    shared.switches.BremsstrahlungEnabled = true;
    shared.switches.BremsstrahlungFactor = 123000001.0;
    shared.switches.AcChunkDuration = 2.5e-8f;
    RequestRedraw(EngineSet{}, shared, project, false, true);

    const TrajectoryInputs in = TrajectoryInputsOf(shared.published.Read());
    EXPECT_TRUE(in.switches.AcRunning) << "the redraw request's alternating-voltage state";
    EXPECT_EQ(in.switches.BremsstrahlungFactor, 123000001.0);
    EXPECT_EQ(in.switches, shared.switches);
    EXPECT_EQ(in.ParticleCount, 2);
    EXPECT_EQ(in.slots[1].mass, 6.6e-27);
    EXPECT_EQ(in.slots[1].angle, 0.7);
    EXPECT_EQ(in.field.ChargeCount, 2);
}

}  // namespace
}  // namespace voltaris::test
