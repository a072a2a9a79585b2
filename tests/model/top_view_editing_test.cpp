// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/top_view_editing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace voltaris;

namespace {

// Square of 10 m (one metre per graph unit) unless a test changes it.
struct TopViewEditing : ::testing::Test {
    Project project = Project::Initial();
    TopViewDrag drag;

    void SetUp() override {
        project.Active().ParticleCount = 1;
        ParticleSlot& s = project.Active().particles[0];
        s.x = 8;
        s.y = 8;
        s.angle = 0;
    }
    int Add(float x, float y, float radius, bool selected = false) {
        FieldTab& t = project.Active();
        t.charges[t.ChargeCount] = Charge{1e-10, x, y, radius};
        project.ChargeSelected[t.ChargeCount] = selected;
        return t.ChargeCount++;
    }
    void Press(float px, float pz, bool ctrl = false, bool particle = false) {
        drag = {};
        TopViewPress(project, drag, px, pz, ctrl, particle);
    }
};

TEST_F(TopViewEditing, TheRimOfASelectedChargeIsGrabbedOnlyStrictlyWithinATenth) {
    const int c = Add(0, 5, 1, true);
    // About 0.1 outside and inside the rim: no radius drag (the test is strict).
    Press(1.1f, 5);
    EXPECT_FALSE(drag.radiusDragging);
    EXPECT_EQ(drag.radiusDragCharge, -1);
    EXPECT_FALSE(project.ChargeSelected[c]);  // outside it, no Ctrl: deselected
    EXPECT_TRUE(drag.panning2D);

    project.ChargeSelected[c] = true;
    Press(0.9f, 5);
    EXPECT_FALSE(drag.radiusDragging);
    EXPECT_TRUE(drag.movingCharges);
    EXPECT_FALSE(drag.panning2D);

    Press(1.09f, 5);
    EXPECT_TRUE(drag.radiusDragging);
    EXPECT_EQ(drag.radiusDragCharge, c);
    EXPECT_FALSE(drag.panning2D);

    // The release gives the charge the distance to the picked point; the grabbed slot stays.
    const TopViewReleaseEffect effect = TopViewRelease(project, drag, 0, 7.5f);
    EXPECT_TRUE(effect.refreshTable && effect.redraw);
    EXPECT_FLOAT_EQ(project.Active().charges[c].radius, 2.5f);
    EXPECT_FALSE(drag.radiusDragging);
    EXPECT_EQ(drag.radiusDragCharge, c);

    // Released where no point is picked: the radius stays.
    Press(2.55f, 5);
    ASSERT_TRUE(drag.radiusDragging);
    TopViewRelease(project, drag, -998, 5);
    EXPECT_FLOAT_EQ(project.Active().charges[c].radius, 2.5f);
}

// The grabbed charge was deleted (Delete, J) while the button was held: the release leaves
// the slot beyond the count alone.
TEST_F(TopViewEditing, ARadiusDragOfADeletedChargeChangesNothing) {
    Add(2, 2, 1, true);
    const int grabbed = Add(6, 6, 1, true);
    Press(7.05f, 6);
    ASSERT_TRUE(drag.radiusDragging);
    project.Active().ChargeCount = 1;
    project.Active().charges[grabbed].radius = 1;
    TopViewRelease(project, drag, 9, 6);
    EXPECT_EQ(project.Active().charges[grabbed].radius, 1.0f);
    EXPECT_EQ(project.Active().charges[0].radius, 1.0f);
    EXPECT_FALSE(drag.radiusDragging);
}

TEST_F(TopViewEditing, AnUnselectedChargeIsNeverResizedAndALaterRimWins) {
    Add(5, 5, 1, false);
    Press(6.05f, 5);
    EXPECT_FALSE(drag.radiusDragging);
    EXPECT_TRUE(drag.panning2D);

    project.Active().ChargeCount = 0;
    Add(4, 5, 1, true);
    const int second = Add(6, 5, 1, true);
    Press(5.02f, 5);  // on both rims
    EXPECT_EQ(drag.radiusDragCharge, second);
}

TEST_F(TopViewEditing, PressingInsideSelectsAndOnlyASelectedChargeMoves) {
    const int a = Add(2, 2, 1, false), b = Add(6, 6, 1, true);
    // Inside the unselected charge: it becomes the only selected one, nothing moves.
    Press(2.2f, 2);
    EXPECT_TRUE(project.ChargeSelected[a]);
    EXPECT_FALSE(project.ChargeSelected[b]);
    EXPECT_FALSE(drag.movingCharges);
    EXPECT_TRUE(drag.panning2D);

    // Inside it again, now selected: the selection moves.
    Press(2.2f, 2);
    EXPECT_TRUE(drag.movingCharges);
    EXPECT_FALSE(drag.panning2D);
    // The mouse left the view: no point picked, the selection waits where it is.
    EXPECT_FALSE(TopViewDragTo(project, drag, -998, 4));
    EXPECT_EQ(project.Active().charges[a].x, 2.0f);
    EXPECT_TRUE(TopViewDragTo(project, drag, 3, 4));
    EXPECT_EQ(project.Active().charges[a].x, 3.0f);
    EXPECT_EQ(project.Active().charges[a].y, 4.0f);
    EXPECT_EQ(project.Active().charges[b].x, 6.0f);
    const TopViewReleaseEffect effect = TopViewRelease(project, drag, 3, 4);
    EXPECT_TRUE(effect.refreshTable);
    EXPECT_FALSE(effect.redraw);
    EXPECT_FALSE(drag.movingCharges);
}

TEST_F(TopViewEditing, CtrlPressInsideASelectedChargeMovesTheOthersButNotIt) {
    const int a = Add(2, 2, 1, true), b = Add(6, 6, 1, true);
    Press(2, 2, true);
    EXPECT_TRUE(drag.movingCharges);
    EXPECT_FALSE(project.ChargeSelected[a]);
    EXPECT_TRUE(project.ChargeSelected[b]);
    TopViewDragTo(project, drag, 5, 1);
    EXPECT_EQ(project.Active().charges[a].x, 2.0f);
    EXPECT_EQ(project.Active().charges[b].x, 5.0f);
    EXPECT_EQ(project.Active().charges[b].y, 1.0f);
}

TEST_F(TopViewEditing, SelectedChargesDraggedTogetherCollapseOntoOnePoint) {
    project.Active().Resolution = 0;
    project.unitLength = 0.1f;
    const int a = Add(0.2f, 0.2f, 0.1f, true), b = Add(0.25f, 0.2f, 0.1f, true);
    const int away = Add(0.8f, 0.8f, 0.1f, true);
    Press(2.2f, 2);  // inside both overlapping charges
    ASSERT_TRUE(drag.movingCharges);
    EXPECT_TRUE(project.ChargeSelected[a] && project.ChargeSelected[b]);
    EXPECT_FALSE(project.ChargeSelected[away]);  // not under the mouse, no Ctrl: let go
    TopViewDragTo(project, drag, 12, -3);         // beyond the square too
    const FieldTab& t = project.Active();
    EXPECT_EQ(t.charges[a].x, t.charges[b].x);
    EXPECT_EQ(t.charges[a].y, t.charges[b].y);
    EXPECT_FLOAT_EQ(t.charges[a].x, 1.2f);
    EXPECT_FLOAT_EQ(t.charges[a].y, -0.3f);
    EXPECT_EQ(t.charges[away].x, 0.8f);
}

TEST_F(TopViewEditing, NothingHitPansAndCtrlKeepsTheSelection) {
    const int a = Add(2, 2, 1, true);
    Press(5, 5, true);
    EXPECT_TRUE(drag.panning2D);
    EXPECT_TRUE(project.ChargeSelected[a]);
    EXPECT_FALSE(TopViewDragTo(project, drag, 6, 6));
    EXPECT_EQ(project.Active().charges[a].x, 2.0f);
    TopViewRelease(project, drag, 6, 6);
    EXPECT_FALSE(drag.panning2D);
}

TEST_F(TopViewEditing, TheParticleStartMovesAndTurnsOnlyWhileTheParticleIsOn) {
    // Switched off: a press on the start pans.
    Press(8.1f, 8, false, false);
    EXPECT_FALSE(drag.movingParticle || drag.turningParticle);
    EXPECT_TRUE(drag.panning2D);

    Press(8.1f, 8, false, true);
    EXPECT_TRUE(drag.movingParticle);
    EXPECT_FALSE(drag.panning2D);
    TopViewDragTo(project, drag, 3, 4);
    EXPECT_EQ(project.Active().particles[0].x, 3.0f);
    EXPECT_EQ(project.Active().particles[0].y, 4.0f);
    TopViewRelease(project, drag, 3, 4);

    // Between 0.3 and 0.6 graph units the launch direction turns towards the mouse.
    Press(3, 4.5f, false, true);
    EXPECT_TRUE(drag.turningParticle);
    EXPECT_FALSE(drag.movingParticle);
    const ParticleSlot& s = project.Active().particles[0];
    for (auto [x, y] : {std::pair{5.f, 4.f}, {3.f, 6.f}, {1.f, 4.f}, {3.f, 2.f}, {4.f, 5.f}, {2.f, 1.f}}) {
        TopViewDragTo(project, drag, x, y);
        EXPECT_NEAR(std::cos(s.angle), (x - 3) / std::hypot(x - 3, y - 4), 1e-6) << x << "," << y;
        EXPECT_NEAR(std::sin(s.angle), (y - 4) / std::hypot(x - 3, y - 4), 1e-6) << x << "," << y;
    }
    // Beyond 0.6 units: neither.
    Press(3.7f, 4, false, true);
    EXPECT_FALSE(drag.turningParticle || drag.movingParticle);
    EXPECT_TRUE(drag.panning2D);
}

}  // namespace
