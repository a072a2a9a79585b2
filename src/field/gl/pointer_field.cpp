#include "field/gl/pointer_field.h"

#include <GL/gl.h>

#include <cmath>

#include "engine/gl/arrow.h"
#include "field/kernels.h"

namespace voltaris {

namespace {

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

void DrawPointerField(const GraphEngine& engine, const SceneState& scene, float X, float H, float Z) {
    const bool topView = engine.isTopView;
    if (X > 0 && X < 10 && Z > 0 && Z < 10) DrawCrossHair(topView, X, H, Z);
    if (!engine.showFieldStrength) return;

    const float height = topView ? 0.1f : H;
    glColor3f(1, 0, 0);
    if (engine.showAllFieldStrengths) {
        for (int i = 0; i < scene.field.ChargeCount; ++i) {
            if (!DrawFieldArrow(scene, X, height, Z, FieldSources::Charge(i))) return;
        }
    }
    glColor3f(0, 0, 0);
    DrawFieldArrow(scene, X, height, Z, FieldSources::All());
}

}  // namespace voltaris
