#pragma once
#include <array>
#include <cstdint>

#include "field/field_snapshot.h"
#include "model/project.h"
#include "model/published.h"

namespace voltaris {

// Start marker of a particle slot as the top view draws it.
struct ParticleMarker {
    float x = 0, y = 0;  // start position, metres
    double angle = 0;    // launch direction, radians
    double charge = 0;   // coulomb (sign decides the direction of the force arrows)
};

// Top-view mouse state that the drawing shows (radius drag, particle turning).
struct ViewInteraction {
    bool radiusDragging = false;
    int32_t radiusDragCharge = -1;
    bool turningParticle = false;
};

// Everything the frame threads draw from, handed over whole by the user-interface thread.
// Fixed size, no heap: a frame copies it without allocating.
struct SceneState {
    FieldSnapshot field;  // charges of the active tab with SignFactor and unitLength
    ValueRange range;     // value range as of the last redraw request
    bool acRunning = false;  // an alternating-voltage run is in progress
    int32_t activeTab = 0;
    std::array<bool, MaxChargesPerTab> chargeSelected{};
    bool particleEnabled = false;
    int32_t particleCount = 0;
    std::array<ParticleMarker, MaxParticleSlots> particles{};
    ViewInteraction interaction;
};

// The user-interface thread's side of the hand-over. `range` is the process-wide value range
// (ComputeValueRange keeps part of it from one call to the next); `particleEnabled`,
// `interaction` and `acRunning` are user-interface state that goes out with the next publish.
struct SharedScene {
    Published<SceneState> published;
    ValueRange range;
    bool acRunning = false;
    bool particleEnabled = false;
    ViewInteraction interaction;
};

// The scene of the project's active tab with the range and switches held in `shared`.
SceneState SceneOf(const Project& project, const SharedScene& shared);

}  // namespace voltaris
