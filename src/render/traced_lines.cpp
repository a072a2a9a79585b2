// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/traced_lines.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "field/kernels.h"
#include "field/line_store.h"
#include "particle/path_store.h"
#include "render/markers.h"

namespace voltaris {

namespace {

// Lines lie 0.1 above the surface in the 3D view and flat at 0.1 in the top view.
float LineHeight(bool topView, float potential, float heightScale) {
    return topView ? 0.1f : potential * heightScale + 0.1f;
}

void DrawStrip(const float* p, int floats, bool topView, float heightScale) {
    glBegin(GL_LINE_STRIP);
    for (int k = 0; k + 2 < floats; k += 3) glVertex3f(p[k], LineHeight(topView, p[k + 1], heightScale), p[k + 2]);
    glEnd();
}

void DrawLineStore(const LineStore& store, bool topView, float heightScale) {
    store.Read([&](const LineSet& lines) {
        for (int s = 0; s <= lines.Last(); ++s) DrawStrip(lines.Points(s), lines.Count(s), topView, heightScale);
    });
}

// The force on the particle at the marker point (graph gx, gz) from `sources`: an arrow
// E * unitLength graph units long, the potential drop across one graph unit.
void DrawForceArrow(const FieldSnapshot& field, float gx, float height, float gz, FieldSources sources,
                    FieldSense sense) {
    const float u = field.unitLength;
    const float px = gx * u, py = gz * u;
    double angle = 0;
    const double e = FieldAt(field, px, py, angle, sources, sense);
    const float dx = static_cast<float>(std::cos(angle) * u * e);
    const float dy = static_cast<float>(std::sin(angle) * u * e);
    const float endX = (px + dx * u) / u, endZ = (py + dy * u) / u;
    DrawArrow(gx, height, gz, endX, height, endZ, 0.25f * std::sqrt(dx * dx + dy * dy));
}

void DrawMarkerForces(const SceneState& scene, const float* p, int m, double particleCharge, bool topView) {
    const FieldSnapshot& field = scene.field;
    const FieldSense sense = field.SignFactor * particleCharge < 0 ? FieldSense::Reversed : FieldSense::AsIs;
    const float height = LineHeight(topView, p[m + 1], scene.range.HeightScale);
    glColor4f(1, 0, 0, 1);
    for (int i = 0; i < field.ChargeCount; ++i) {
        DrawForceArrow(field, p[m], height, p[m + 2], FieldSources::Charge(i), sense);
    }
    glColor4f(0, 0, 0, 1);
    DrawForceArrow(field, p[m], height, p[m + 2], FieldSources::All(), sense);
}

void DrawParticlePaths(const SceneState& scene, const PathStore& store, bool topView) {
    const float heightScale = scene.range.HeightScale;
    store.Read([&](const PathSet& paths) {
        for (int j = 0; j < scene.particleCount && j < MaxParticleSlots; ++j) {
            const PathSlot& path = paths.slots[j];
            const int playback = store.PlaybackIndex[j];
            // A playback position beyond the stored points shows the whole path, no further.
            const int stored = std::clamp(path.PathFloatCount, 0, PathFloatCapacity);
            const int shown = playback == -1 ? stored : std::clamp(3 * playback, 0, stored);
            glColor4f(0.4f, 0, 1, 1);
            DrawStrip(path.PathPoints.data(), shown, topView, heightScale);
            if (playback >= 1 && shown >= 3) {
                DrawMarkerForces(scene, path.PathPoints.data(), shown - 3, scene.particleSlots[j].charge, topView);
            }
        }
    });
}

}  // namespace

void DrawTracedLines(const ViewFlags& view, const SceneState& scene, const TracedStores& stores) {
    const bool topView = view.topView;
    if (scene.switches.ParticleEnabled) DrawParticlePaths(scene, stores.paths, topView);
    if (view.showEquipotentials) {
        glColor4f(1, 0, 0, 1);
        DrawLineStore(stores.equipotentials, topView, scene.range.HeightScale);
    }
    if (view.showFieldLines) {
        glColor4f(0, 0, 0, 1);
        DrawLineStore(stores.fieldLines, topView, scene.range.HeightScale);
    }
}

}  // namespace voltaris
