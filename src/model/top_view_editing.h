// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "model/project.h"

namespace voltaris {

// What a left press in the top view has grabbed, until the button is released.
struct TopViewDrag {
    bool radiusDragging = false;     // a selected charge's rim: the release sets its radius
    int32_t radiusDragCharge = -1;   // which charge; kept after the release until the next press
    bool movingCharges = false;      // the selected charges follow the mouse
    bool movingParticle = false;     // slot 0's start point follows the mouse
    bool turningParticle = false;    // slot 0's launch direction follows the mouse
    bool panning2D = false;          // nothing was grabbed: the view pans

    bool GrabbedSomething() const { return movingCharges || movingParticle || turningParticle || radiusDragging; }
};

// All functions take the point picked under the mouse (graph units) and work on the active
// tab. Grabbing uses graph-unit distances: 0.1 from a selected charge's rim, 0.3 from the
// particle start (move), 0.6 (turn); inside a charge is its sphere.

// Left button down. A press on a selected charge's rim starts a radius drag; inside a
// selected charge the selection moves; a press inside any charge selects it (Ctrl toggles);
// without Ctrl, selected charges not under the mouse lose their mark. With the particle
// switched on, its start is moved or turned. Anything else pans.
void TopViewPress(Project& project, TopViewDrag& drag, float pickedX, float pickedZ, bool ctrl,
                  bool particleEnabled);

// The mouse moved to the picked point while the button is held: moves the particle start,
// turns its launch direction, and moves every selected charge onto the point. True when the
// model changed; without a point (pickedX below -99) nothing moves.
bool TopViewDragTo(Project& project, const TopViewDrag& drag, float pickedX, float pickedZ);

// What a release asks of the window.
struct TopViewReleaseEffect {
    bool refreshTable = false;
    bool redraw = false;
};

// Any button up: ends the drags; a radius drag gives its charge the distance from the centre
// to the picked point as its radius (without a point the radius stays).
TopViewReleaseEffect TopViewRelease(Project& project, TopViewDrag& drag, float pickedX, float pickedZ);

// The launch angle (radians) that points from the start (x0, y0) towards (x, y), metres.
double LaunchAngleTowards(float x0, float y0, float x, float y);

}  // namespace voltaris
