#pragma once

namespace voltaris {

// The process-wide switches of the moving particle, owned by the user-interface thread; the
// path build gets them with the published scene.
struct ParticleSwitches {
    bool ParticleEnabled = false;
    bool BremsstrahlungEnabled = false;
    double BremsstrahlungFactor = 1.0;
    bool AcRunning = false;
    float AcChunkDuration = 1.8939e-8f;  // simulated seconds per phase step: 1 / (1.2 MHz x 44)
};

}  // namespace voltaris
