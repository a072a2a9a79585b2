// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/top_view_editing.h"

#include <cmath>
#include <numbers>

namespace voltaris {

namespace {

// Distance in metres from a point of the model to the picked graph point.
float MetresTo(float x, float y, float pickedX, float pickedZ, float u) {
    const float dx = x - pickedX * u;
    const float dy = y - pickedZ * u;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

void TopViewPress(Project& project, TopViewDrag& drag, float pickedX, float pickedZ, bool ctrl,
                  bool particleEnabled) {
    FieldTab& tab = project.Active();
    const float u = project.unitLength;
    drag.radiusDragCharge = -1;

    for (int i = 0; i < tab.ChargeCount; ++i) {
        if (!project.ChargeSelected[i]) continue;
        const Charge& c = tab.charges[i];
        const float gx = c.x / u - pickedX, gz = c.y / u - pickedZ;
        const float rim = std::fabs(std::sqrt(gx * gx + gz * gz) - c.radius / u);
        if (rim < 0.1f) {
            drag.radiusDragging = true;
            drag.radiusDragCharge = i;  // a later charge on its rim wins
        } else if (MetresTo(c.x, c.y, pickedX, pickedZ, u) < c.radius) {
            drag.movingCharges = true;
        } else if (!ctrl) {
            project.ChargeSelected[i] = false;
        }
    }
    for (int i = 0; i < tab.ChargeCount; ++i) {
        const Charge& c = tab.charges[i];
        if (MetresTo(c.x, c.y, pickedX, pickedZ, u) < c.radius) {
            project.ChargeSelected[i] = ctrl ? !project.ChargeSelected[i] : true;
        }
    }
    if (particleEnabled && tab.ParticleCount > 0) {
        const ParticleSlot& s = tab.particles[0];
        const float d = MetresTo(s.x, s.y, pickedX, pickedZ, u);
        if (d < 0.3f * u) {
            drag.movingParticle = true;
        } else {
            drag.movingParticle = false;
            drag.turningParticle = d < 0.6f * u;
        }
    }
    if (!drag.movingParticle && !drag.movingCharges && !drag.turningParticle && drag.radiusDragCharge < 0) {
        drag.panning2D = true;
    }
}

double LaunchAngleTowards(float x0, float y0, float x, float y) {
    const double dx = static_cast<double>(x0) - x;
    const double dz = static_cast<double>(y0) - y;
    // Level with the start the arrow lies along x, towards the mouse.
    if (dz == 0) return dx > 0 ? std::numbers::pi : 0.0;
    return -(std::atan(dx / dz) + (dz < 0 ? std::numbers::pi : 0.0) + std::numbers::pi / 2);
}

bool TopViewDragTo(Project& project, const TopViewDrag& drag, float pickedX, float pickedZ) {
    // No point under the mouse (it left the view and the frame has not picked anew since):
    // what is dragged waits where it is.
    if (pickedX < -99) return false;
    FieldTab& tab = project.Active();
    const float u = project.unitLength;
    const float x = pickedX * u, y = pickedZ * u;
    bool changed = false;
    if (tab.ParticleCount > 0) {
        ParticleSlot& s = tab.particles[0];
        if (drag.movingParticle) {
            s.x = x;
            s.y = y;
            changed = true;
        }
        if (drag.turningParticle) {
            s.angle = LaunchAngleTowards(s.x, s.y, x, y);
            changed = true;
        }
    }
    if (drag.movingCharges) {
        for (int i = 0; i < tab.ChargeCount; ++i) {
            if (!project.ChargeSelected[i]) continue;
            tab.charges[i].x = x;
            tab.charges[i].y = y;
        }
        changed = true;
    }
    return changed;
}

TopViewReleaseEffect TopViewRelease(Project& project, TopViewDrag& drag, float pickedX, float pickedZ) {
    drag.turningParticle = drag.movingParticle = drag.movingCharges = drag.panning2D = false;
    TopViewReleaseEffect effect;
    if (!drag.radiusDragging) effect.refreshTable = true;
    FieldTab& tab = project.Active();
    if (drag.radiusDragCharge != -1 && drag.radiusDragging) {
        drag.radiusDragging = false;
        if (drag.radiusDragCharge < tab.ChargeCount && pickedX >= -99) {
            Charge& c = tab.charges[drag.radiusDragCharge];
            c.radius = MetresTo(c.x, c.y, pickedX, pickedZ, project.unitLength);
        }
        effect.refreshTable = effect.redraw = true;
    }
    return effect;
}

}  // namespace voltaris
