// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>

#include <chrono>
#include <future>
#include <thread>

#include "gl_test_support.h"

namespace voltaris::test {
namespace {

using FrameStepTest = GlTest;

TEST_F(FrameStepTest, PausedEngineDrawsNothingAndKeepsItsRequestsForTheFirstFrameAfter) {
    const Project project = DipoleProject();
    ViewUnderTest view(EngineView::ThreeD, project, Width, Height);
    int lineBuilds = 0;
    view.hooks.rebuildLines = [&](GraphEngine& e, const SceneState& scene) {
        ++lineBuilds;
        EXPECT_FALSE(e.linesDirty) << "the flag is cleared before the rebuild";
        EXPECT_EQ(scene.field.ChargeCount, 1);
    };
    SetRunning(*view.engine, false);

    Project edited = project;
    edited.tabs[0].ChargeCount = 1;
    view.Redraw(edited);
    view.Redraw(edited);
    ReportPanelSize(*view.engine, Width / 2, Height / 2);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(view.Frame());
    EXPECT_EQ(view.engine->frameCount, 0);
    EXPECT_EQ(view.engine->displayListId, 0u);
    EXPECT_TRUE(view.engine->gridDirty);
    EXPECT_TRUE(view.engine->linesDirty);

    SetRunning(*view.engine, true);
    ASSERT_TRUE(view.Frame());
    EXPECT_EQ(view.engine->frameCount, 1);
    EXPECT_NE(view.engine->displayListId, 0u);
    EXPECT_EQ(lineBuilds, 1) << "two requests between frames cost one rebuild";
    EXPECT_FALSE(view.engine->gridDirty);
    EXPECT_EQ(view.engine->pendingWidth, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], Width / 2);
    EXPECT_EQ(viewport[3], Height / 2);

    ASSERT_TRUE(view.Frame());
    EXPECT_EQ(lineBuilds, 1);
    EXPECT_EQ(view.engine->frameCount, 2);
}

TEST_F(FrameStepTest, ZeroSizedPanelGetsAOnePixelViewport) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    ReportPanelSize(*view.engine, 0, 50);
    ASSERT_TRUE(view.Frame());
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1);
    EXPECT_EQ(viewport[3], 50);
}

TEST(PauseWaitTest, WaitEndsOnResumeOrStopButNotBefore) {
    auto engine = CreateGraphEngine(EngineView::ThreeD);
    SetRunning(*engine, false);
    auto waiting = std::async(std::launch::async, [&] { WaitWhilePaused(*engine); });
    EXPECT_EQ(waiting.wait_for(std::chrono::milliseconds(150)), std::future_status::timeout);
    SetRunning(*engine, true);
    EXPECT_EQ(waiting.wait_for(std::chrono::seconds(5)), std::future_status::ready);

    engine->running = false;  // a plain store, without the wake-up
    waiting = std::async(std::launch::async, [&] { WaitWhilePaused(*engine); });
    EXPECT_EQ(waiting.wait_for(std::chrono::milliseconds(150)), std::future_status::timeout);
    RequestStop(*engine);
    EXPECT_EQ(waiting.wait_for(std::chrono::seconds(5)), std::future_status::ready);
}

}  // namespace
}  // namespace voltaris::test
