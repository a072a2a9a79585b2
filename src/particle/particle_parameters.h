// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace voltaris {

// A particle to pick with one click: its charge in elementary charges and its mass.
struct ParticlePreset {
    float chargeInE;
    float mass;  // kg
};
constexpr ParticlePreset ElectronPreset{-1, 9.109e-31f};
constexpr ParticlePreset PositronPreset{1, 9.109e-31f};
constexpr ParticlePreset HydrogenNucleusPreset{1, 1.66e-27f};
constexpr ParticlePreset HeliumNucleusPreset{2, 6.64e-27f};

// Ranges of the speed and step sliders.
constexpr int SpeedSliderMin = 0, SpeedSliderMax = 3000000;
constexpr int StepsSliderMin = 4000, StepsSliderMax = 1000000;

// The charge and mass box texts a preset writes (3 significant digits); the slot then takes
// the numbers read back from them, so an electron gets -1.6e-19 C and 9.11e-31 kg.
std::string PresetChargeText(ParticlePreset preset, bool unitsInElementaryCharges);
std::string PresetMassText(ParticlePreset preset);

// The charge box as the panel refresh fills it: coulomb or multiples of e, 2 digits.
std::string ChargeBoxText(double coulomb, bool unitsInElementaryCharges);
std::string MassBoxText(double kilogram);

// The coulomb a charge-box text stands for, and the kilogram of a mass-box text. Throw
// ConversionError for a text that is no number.
double ChargeFromBox(const std::string& text, bool unitsInElementaryCharges);
double MassFromBox(const std::string& text);

// A box text after a keystroke: when it holds the confirmation key "y" (either case), the
// text lower-cased without any "y"; nothing when there is none.
std::optional<std::string> WithoutConfirmationKey(const std::string& text);

// The specific charge charge / mass with its unit: "-1,76E11 C/kg", or in e/kg.
std::string SpecificChargeValueText(double charge, double mass, bool unitsInElementaryCharges);

// Caption + value with 3 digits + " m/s", for the speed labels and readouts.
std::string SpeedText(const std::string& caption, double speed);

// Time step that moves the particle 3 mm per step at its start speed (6.36e-9 s at rest).
double RecomputeDt(double speed);

// Where a slider stands for a slot value: the whole number, limited to the slider's range
// (a value that is not a number counts as the minimum).
int SliderPosition(double value, int minimum, int maximum);

}  // namespace voltaris
