// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/particle_parameters.h"

#include <cmath>

#include "model/number_format.h"
#include "model/project.h"

namespace voltaris {

std::string PresetChargeText(ParticlePreset preset, bool unitsInElementaryCharges) {
    const double shown = unitsInElementaryCharges ? preset.chargeInE : preset.chargeInE * ElementaryCharge;
    return FormatShownNumber(shown, 3);
}

std::string PresetMassText(ParticlePreset preset) { return FormatShownNumber(preset.mass, 3); }

std::string ChargeBoxText(double coulomb, bool unitsInElementaryCharges) {
    return FormatShownNumber(unitsInElementaryCharges ? coulomb / ElementaryCharge : coulomb, 2);
}

std::string MassBoxText(double kilogram) { return FormatShownNumber(kilogram, 3); }

double ChargeFromBox(const std::string& text, bool unitsInElementaryCharges) {
    return ParseTypedNumber(text) * (unitsInElementaryCharges ? static_cast<double>(ElementaryCharge) : 1.0);
}

double MassFromBox(const std::string& text) { return ParseTypedNumber(text); }

std::optional<std::string> WithoutConfirmationKey(const std::string& text) {
    std::string lower;
    bool found = false;
    for (char c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == 'y') {
            found = true;
            continue;
        }
        lower += c;
    }
    if (!found) return std::nullopt;
    return lower;
}

std::string SpecificChargeValueText(double charge, double mass, bool unitsInElementaryCharges) {
    const double value = unitsInElementaryCharges ? charge / (mass * ElementaryCharge) : charge / mass;
    return FormatShownNumber(value, 3) + (unitsInElementaryCharges ? " e/kg" : " C/kg");
}

std::string SpeedText(const std::string& caption, double speed) { return caption + FormatShownNumber(speed, 3) + " m/s"; }

double RecomputeDt(double speed) { return speed == 0 ? 6.36e-9 : 0.003 / speed; }

int SliderPosition(double value, int minimum, int maximum) {
    if (!(value >= minimum)) return minimum;  // also a value that is not a number
    if (value >= maximum) return maximum;
    return static_cast<int>(std::trunc(value));
}

}  // namespace voltaris
