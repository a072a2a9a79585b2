#include "engine/gl/particle_start_markers.h"

#include <GL/gl.h>

#include <cmath>

#include "engine/gl/arrow.h"

namespace voltaris {

namespace {

constexpr float TwoDegrees = 0.0349065850398866f;
constexpr double FullTurn = 6.283185307179586;

// Red where a press moves the start, white where it turns the direction (and while it is
// being turned), black elsewhere.
void SetMarkerColour(const ParticleMarker& m, float px, float pz, float u, bool turning) {
    const float dx = m.x - px, dz = m.y - pz;
    const float d = std::sqrt(dx * dx + dz * dz);
    if (d < 0.3f * u && !turning) {
        glColor3f(1, 0, 0);
    } else if (d < 0.6f * u || turning) {
        glColor3f(1, 1, 1);
    } else {
        glColor3f(0, 0, 0);
    }
}

}  // namespace

void DrawParticleStartMarkers(const GraphEngine& engine, const SceneState& scene) {
    if (!engine.isTopView || !scene.particleEnabled) return;
    const float u = scene.field.unitLength;
    const float px = engine.pickedX * u, pz = engine.pickedZ * u;
    for (int k = 0; k < scene.particleCount; ++k) {
        const ParticleMarker& m = scene.particles[k];
        const float cx = m.x / u, cz = m.y / u;
        const float a = static_cast<float>(m.angle);
        const float s = std::sin(a), c = std::cos(a);
        SetMarkerColour(m, px, pz, u, scene.interaction.turningParticle);

        glBegin(GL_LINE_STRIP);
        for (float t = 0; t < FullTurn; t += TwoDegrees) {
            glVertex3f(cx + 0.3f * std::sin(t), 0.1f, cz + 0.3f * std::cos(t));
        }
        glEnd();
        // The diameter across the launch direction.
        glBegin(GL_LINES);
        glVertex3f(cx + 0.3f * s, 0.1f, cz - 0.3f * c);
        glVertex3f(cx - 0.3f * s, 0.1f, cz + 0.3f * c);
        glEnd();
        // The launch arrow through the centre, 0.3 beyond the circle's front.
        DrawArrow(cx - 0.3f * c, 0.1f, cz - 0.3f * s, cx + 0.6f * c, 0.1f, cz + 0.6f * s, 0.3f);
    }
}

}  // namespace voltaris
