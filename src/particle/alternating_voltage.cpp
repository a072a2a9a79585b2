// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/alternating_voltage.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "field/kernels.h"
#include "model/number_format.h"
#include "particle/path_store.h"

namespace voltaris {

float AcChunkDurationOf(int kiloHertz) {
    return static_cast<float>(1.0 / (kiloHertz * 0.001 * 1000000 * AcStepsPerPeriod));
}

std::string FrequencyText(int kiloHertz) { return FormatShownNumber(kiloHertz * 0.001, 15) + "MHz"; }

float AcPhaseFactor(int32_t phase) {
    return static_cast<float>(std::sin(phase * 2 * Pi / AcStepsPerPeriod) + AcPhaseOffset);
}

void AlternatingVoltage::Start(Project& project, ParticleSwitches& switches, int32_t& phaseCounter, PathStore& store) {
    ring_.Reset();
    phaseCounter = AcStartPhase;
    ClearSlotPath(store, 0);
    const FieldTab& tab = project.Active();
    savedTab_ = project.ActiveTab;
    savedCharges_ = std::clamp(tab.ChargeCount, 0, MaxChargesPerTab);
    for (int i = 0; i < savedCharges_; ++i) charges_[i] = static_cast<float>(tab.charges[i].amount);
    // Every slot, used or not: the run writes slot 0's time step even on a tab without particle.
    for (int p = 0; p < MaxParticleSlots; ++p) {
        const ParticleSlot& s = tab.particles[p];
        slots_[p] = SavedSlot{s.speed, s.angle, s.dt, s.x, s.y};
    }
    maxSpeed_ = 0;
    switches.AcRunning = true;
    project.Active().particles[0].dt = AcStepFraction * switches.AcChunkDuration;
}

void AlternatingVoltage::Stop(Project& project, ParticleSwitches& switches) {
    switches.AcRunning = false;
    // A model replaced or a tab left without the stop has nothing of this run to restore.
    if (savedTab_ != project.ActiveTab) return;
    PutBackInto(savedTab_, project.Active());
    savedTab_ = -1;
}

void AlternatingVoltage::PutBackInto(int32_t index, FieldTab& tab) const {
    if (index != savedTab_) return;
    const int charges = std::min(savedCharges_, tab.ChargeCount);
    for (int i = 0; i < charges; ++i) tab.charges[i].amount = charges_[i];
    for (int p = 0; p < MaxParticleSlots; ++p) {
        ParticleSlot& s = tab.particles[p];
        s.speed = slots_[p].speed;
        s.angle = slots_[p].angle;
        s.dt = slots_[p].dt;
        s.x = slots_[p].x;
        s.y = slots_[p].y;
    }
}

void AlternatingVoltage::ScaleCharges(Project& project, int32_t phaseCounter) const {
    if (savedTab_ != project.ActiveTab) return;
    const float factor = AcPhaseFactor(phaseCounter);
    FieldTab& tab = project.Active();
    // A charge added during the run has no saved amount and keeps its own.
    const int charges = std::min(savedCharges_, tab.ChargeCount);
    // Both factors are single precision; their product is exact in double.
    for (int i = 0; i < charges; ++i) tab.charges[i].amount = static_cast<double>(factor) * charges_[i];
}

bool ClearSlotPath(PathStore& store, int slot, int capMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(capMs);
    for (;;) {
        const PathStore::Writer writer(store);
        if (writer.Started()) {
            BeginPathBuild(writer, true).slots[slot].PathFloatCount = 0;
            writer.Publish();
            return true;
        }
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace voltaris
