// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "model/number_format.h"
#include "model/project.h"
#include "particle/particle_parameters.h"

using namespace voltaris;

TEST(ParticleParameters, PresetsAreReadBackThroughTheirThreeDigitTexts) {
    EXPECT_EQ(PresetChargeText(ElectronPreset, false), "-1,6E-19");
    EXPECT_EQ(PresetMassText(ElectronPreset), "9,11E-31");
    const double charge = ChargeFromBox(PresetChargeText(ElectronPreset, false), false);
    const double mass = MassFromBox(PresetMassText(ElectronPreset));
    EXPECT_DOUBLE_EQ(charge, -1.6e-19);
    EXPECT_DOUBLE_EQ(mass, 9.11e-31);
    EXPECT_EQ(SpecificChargeValueText(charge, mass, false), "-1,76E11 C/kg");

    // In elementary charges the box shows the count and the slot gets it times e.
    EXPECT_EQ(PresetChargeText(HeliumNucleusPreset, true), "2");
    EXPECT_DOUBLE_EQ(ChargeFromBox("2", true), 2 * static_cast<double>(ElementaryCharge));
    EXPECT_EQ(PresetMassText(HeliumNucleusPreset), "6,64E-27");
    EXPECT_EQ(PresetChargeText(PositronPreset, false), "1,6E-19");
    EXPECT_EQ(PresetMassText(HydrogenNucleusPreset), "1,66E-27");
}

TEST(ParticleParameters, TheConfirmationKeyIsTakenOutOfTheText) {
    EXPECT_EQ(WithoutConfirmationKey("2e-19y"), "2e-19");
    EXPECT_EQ(WithoutConfirmationKey("2E-19Y"), "2e-19");
    EXPECT_EQ(WithoutConfirmationKey("y1,5yy"), "1,5");
    // Without the key the text stays as typed, capitals included.
    EXPECT_FALSE(WithoutConfirmationKey("1,2E5").has_value());
    EXPECT_DOUBLE_EQ(ChargeFromBox("1,2e5", false), 1.2e5);
    EXPECT_THROW(ChargeFromBox("abc", false), ConversionError);
    EXPECT_THROW(MassFromBox("9.1E-31"), ConversionError);  // a point is no decimal separator
}

TEST(ParticleParameters, SliderPositionsAreWholeNumbersInsideTheRange) {
    EXPECT_EQ(SliderPosition(5000000, SpeedSliderMin, SpeedSliderMax), 3000000);
    EXPECT_EQ(SliderPosition(500000.7, SpeedSliderMin, SpeedSliderMax), 500000);
    EXPECT_EQ(SliderPosition(-5, SpeedSliderMin, SpeedSliderMax), 0);
    EXPECT_EQ(SliderPosition(100, StepsSliderMin, StepsSliderMax), 4000);
    EXPECT_EQ(SliderPosition(2e6, StepsSliderMin, StepsSliderMax), 1000000);
    EXPECT_EQ(SliderPosition(std::nan(""), StepsSliderMin, StepsSliderMax), 4000);
    EXPECT_EQ(SpeedText("Momentangeschwindigkeit: ", 500000), "Momentangeschwindigkeit: 5E5 m/s");
}
