// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "model/project.h"
#include "particle/particle_switches.h"
#include "particle/speed_ring.h"

namespace voltaris {

class PathStore;  // declared only, see slow_motion.h

constexpr int AcStepsPerPeriod = 44;
constexpr int AcStartPhase = 11;  // a quarter period: the voltage starts at its maximum
// Added to the sine so that the charges never vanish completely (at phase 0 and 22 they keep
// a hundredth of their amount).
constexpr double AcPhaseOffset = 0.01;
// Slot 0's time step during a run, as a fraction of a phase step: about 250 integration
// steps per phase step.
constexpr double AcStepFraction = 0.004;

// Simulated seconds of one phase step at a frequency of `kiloHertz` (the slider position):
// 1 / (f AcStepsPerPeriod), f in Hz; 1.8939e-8 s at 1.2 MHz.
float AcChunkDurationOf(int kiloHertz);
// The frequency of the slider position in MHz with its unit: "1,2MHz" for 1200 kHz.
std::string FrequencyText(int kiloHertz);
// Factor on every charge at phase step n, a float32:
//   s(n) = sin(2 pi n / AcStepsPerPeriod) + AcPhaseOffset = sin(2 pi n / 44) + 0.01,
// dimensionless; a phase step lasts AcChunkDuration seconds of simulated time.
float AcPhaseFactor(int32_t phase);

// An alternating-voltage run on the active tab: what it saves at the start, scales at every
// phase step and puts back at the stop, with its speed diagram. User-interface thread only.
class AlternatingVoltage {
public:
    // Saves the charges (as 32-bit floats) and the particle slots of the active tab, sets the
    // phase counter to a quarter period, empties slot 0's path and gives slot 0 a time step of
    // a 250th of a phase step.
    void Start(Project& project, ParticleSwitches& switches, int32_t& phaseCounter, PathStore& store);
    // Puts the saved charges and particle state back; the run is over.
    void Stop(Project& project, ParticleSwitches& switches);
    // Puts into `tab` what the stop would put back, when the run works on tab `index`: how
    // the tab rests apart from the run.
    void PutBackInto(int32_t index, FieldTab& tab) const;
    // Every charge of the active tab := its saved amount x the factor of the current phase.
    void ScaleCharges(Project& project, int32_t phaseCounter) const;
    // After a phase step: slot 0's speed into the diagram ring.
    void RecordSpeed(float speed) { ring_.Push(speed); }
    // The highest speed of the run so far, raised to `speed` when that is higher.
    float RaiseMaxSpeed(float speed) {
        if (speed > maxSpeed_) maxSpeed_ = speed;
        return maxSpeed_;
    }

    const SpeedRing& Ring() const { return ring_; }
    float MaxSpeed() const { return maxSpeed_; }

private:
    struct SavedSlot {
        double speed = 0, angle = 0, dt = 0;
        float x = 0, y = 0;
    };
    int32_t savedTab_ = -1;
    int32_t savedCharges_ = 0;
    std::array<float, MaxChargesPerTab> charges_{};
    std::array<SavedSlot, MaxParticleSlots> slots_{};
    SpeedRing ring_;
    float maxSpeed_ = 0;
};

// Publishes slot `slot`'s path as empty, keeping the other slots' paths. Waits (at most
// `capMs`) for a build in progress to end; gives up after that.
bool ClearSlotPath(PathStore& store, int slot, int capMs = 1000);

}  // namespace voltaris
