// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voltaris {

// The process-wide switches of the moving particle, owned by the user-interface thread; the
// path build gets them with the published scene. Declared here only: the shared scene, the
// published scene and the path build's inputs each carry this one member.
struct ParticleSwitches {
    bool ParticleEnabled = false;
    bool BremsstrahlungEnabled = false;
    double BremsstrahlungFactor = 1.0;
    bool AcRunning = false;
    float AcChunkDuration = 1.8939e-8f;  // simulated seconds per phase step: 1 / (1.2 MHz x 44)

    bool operator==(const ParticleSwitches&) const = default;
};

}  // namespace voltaris
