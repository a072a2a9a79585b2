// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/view_transform.h"

#include <cmath>

namespace voltaris {

namespace {

Vec3 Sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec3 Normalised(const Vec3& v) {
    const float length = std::sqrt(Dot(v, v));
    if (length == 0) return v;
    return {v[0] / length, v[1] / length, v[2] / length};
}

// The camera's axes as gluLookAt builds them: side, true up and backwards (eye-space x, y, z).
struct CameraAxes {
    Vec3 side, up, back;
};

CameraAxes AxesOf(const ViewCamera& c) {
    const Vec3 forward = Normalised(Sub(c.centre, c.eye));
    const Vec3 side = Normalised(Cross(forward, c.up));
    const Vec3 up = Cross(side, forward);
    return {side, up, {-forward[0], -forward[1], -forward[2]}};
}

}  // namespace

Vec3 ZoomPivotShift(const ViewCamera& c) {
    Vec3 shift{};
    bool neutral = true;
    for (int i = 0; i < 3; ++i) neutral = neutral && c.scale[i] == NeutralZoomScale;
    if (neutral) return shift;  // the start picture stays exactly as it always was
    // The pan moves the picture in eye space; the point at the panel centre is the look-at
    // centre moved back by it.
    const CameraAxes a = AxesOf(c);
    for (int i = 0; i < 3; ++i) {
        const float pivot = c.centre[i] - c.pan[0] * a.side[i] - c.pan[1] * a.up[i] - c.pan[2] * a.back[i];
        shift[i] = pivot * (1 - c.scale[i] / NeutralZoomScale);
    }
    return shift;
}

Vec3 EyeSpacePoint(const ViewCamera& c, const Vec3& p) {
    // The turn about the vertical line through (5, 0, 5): the user's rotation plus a quarter.
    constexpr float Pi = 3.14159265358979f;
    const float angle = (static_cast<float>(c.rotationDeg) + 90.0f) * Pi / 180.0f;
    const float dx = p[0] - 5, dz = p[2] - 5;
    const Vec3 turned{5 + std::cos(angle) * dx + std::sin(angle) * dz, p[1],
                      5 - std::sin(angle) * dx + std::cos(angle) * dz};
    const Vec3 shift = ZoomPivotShift(c);
    Vec3 scene;
    for (int i = 0; i < 3; ++i) scene[i] = turned[i] * c.scale[i] + shift[i];
    const CameraAxes a = AxesOf(c);
    const Vec3 fromEye = Sub(scene, c.eye);
    return {Dot(a.side, fromEye) + c.pan[0], Dot(a.up, fromEye) + c.pan[1], Dot(a.back, fromEye) + c.pan[2]};
}

}  // namespace voltaris
