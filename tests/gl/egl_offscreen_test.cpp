// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "render/egl_offscreen.h"

namespace voltaris::test {
namespace {

void Quad(float x0, float y0, float x1, float y1, float depth) {
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, depth);
    glVertex3f(x1, y0, depth);
    glVertex3f(x1, y1, depth);
    glVertex3f(x0, y1, depth);
    glEnd();
}

// Red over the whole target, green on top in the upper half only, and a blue quad drawn
// later but farther away that must stay hidden behind the green one.
void DrawProbe() {
    glClearColor(1, 0, 0, 1);
    glClearDepth(1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(0, 1, 0);
    Quad(-1, 0, 1, 1, -0.5f);
    glColor3f(0, 0, 1);
    Quad(-1, 0, 1, 1, 0.5f);
}

TEST(EglOffscreenTest, EveryTargetHasDepthAndReadsBackTopRowFirst) {
    for (OffscreenTarget target : {OffscreenTarget::Automatic, OffscreenTarget::FramebufferObject}) {
        std::string error;
        auto context = EglOffscreen::Create(40, 30, error, target);
        if (!context) GTEST_SKIP() << "no headless OpenGL: " << error;
        if (target == OffscreenTarget::FramebufferObject) {
            EXPECT_FALSE(context->UsesPbuffer());
        }
        ASSERT_TRUE(context->MakeCurrent());
        GLint depthBits = 0;
        glGetIntegerv(GL_DEPTH_BITS, &depthBits);
        EXPECT_GE(depthBits, 16);
        DrawProbe();
        context->Present();
        std::vector<uint8_t> rgba;
        context->ReadPixels(rgba);
        context->ReleaseCurrent();
        ASSERT_EQ(rgba.size(), 40u * 30 * 4);
        const uint8_t* top = &rgba[(2 * 40 + 20) * 4];
        const uint8_t* bottom = &rgba[(27 * 40 + 20) * 4];
        EXPECT_EQ(top[1], 255) << "upper half is green, the farther blue hidden";
        EXPECT_EQ(top[2], 0);
        EXPECT_EQ(bottom[0], 255) << "lower half keeps the red clear colour";
    }
}

TEST(EglOffscreenTest, RefusesSizesItCannotHold) {
    std::string error;
    EXPECT_EQ(EglOffscreen::Create(0, 10, error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(EglOffscreen::Create(10, -1, error), nullptr);
    EXPECT_EQ(EglOffscreen::Create(EglOffscreen::MaxSide + 1, 10, error), nullptr);
}

}  // namespace
}  // namespace voltaris::test
