// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/project.h"

using namespace voltaris;

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
