#pragma once
// What the views draw from, besides their own settings: the scene the user-interface thread
// hands over whole, and the stores of the traced lines and particle paths.
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

    // What the 3D engine's thread rebuilds from: which line kinds a view shows, and the
    // particle slots of the active tab with the switches of the path build.
    bool EquipotentialsWanted = false;
    bool FieldLinesWanted = false;
    std::array<ParticleSlot, MaxParticleSlots> particleSlots{};
    bool BremsstrahlungEnabled = false;
    double BremsstrahlungFactor = 1.0;
    float AcChunkDuration = 1.8939e-8f;  // seconds integrated per alternating-voltage phase step
};

// The user-interface thread's side of the hand-over. `range` is the process-wide value range
// (ComputeValueRange keeps part of it from one call to the next); the other fields are
// user-interface state that goes out with the next publish. The line switches are true while
// either view shows that kind of line; set them and request a redraw.
struct SharedScene {
    Published<SceneState> published;
    ValueRange range;
    bool acRunning = false;
    bool particleEnabled = false;
    ViewInteraction interaction;
    bool EquipotentialsWanted = false;
    bool FieldLinesWanted = false;
    bool BremsstrahlungEnabled = false;
    double BremsstrahlungFactor = 1.0;
    float AcChunkDuration = 1.8939e-8f;
};

// The scene of the project's active tab with the range and switches held in `shared`.
SceneState SceneOf(const Project& project, const SharedScene& shared);

class LineStore;
class PathStore;

// The stores the 3D engine's thread rebuilds and both views draw: equipotential lines, field
// lines and particle paths.
struct TracedStores {
    LineStore& equipotentials;
    LineStore& fieldLines;
    PathStore& paths;
};

// The process-wide stores of the program, allocated on first use and kept until it ends.
TracedStores ProcessTracedStores();

// The kind of a view and its overlay switches, as one frame's drawing reads them.
struct ViewFlags {
    bool topView = false;
    bool showFieldStrength = false;      // arrows at the pointer: the total field
    bool showAllFieldStrengths = false;  // ... and one arrow per charge
    bool showEquipotentials = false;
    bool showFieldLines = false;
};

}  // namespace voltaris
