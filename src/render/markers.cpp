#include "render/markers.h"

#include <GL/gl.h>

#include <cmath>

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

}  // namespace

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

}  // namespace voltaris
