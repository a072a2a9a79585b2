// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "particle/alternating_voltage.h"
#include "particle/path_store.h"

using namespace voltaris;

namespace {

Project TwoChargesAndAParticle() {
    Project project = Project::Initial();
    FieldTab& tab = project.Active();
    tab.ChargeCount = 2;
    tab.charges[0] = Charge{4.1e-10, 2, 2, 0.5f};  // not exact in single precision
    tab.charges[1] = Charge{-3.3e-10, 8, 8, 0.5f};
    tab.ParticleCount = 1;
    ParticleSlot& s = tab.particles[0];
    s.speed = 500000;
    s.angle = 0.3;
    s.dt = 6e-9;
    s.x = 1;
    s.y = 1.5f;
    return project;
}

}  // namespace

TEST(AlternatingVoltage, FrequencySliderGivesPhaseStepAndLabel) {
    EXPECT_FLOAT_EQ(AcChunkDurationOf(1200), 1.0f / 52800000.0f);
    EXPECT_EQ(FrequencyText(1200), "1,2MHz");
    EXPECT_EQ(FrequencyText(1), "0,001MHz");
    EXPECT_EQ(FrequencyText(15000), "15MHz");
    EXPECT_EQ(AcPhaseFactor(11), 1.01f);
    // At the zero crossings the charges keep a hundredth of their amount.
    EXPECT_EQ(AcPhaseFactor(0), 0.01f);
    EXPECT_EQ(AcPhaseFactor(22), 0.01f);
    EXPECT_EQ(AcPhaseFactor(33), -0.99f);
}

TEST(AlternatingVoltage, StartAtTheDefaultFrequency) {
    Project project = TwoChargesAndAParticle();
    ParticleSwitches switches;
    int32_t counter = 0;
    auto store = std::make_unique<PathStore>();
    AlternatingVoltage run;
    run.Start(project, switches, counter, *store);
    EXPECT_TRUE(switches.AcRunning);
    EXPECT_EQ(counter, 11);
    EXPECT_EQ(project.Active().particles[0].dt, 0.004 * static_cast<double>(1.8939e-8f));
    run.ScaleCharges(project, counter);
    EXPECT_EQ(project.Active().charges[0].amount, static_cast<double>(1.01f) * static_cast<double>(4.1e-10f));
    EXPECT_EQ(project.Active().charges[1].amount, static_cast<double>(1.01f) * static_cast<double>(-3.3e-10f));
}

TEST(AlternatingVoltage, StopRestoresParticleAndSinglePrecisionCharges) {
    Project project = TwoChargesAndAParticle();
    ParticleSwitches switches;
    int32_t counter = 0;
    auto store = std::make_unique<PathStore>();
    AlternatingVoltage run;
    run.Start(project, switches, counter, *store);
    // Some phase steps: the build moved the particle on, the charges were scaled.
    counter = 30;
    run.ScaleCharges(project, counter);
    ParticleSlot& s = project.Active().particles[0];
    s.speed = -1;
    s.angle = 2;
    s.x = 7;
    s.y = 8;
    run.Stop(project, switches);
    EXPECT_FALSE(switches.AcRunning);
    EXPECT_EQ(s.speed, 500000);
    EXPECT_EQ(s.angle, 0.3);
    EXPECT_EQ(s.dt, 6e-9);
    EXPECT_EQ(s.x, 1.0f);
    EXPECT_EQ(s.y, 1.5f);
    EXPECT_EQ(project.Active().charges[0].amount, static_cast<double>(4.1e-10f));
    EXPECT_NE(project.Active().charges[0].amount, 4.1e-10);
    EXPECT_EQ(project.Active().charges[1].amount, static_cast<double>(-3.3e-10f));
}

TEST(AlternatingVoltage, ATabWithoutParticleGetsItsTimeStepBack) {
    Project project = TwoChargesAndAParticle();
    project.Active().ParticleCount = 0;
    ParticleSwitches switches;
    int32_t counter = 0;
    auto store = std::make_unique<PathStore>();
    AlternatingVoltage run;
    run.Start(project, switches, counter, *store);
    run.Stop(project, switches);
    EXPECT_EQ(project.Active().particles[0].dt, 6e-9);
}

TEST(AlternatingVoltage, NothingIsWrittenIntoAnotherTab) {
    Project project = TwoChargesAndAParticle();
    project.TabCount = 2;
    project.tabs[1] = project.tabs[0];
    project.tabs[1].charges[0].amount = 1e-9;
    ParticleSwitches switches;
    int32_t counter = 0;
    auto store = std::make_unique<PathStore>();
    AlternatingVoltage run;
    run.Start(project, switches, counter, *store);
    project.ActiveTab = 1;
    run.ScaleCharges(project, counter);
    run.Stop(project, switches);
    EXPECT_EQ(project.tabs[1].charges[0].amount, 1e-9);
    EXPECT_FALSE(switches.AcRunning);
}

TEST(AlternatingVoltage, AChargeAddedDuringTheRunKeepsItsAmount) {
    Project project = TwoChargesAndAParticle();
    ParticleSwitches switches;
    int32_t counter = 0;
    auto store = std::make_unique<PathStore>();
    AlternatingVoltage run;
    run.Start(project, switches, counter, *store);
    FieldTab& tab = project.Active();
    tab.charges[tab.ChargeCount++] = Charge{2e-10, 5, 5, 0.5f};
    run.ScaleCharges(project, counter);
    run.Stop(project, switches);
    EXPECT_EQ(tab.charges[2].amount, 2e-10);
}

TEST(AlternatingVoltage, StartEmptiesOnlySlotZerosPath) {
    auto store = std::make_unique<PathStore>();
    {
        const PathStore::Writer writer(*store);
        PathSet& set = writer.Back();
        set.slots[0].PathFloatCount = 300;
        set.slots[1].PathFloatCount = 30;
        set.slots[1].PathPoints[29] = 4.5f;
        writer.Publish();
    }
    ASSERT_TRUE(ClearSlotPath(*store, 0));
    store->Read([](const PathSet& paths) {
        EXPECT_EQ(paths.slots[0].PathFloatCount, 0);
        EXPECT_EQ(paths.slots[1].PathFloatCount, 30);
        EXPECT_EQ(paths.slots[1].PathPoints[29], 4.5f);
    });
    EXPECT_FALSE(store->Busy());
    // While a build holds the store, it gives up rather than write under it.
    const PathStore::Writer build(*store);
    EXPECT_FALSE(ClearSlotPath(*store, 0, 5));
    EXPECT_TRUE(store->Busy());
}
