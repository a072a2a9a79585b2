#include <gtest/gtest.h>

#include "model/project.h"
#include "recording_dialogs.h"

using namespace voltaris;

TEST(Project, NewTabsUpToTwentyAndTheTwentyFirstRefusedOnce) {
    Project project = Project::Initial();
    test::RecordingDialogs dialogs;
    while (project.TabCount < MaxTabs) ASSERT_TRUE(CreateTab(project, "unbenannt", dialogs));
    EXPECT_FALSE(CreateTab(project, "zu viel", dialogs));
    EXPECT_EQ(project.TabCount, 20);
    ASSERT_EQ(dialogs.Shown(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Leider kann das Tab nicht erstellt werden. Es können maximal 20 Tabs erstellt werden.");
    const FieldTab& t = project.tabs[19];
    EXPECT_EQ(t.ChargeCount, 0);
    EXPECT_EQ(t.ParticleCount, 1);
    EXPECT_EQ(t.Resolution, 1.0f);
    EXPECT_EQ(t.particles[0].charge, -1.6e-19);
    EXPECT_EQ(t.particles[0].mass, 9.1e-31);
    EXPECT_EQ(t.particles[0].dt, 5.6e-9);
    EXPECT_EQ(t.particles[0].speed, 0);
    EXPECT_EQ(t.particles[0].angle, 0);
    EXPECT_EQ(t.particles[0].x, 0);
    EXPECT_EQ(t.particles[0].steps, 10000);
    EXPECT_EQ(project.ActiveTab, 0);  // creating a tab does not show it
}

TEST(Project, InitialModelHoldsOneTabWithAFastPositiveParticle) {
    const Project p = Project::Initial();
    EXPECT_EQ(p.TabCount, 1);
    EXPECT_EQ(p.tabs[0].caption, "Tab1");
    EXPECT_EQ(p.tabs[0].particles[0].charge, 1.6e-19);
    EXPECT_EQ(p.tabs[0].particles[0].speed, 500000);
    EXPECT_EQ(p.tabs[0].particles[0].dt, 1e-8);
    EXPECT_EQ(p.tabs[0].particles[0].mass, 9.1e-31);
    EXPECT_EQ(p.tabs[0].particles[0].x, 1.0f);
    EXPECT_EQ(p.tabs[0].particles[0].y, 1.0f);
    EXPECT_EQ(p.tabs[0].particles[0].steps, 10000);
    EXPECT_EQ(p.tabs[0].ParticleCount, 1);
    EXPECT_EQ(p.tabs[0].ChargeCount, 0);
    EXPECT_EQ(p.SignFactor, 1);
    EXPECT_TRUE(p.ProjectFileName.empty());
    EXPECT_EQ(p.ProjectName, "Unbenannt");
    EXPECT_EQ(p.unitLength, 1.0f);
}

TEST(Project, ResolutionAndScrollPositionAgreeOnTheSixthDecadeGrid) {
    EXPECT_EQ(ScrollPositionOfResolution(-10), 0);
    EXPECT_EQ(ScrollPositionOfResolution(1), 66);
    EXPECT_EQ(ScrollPositionOfResolution(2), 72);
    EXPECT_EQ(ScrollPositionOfResolution(1.1666666f), 67);  // 66.99999.. rounds, not truncates
    EXPECT_EQ(ScrollPositionOfResolution(99), 72);
    EXPECT_EQ(ScrollPositionOfResolution(-99), 0);
    // Every position comes back to itself through its float32 resolution (no drift).
    for (int position = 0; position <= 72; ++position)
        EXPECT_EQ(ScrollPositionOfResolution(ResolutionOfScrollPosition(position)), position);
    EXPECT_EQ(UnitLengthOf(-10), 1e-11f);
    EXPECT_EQ(UnitLengthOf(2), 10.0f);
    EXPECT_EQ(SquareSizeLabel(UnitLengthOf(1)), "Das Koordinatensystem ist 10m im Quadrat");
    EXPECT_EQ(SquareSizeLabel(UnitLengthOf(-10)), "Das Koordinatensystem ist 1E-10m im Quadrat");
}

TEST(Project, ShowingATabSnapsItsResolutionAndClearsItsSelection) {
    Project p = Project::Initial();
    p.tabs[0].Resolution = 1.05f;
    p.tabs[0].ChargeCount = 2;
    p.ChargeSelected[1] = true;
    EXPECT_EQ(ShowTab(p, 0, 66), 66);
    EXPECT_EQ(p.tabs[0].Resolution, 1.05f);  // the scroll bar did not move: left as it is
    EXPECT_EQ(ShowTab(p, 0, 10), 66);
    EXPECT_EQ(p.tabs[0].Resolution, 1.0f);
    EXPECT_FALSE(p.ChargeSelected[1]);
}

TEST(Project, DeletingSelectedChargesKeepsTheOthersInOrder) {
    Project p = Project::Initial();
    FieldTab& t = p.Active();
    t.ChargeCount = 5;
    for (int i = 0; i < 5; ++i) t.charges[i].amount = i + 1;
    p.ChargeSelected[1] = p.ChargeSelected[3] = true;
    DeleteSelectedCharges(p);
    ASSERT_EQ(t.ChargeCount, 3);
    EXPECT_EQ(t.charges[0].amount, 1);
    EXPECT_EQ(t.charges[1].amount, 3);
    EXPECT_EQ(t.charges[2].amount, 5);
    EXPECT_FALSE(p.ChargeSelected[1] || p.ChargeSelected[3]);
}
