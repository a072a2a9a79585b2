// SPDX-License-Identifier: GPL-3.0-or-later
// A picture request is answered by the frame thread with exactly the frame it presents, also
// while the view is paused, and never left waiting when the frame loop ends.
#include <GL/gl.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "gl_test_support.h"

namespace voltaris::test {
namespace {

using FrameCaptureTest = GlTest;

bool Ready(std::future<FramePixels>& f) { return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }

TEST_F(FrameCaptureTest, RequestIsAnsweredWithTheFrameAboutToBePresented) {
    const Project project = DipoleProject();
    ViewUnderTest view(EngineView::ThreeD, project, Width, Height);
    view.engine->pickX = Width / 2;  // the pointer and the level plane are part of the picture
    view.engine->pickY = Height / 2;
    std::vector<uint8_t> presented;
    view.hooks.swapBuffers = [&] {
        context->Present();
        context->ReadPixels(presented);
    };
    ASSERT_TRUE(view.Frame());  // the first frame only lays the viewport out

    auto first = RequestFrameCapture(*view.engine);
    auto second = RequestFrameCapture(*view.engine);
    EXPECT_FALSE(Ready(first));
    ASSERT_TRUE(view.Frame());
    ASSERT_TRUE(Ready(first) && Ready(second));
    EXPECT_FALSE(view.engine->capture.Pending());
    const FramePixels picture = first.get();
    EXPECT_EQ(picture.width, Width);
    EXPECT_EQ(picture.height, Height);
    EXPECT_EQ(picture.rgba, presented);  // top row first, like the presented frame
    EXPECT_EQ(second.get().rgba, picture.rgba);
}

TEST_F(FrameCaptureTest, PictureHasThePanelSizeOfItsFrame) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    ASSERT_TRUE(view.Frame());
    ReportPanelSize(*view.engine, Width / 2, Height / 3);
    auto picture = RequestFrameCapture(*view.engine);
    ASSERT_TRUE(view.Frame());
    const FramePixels pixels = picture.get();
    EXPECT_EQ(pixels.width, Width / 2);
    EXPECT_EQ(pixels.height, Height / 3);
    EXPECT_EQ(pixels.rgba.size(), size_t(Width / 2) * (Height / 3) * 4);
}

TEST_F(FrameCaptureTest, RequestMadeDuringAFrameWaitsForTheNextWithTheSizeReportedBeforeIt) {
    const Project project = DipoleProject();
    ViewUnderTest view(EngineView::ThreeD, project, Width, Height);
    ASSERT_TRUE(view.Frame());
    std::future<FramePixels> picture;
    // The frame is under way (its size already taken) when the panel shrinks and the picture
    // is asked for.
    view.hooks.rebuildLines = [&](GraphEngine& engine, const SceneState&) {
        ReportPanelSize(engine, Width / 2, Height / 2);
        picture = RequestFrameCapture(engine);
    };
    view.Redraw(project);
    ASSERT_TRUE(view.Frame());
    ASSERT_TRUE(picture.valid());
    EXPECT_FALSE(Ready(picture));
    view.hooks.rebuildLines = nullptr;
    ASSERT_TRUE(view.Frame());
    ASSERT_TRUE(Ready(picture));
    const FramePixels pixels = picture.get();
    EXPECT_EQ(pixels.width, Width / 2);
    EXPECT_EQ(pixels.height, Height / 2);
}

TEST_F(FrameCaptureTest, PausedViewAnswersWithoutPresentingOrCounting) {
    ViewUnderTest view(EngineView::ThreeD, DipoleProject(), Width, Height);
    int presents = 0;
    view.hooks.swapBuffers = [&] {
        ++presents;
        context->Present();
    };
    ASSERT_TRUE(view.Frame());
    std::vector<uint8_t> running;
    context->ReadPixels(running);

    SetRunning(*view.engine, false);
    auto picture = RequestFrameCapture(*view.engine);
    EXPECT_FALSE(view.Frame());
    ASSERT_TRUE(Ready(picture));
    EXPECT_EQ(picture.get().rgba, running);
    EXPECT_EQ(presents, 1);
    EXPECT_EQ(view.engine->frameCount, 1);
    // Without a request a paused frame draws nothing.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_FALSE(view.Frame());
    EXPECT_EQ(PixelAt(0, 0), (std::array<int, 4>{0, 0, 0, 255}));
}

TEST_F(FrameCaptureTest, EndingFrameLoopLeavesNoRequestWaiting) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    RequestStop(*view.engine);
    auto picture = RequestFrameCapture(*view.engine);
    RunFrameLoop(*view.engine, view.shared.published, view.hooks);
    ASSERT_TRUE(Ready(picture));
    EXPECT_TRUE(picture.get().rgba.empty());
}

}  // namespace
}  // namespace voltaris::test

namespace voltaris::test {
namespace {

// Pictures asked for by another thread while the view draws, pauses and resumes on its own
// thread: every request is answered with a whole picture of the view's size.
TEST(FrameCaptureThreads, RequestsFromTheInterfaceThreadWhileFramesRunAndPause) {
    constexpr int Side = 64;
    const Project project = DipoleProject();
    auto engine = CreateGraphEngine(EngineView::TopView);
    SharedScene shared;
    ReportPanelSize(*engine, Side, Side);
    EngineSet engines;
    engines.engine2D = engine.get();
    RequestRedraw(engines, shared, project, true, false);

    std::atomic<bool> noContext{false};
    std::string failure;  // read once the thread has ended
    std::thread frames([&] {
        std::string error;
        auto context = EglOffscreen::Create(Side, Side, error);
        if (!context || !context->MakeCurrent()) {
            failure = "no context: " + error;
            noContext = true;
            // Answers (emptily) whatever is still asked until the test gives up.
            while (!engine->stopRequested) {
                engine->capture.Abandon();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            return;
        }
        InitialiseGlState(engine->clearColour);
        FrameHooks hooks;
        hooks.swapBuffers = [&] { context->Present(); };
        RunFrameLoop(*engine, shared.published, hooks);
        context->ReleaseCurrent();
    });
    for (int i = 0; i < 30 && !noContext; ++i) {
        if (i % 10 == 5) SetRunning(*engine, false);
        if (i % 10 == 8) SetRunning(*engine, true);
        engine->pickX = 10 + i;
        engine->pickY = 20;
        const FramePixels picture = RequestFrameCapture(*engine).get();
        if (noContext) break;
        EXPECT_EQ(picture.width, Side);
        EXPECT_EQ(picture.height, Side);
        EXPECT_EQ(picture.rgba.size(), size_t(Side) * Side * 4);
    }
    RequestStop(*engine);
    frames.join();
    if (noContext) GTEST_SKIP() << failure;
}

}  // namespace
}  // namespace voltaris::test
