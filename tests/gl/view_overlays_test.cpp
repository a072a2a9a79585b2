// SPDX-License-Identifier: GPL-3.0-or-later
// The overlays in the picture a view presents (and so in exports and prints): the colour bar
// shows the ramp's ends the right way up, and drawing them leaves the scene's GL state as it was.
#include "field/colour_ramp.h"
#include "gl_test_support.h"
#include "render/frame_capture.h"
#include "render/overlay_text.h"

namespace voltaris::test {
namespace {

// The highest row (counted from the top) where `after` shows the colour over what was white
// background in `before`; -1 when there is none.
int TopRowOfColourOverBackground(const FramePixels& before, const FramePixels& after, const std::array<float, 3>& rgb) {
    for (int y = 0; y < after.height; ++y) {
        for (int x = 0; x < after.width; ++x) {
            const size_t at = (static_cast<size_t>(y) * after.width + x) * 4;
            if (before.rgba[at] < 250 || before.rgba[at + 1] < 250 || before.rgba[at + 2] < 250) continue;
            bool same = true;
            for (int c = 0; c < 3; ++c) same = same && std::abs(after.rgba[at + c] - rgb[c] * 255) <= 2;
            if (same) return y;
        }
    }
    return -1;
}

// The labels' numbers in either interface language: no character of them may come out blank.
TEST(ViewOverlaysTest, EveryCharacterOfALabelNumberHasAGlyph) {
    for (char c : std::string("0123456789,.-E mVxy")) {
        if (c == ' ') continue;
        bool lit = false;
        for (int row = 0; row < GlyphRows; ++row)
            for (int column = 0; column < GlyphColumns; ++column) lit = lit || GlyphPixel(c, column, row);
        EXPECT_TRUE(lit) << c;
    }
}

TEST(ViewOverlaysTest, ColourBarShowsTheRampAndTheSceneStateStays) {
    // Wide enough for the bar to stand on background beside the square.
    const int width = 320, height = 120;
    std::string error;
    auto target = EglOffscreen::Create(width, height, error);
    if (!target) GTEST_SKIP() << "no headless OpenGL: " << error;
    ASSERT_TRUE(target->MakeCurrent());
    ViewUnderTest view(EngineView::TopView, DipoleProject(), width, height);
    ASSERT_TRUE(view.Frame());
    const FramePixels plain = ReadViewportPixels();
    const auto square = ProjectToWindow(5, 0, 5);

    view.engine->showColourBar = true;
    view.engine->showAxisLabels = true;
    ASSERT_TRUE(view.Frame());
    const FramePixels overlaid = ReadViewportPixels();
    // The stepped ramp's top band (red) above its bottom band (blue), both beside the square.
    const ValueRange range = view.Scene().range;
    auto colour = [&](float v) {
        std::array<float, 3> rgb{};
        ColourOf(ColourModeStepped, range, v, rgb[0], rgb[1], rgb[2]);
        return rgb;
    };
    const float band = (range.PotentialMax - range.PotentialMin) / 16;
    const int top = TopRowOfColourOverBackground(plain, overlaid, colour(range.PotentialMax - band / 2));
    const int bottom = TopRowOfColourOverBackground(plain, overlaid, colour(range.PotentialMin + band / 2));
    EXPECT_GE(top, 0);
    EXPECT_GT(bottom, top);
    // Matrices, depth test and matrix mode as the scene left them.
    const auto after = ProjectToWindow(5, 0, 5);
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(after[i], square[i]);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
    target->ReleaseCurrent();
}

}  // namespace
}  // namespace voltaris::test
