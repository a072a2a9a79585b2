// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the views draw from, besides their own settings: the scene the user-interface thread
// hands over whole, and the stores of the traced lines and particle paths.
#include <array>
#include <cstdint>

#include "field/field_snapshot.h"
#include "field/line_store.h"
#include "model/project.h"
#include "model/published.h"
#include "particle/particle_switches.h"
#include "particle/path_store.h"

namespace voltaris {

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
    int32_t activeTab = 0;
    std::array<bool, MaxChargesPerTab> chargeSelected{};
    ViewInteraction interaction;
    // The particle slots of the active tab (the top view draws their start markers, the path
    // build starts from them) and the switches of the particle.
    int32_t particleCount = 0;
    std::array<ParticleSlot, MaxParticleSlots> particleSlots{};
    ParticleSwitches switches;
    uint32_t modelEpoch = 0;  // see SharedScene
    // Grows with every hand-over: tells which edit a rebuilt surface or line set came from.
    uint64_t serial = 0;

    // Which line kinds a view shows: the 3D engine's thread traces those.
    bool EquipotentialsWanted = false;
    bool FieldLinesWanted = false;
};

// The user-interface thread's side of the hand-over. `range` is the process-wide value range
// (ComputeValueRange keeps part of it from one call to the next); the other fields are
// user-interface state that goes out with the next publish. The line switches are true while
// either view shows that kind of line; set them and request a redraw.
struct SharedScene {
    Published<SceneState> published;
    ValueRange range;
    ViewInteraction interaction;
    ParticleSwitches switches;
    bool EquipotentialsWanted = false;
    bool FieldLinesWanted = false;
    // Grows when an earlier state of the model is put back (undo, redo): what a path build
    // from an older epoch would write into the model belongs to a state that is gone.
    uint32_t modelEpoch = 0;
    uint64_t publishCount = 0;  // serial of the scene handed over last
};

// The scene of the project's active tab with the range and switches held in `shared`.
SceneState SceneOf(const Project& project, const SharedScene& shared);

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
    bool showAxisLabels = false;  // metre ticks on the axes (3D: the potential range too)
    bool showColourBar = false;   // top view: the colour ramp with its potentials
    int colourMode = 0;           // the ramp the view's surface is coloured with
};

}  // namespace voltaris
