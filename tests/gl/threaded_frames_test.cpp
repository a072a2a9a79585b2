// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "engine/engine_frame.h"
#include "engine/redraw.h"
#include "render/egl_offscreen.h"
#include "gl_test_support.h"

namespace voltaris::test {
namespace {

constexpr int FramesEach = 40;
constexpr int Side = 96;

// The frame thread of one view: its own context, frames until it is stopped.
void DrawUntilStopped(GraphEngine& engine, const SharedScene& shared, std::atomic<int>& lineBuilds,
                      std::string& failure) {
    std::string error;
    auto context = EglOffscreen::Create(Side, Side, error);
    if (!context || !context->MakeCurrent()) {
        failure = "no context: " + error;
        RequestStop(engine);  // ends the edits early
        return;
    }
    InitialiseGlState(engine.clearColour);
    FrameHooks hooks;
    hooks.swapBuffers = [&] { context->Present(); };
    // The program's rebuild into the program's stores, which the other view draws meanwhile.
    auto rebuild = LinesRebuildHook(ProcessTracedStores(), nullptr);
    hooks.rebuildLines = [&](GraphEngine& e, const SceneState& scene) {
        rebuild(e, scene);
        if (scene.field.ChargeCount > 0) ++lineBuilds;
    };
    RunFrameLoop(engine, shared.published, hooks);
    context->ReleaseCurrent();
}

// What the interface thread does while both views draw: edits, redraw requests, pointer
// moves, view changes, pauses, log lines, and reads of the picked points.
void EditUntilBothHaveDrawn(GraphEngine& view3D, GraphEngine& topView, SharedScene& shared, Project project) {
    const EngineSet engines{&view3D, &topView};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
    for (int step = 0; view3D.frameCount < FramesEach || topView.frameCount < FramesEach; ++step) {
        if (std::chrono::steady_clock::now() > deadline || view3D.stopRequested || topView.stopRequested) break;
        FieldTab& tab = project.Active();
        tab.charges[step % tab.ChargeCount].x = 1 + (step % 80) * 0.1f;
        project.ChargeSelected[step % tab.ChargeCount] = step % 2;
        RequestRedraw(engines, shared, project, step % 3 != 0, false);
        shared.interaction.radiusDragging = step % 4 == 0;
        PublishScene(shared, project);

        view3D.pickX = 30 + step % 40;
        view3D.pickY = 40;
        topView.pickX = step % 5 == 0 ? -998 : 20 + step % 50;
        topView.pickY = 48;
        const float pickedX = view3D.pickedX, pickedZ = view3D.pickedZ;
        if (pickedX >= 0 && pickedX <= 10) {
            topView.markX = pickedX;
            topView.markZ = pickedZ;
        } else {
            topView.markX = -100;
        }
        view3D.planeHeight = step % 7 == 0 ? -100.0f : 0.5f;
        view3D.rotationDeg += 3;
        view3D.eyeY = 0.8f + (step % 10) * 0.05f;
        topView.panX = (step % 10) * 0.01f;
        topView.showAllFieldStrengths = step % 2 == 0;
        view3D.renderMode = step % 5;
        view3D.shadeRequest = step % 4;
        ReportPanelSize(view3D, Side - step % 8, Side);
        if (step % 15 == 0) {
            SetRunning(topView, false);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            SetRunning(topView, true);
        }
        if (step % 10 == 0) appendLog(view3D, "edit " + std::to_string(step));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    RequestStop(view3D);
    RequestStop(topView);
}

TEST(ThreadedFramesTest, TwoViewsDrawOnTheirOwnThreadsWhileTheInterfaceEdits) {
    {
        std::string error;
        if (!EglOffscreen::Create(8, 8, error)) GTEST_SKIP() << "no headless OpenGL: " << error;
    }
    Project project = DipoleProject();
    FieldTab& tab = project.Active();
    tab.ChargeCount = 6;
    for (int i = 2; i < tab.ChargeCount; ++i) {
        tab.charges[i] = Charge{(i % 2 ? -2e-10 : 3e-10), 1.5f * i, 2.0f + i, 0.3f};
    }

    auto view3D = CreateGraphEngine(EngineView::ThreeD);
    auto topView = CreateGraphEngine(EngineView::TopView);
    topView->showFieldStrength = true;
    view3D->showFieldStrength = true;
    for (GraphEngine* e : {view3D.get(), topView.get()}) {
        e->showEquipotentials = true;
        e->showFieldLines = true;
    }
    ReportPanelSize(*view3D, Side, Side);
    ReportPanelSize(*topView, Side, Side);
    SharedScene shared;
    // Equipotentials stay untraced (their store is drawn all the same): tracing them at every
    // edit would slow the frames down for nothing the hand-over of the field lines lacks.
    shared.FieldLinesWanted = true;
    shared.switches.ParticleEnabled = true;
    tab.ParticleCount = 1;
    tab.particles[0] = ParticleSlot{1e-8, 1.0f, 2.0f, -1.6e-19, 9.1e-31, 3e5, 0.3, 2000, 0};
    RequestRedraw(EngineSet{view3D.get(), topView.get()}, shared, project, true, false);

    std::atomic<int> lineBuilds{0}, unusedBuilds{0};
    std::string failure3D, failure2D;
    std::thread frames3D(DrawUntilStopped, std::ref(*view3D), std::cref(shared), std::ref(lineBuilds),
                         std::ref(failure3D));
    std::thread frames2D(DrawUntilStopped, std::ref(*topView), std::cref(shared), std::ref(unusedBuilds),
                         std::ref(failure2D));
    std::thread edits(EditUntilBothHaveDrawn, std::ref(*view3D), std::ref(*topView), std::ref(shared), project);
    edits.join();
    frames3D.join();
    frames2D.join();

    ASSERT_EQ(failure3D, "");
    ASSERT_EQ(failure2D, "");
    EXPECT_GE(view3D->frameCount, FramesEach);
    EXPECT_GE(topView->frameCount, FramesEach);
    EXPECT_GE(lineBuilds, 1);
    EXPECT_EQ(unusedBuilds, 0) << "only the 3D engine rebuilds the lines";
    EXPECT_NE(DebugLogOf(*view3D).find("edit 0"), std::string::npos);
}

}  // namespace
}  // namespace voltaris::test
