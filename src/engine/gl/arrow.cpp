#include "engine/gl/arrow.h"

#include <GL/gl.h>

#include <cmath>

namespace voltaris {

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

}  // namespace voltaris
