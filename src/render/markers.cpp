// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/markers.h"

#include <GL/gl.h>

#include <cmath>

#include "field/kernels.h"

namespace voltaris {

namespace {

constexpr float TwoDegrees = 0.03490658503988659f;
constexpr double FullTurn = 6.283185307179586;

// One circle of radius rho metres around the charge's centre, flat at height 0.1; the
// caller has begun the primitive.
void CircleVertices(float x, float y, float rho, float u) {
    for (float a = 0; a < FullTurn; a += TwoDegrees) {
        glVertex3f((x + std::sin(a) * rho) / u, 0.1f, (y + std::cos(a) * rho) / u);
    }
}

// Red where a press moves the start, white where it turns the direction (and while it is
// being turned), black elsewhere.
void SetMarkerColour(const ParticleSlot& m, float px, float pz, float u, bool turning) {
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

void DrawCrossHair(bool topView, float X, float H, float Z) {
    glLineWidth(1);
    glBegin(GL_LINE_STRIP);
    glColor3f(1, 0, 0);
    if (topView) {
        // An L from the z axis to the pointer and on to the x axis (both one unit outside).
        glVertex3f(-1, 0.1f, Z);
        glVertex3f(X, 0.1f, Z);
        glVertex3f(X, 0.1f, -1);
        glVertex3f(X, 0.1f, -1);
        glVertex3f(X, 0.1f, -1);
    } else {
        // Lines at the pointer's height to both axis walls, dropping to the floor there.
        glVertex3f(-1, H, -1);
        glVertex3f(-1, H, Z);
        glVertex3f(-1, 0, Z);
        glVertex3f(-1, H, Z);
        glVertex3f(X, H, Z);
        glVertex3f(X, H, -1);
        glVertex3f(X, 0, -1);
        glVertex3f(X, H, -1);
        glVertex3f(-1, H, -1);
    }
    glEnd();
}

// One arrow of length 5 * E / MaxFieldStrength; false when that length is 0, which ends the
// pointer's arrows (the pointer lies inside the sphere of the charge in turn). Without a
// usable normaliser (no field anywhere on the tab) the length counts as 0 too.
bool DrawFieldArrow(const SceneState& scene, float X, float H, float Z, FieldSources sources) {
    const float u = scene.field.unitLength;
    double angle = 0;
    const double e = FieldAt(scene.field, X * u, Z * u, angle, sources);
    const float maxField = scene.range.MaxFieldStrength;
    const float length = maxField > 0 ? static_cast<float>(5 * e / maxField) : 0.0f;
    if (length == 0 || !std::isfinite(length)) return false;
    const float dx = static_cast<float>(std::cos(angle)) * length;
    const float dz = static_cast<float>(std::sin(angle)) * length;
    DrawArrow(X, H, Z, X + dx, H, Z + dz, 0.25f * std::sqrt(dx * dx + dz * dz));
    return true;
}

}  // namespace

void DrawArrow(float ax, float ay, float az, float bx, float by, float bz, float head) {
    glBegin(GL_LINES);
    glVertex3f(ax, ay, az);
    glVertex3f(bx, by, bz);
    glEnd();

    constexpr float sixth = 3.14159265358979f / 6;
    constexpr float quarter = 3.14159265358979f / 2;
    float dx = bx - ax;
    if (dx == 0) dx = 0.1f;  // a head along z: any finite angle whose sign gives +z or -z
    const float dz = bz - az;
    const float phi = std::atan(dz / dx);
    const float sigma = bx - ax >= 0 ? 1.0f : -1.0f;
    const float p1x = bx - std::cos(phi + sixth) * head * sigma;
    const float p1z = bz - std::sin(phi + sixth) * head * sigma;
    const float p2x = p1x - std::cos(quarter - phi) * head * sigma;
    const float p2z = p1z + std::sin(quarter - phi) * head * sigma;
    glBegin(GL_TRIANGLES);
    glVertex3f(bx, by, bz);
    glVertex3f(p1x, by, p1z);
    glVertex3f(p2x, by, p2z);
    glEnd();
}

void DrawChargeMarkers(const SceneState& scene, float X, float Z, bool topView) {
    if (!topView) return;
    const FieldSnapshot& f = scene.field;
    const float u = f.unitLength;
    const float px = X * u, pz = Z * u;
    const ViewInteraction& drag = scene.interaction;
    // A selected charge is drawn twice: its disc, then (with this flag set) its ring.
    bool ringNext = false;
    for (int i = 0; i < f.ChargeCount; ++i) {
        do {
            const float dx = f.x[i] - px, dz = f.y[i] - pz;
            const float d = std::sqrt(dx * dx + dz * dz);
            const float r = f.radius[i];
            if ((d < r || scene.chargeSelected[i]) && !ringNext) {
                if (scene.chargeSelected[i]) ringNext = true;
                glColor3f(0, 0, 1);
                glBegin(GL_TRIANGLE_FAN);
            } else if (ringNext) {
                ringNext = false;
                glLineWidth(2);
                // Red while the pointer is on the rim, where a press starts a radius drag.
                if (std::fabs(d - r) < 0.1f * u) {
                    glColor3f(1, 0, 0);
                } else {
                    glColor3f(1, 1, 1);
                }
                glBegin(GL_LINE_STRIP);
            } else {
                glColor3f(0, 0, 0);
                glBegin(GL_LINE_STRIP);
            }
            const bool dragged = drag.radiusDragging && i == drag.radiusDragCharge;
            CircleVertices(f.x[i], f.y[i], dragged ? d : r, u);
            glEnd();
            glLineWidth(1);
        } while (ringNext);
    }
}

void DrawParticleStartMarkers(const SceneState& scene, float X, float Z, bool topView) {
    if (!topView || !scene.switches.ParticleEnabled) return;
    const float u = scene.field.unitLength;
    const float px = X * u, pz = Z * u;
    for (int k = 0; k < scene.particleCount; ++k) {
        const ParticleSlot& m = scene.particleSlots[k];
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

void DrawPointerField(const ViewFlags& view, const SceneState& scene, float X, float H, float Z) {
    const bool topView = view.topView;
    if (X > 0 && X < 10 && Z > 0 && Z < 10) DrawCrossHair(topView, X, H, Z);
    if (!view.showFieldStrength) return;

    const float height = topView ? 0.1f : H;
    glColor3f(1, 0, 0);
    if (view.showAllFieldStrengths) {
        for (int i = 0; i < scene.field.ChargeCount; ++i) {
            if (!DrawFieldArrow(scene, X, height, Z, FieldSources::Charge(i))) return;
        }
    }
    glColor3f(0, 0, 0);
    DrawFieldArrow(scene, X, height, Z, FieldSources::All());
}

}  // namespace voltaris
