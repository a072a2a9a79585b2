// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/view_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "field/surface_mesh.h"
#include "render/view_transform.h"

namespace voltaris {

namespace {

constexpr double TanHalfFieldOfView = 0.41421356237309503;  // tan(22.5 deg), the views' 45 deg
constexpr double NearPlane = 0.1, FarPlane = 100;
// The surface's outermost points stay this fraction of the half panel inside its edges.
constexpr double FitShare = 0.92;
constexpr double Unbounded = std::numeric_limits<double>::infinity();

ViewCamera CameraOf(const GraphEngine& e) {
    ViewCamera c;
    c.eye = {e.eyeX, e.eyeY, e.eyeZ};
    c.centre = {e.centreX, e.centreY, e.centreZ};
    c.up = {e.upX, e.upY, e.upZ};
    c.pan = {e.panX, e.panY, e.panZ};
    c.scale = {NeutralZoomScale, NeutralZoomScale, NeutralZoomScale};
    c.rotationDeg = e.rotationDeg;
    return c;
}

// The largest k for which k * a <= bound * (d - k * b) holds, i.e. k * (a + bound * b) <= bound * d.
double Limit(double a, double b, double bound, double d) {
    const double denominator = a + bound * b;
    return denominator > 0 ? bound * d / denominator : Unbounded;
}

// Each point of the surface, in eye space at the neutral zoom, relative to the point the
// camera looks at; shifting the look-at height by h moves every one by h * lift.
struct FitProblem {
    std::vector<Vec3> offsets;
    Vec3 lift{};
    double distance = 0;                         // eye to look-at point
    double tanX = 0, tanY = TanHalfFieldOfView;  // half extents of the panel at unit depth

    // The largest magnification (over the neutral zoom) that keeps every point inside the
    // panel and between the clipping planes, with the look-at point raised by h.
    double LargestZoom(double h) const {
        double k = Unbounded;
        const double bx = FitShare * tanX, by = FitShare * tanY, d = distance;
        for (const Vec3& o : offsets) {
            const double x = o[0] + h * lift[0], y = o[1] + h * lift[1], z = o[2] + h * lift[2];
            // Eye-space point at zoom k: (k x, k y, -d + k z), seen at depth d - k z.
            k = std::min({k, Limit(x, z, bx, d), Limit(-x, z, bx, d), Limit(y, z, by, d), Limit(-y, z, by, d)});
            if (z > 0) k = std::min(k, (d - NearPlane) / z);
            if (z < 0) k = std::min(k, (FarPlane - d) / -z);
        }
        return k;
    }
};

}  // namespace

void ResetView(GraphEngine& view) { ApplyStartCamera(view, view.isTopView ? EngineView::TopView : EngineView::ThreeD); }

bool FitView3D(GraphEngine& view, const SceneState& scene, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    SurfaceMesh mesh;
    SurfaceSettings settings;
    settings.gridStep = view.gridStep;
    GenerateSurface(scene.field, scene.range, settings, mesh);
    if (mesh.xyz.empty()) return false;

    ViewCamera camera = CameraOf(view);
    const Vec3 toEye{camera.eye[0] - camera.centre[0], camera.eye[1] - camera.centre[1],
                     camera.eye[2] - camera.centre[2]};
    FitProblem problem;
    problem.distance = std::sqrt(toEye[0] * toEye[0] + toEye[1] * toEye[1] + toEye[2] * toEye[2]);
    if (!(problem.distance > NearPlane)) return false;
    problem.tanX = TanHalfFieldOfView * width / height;

    // Measured from the look-at point at height 0; the look-at point is the pivot of the zoom.
    camera.centre[1] = 0;
    camera.eye[1] = toEye[1];
    const Vec3 axisPoint{0, 0, static_cast<float>(-problem.distance)};
    float lowest = Unbounded, highest = -Unbounded;
    problem.offsets.reserve(mesh.xyz.size() / 3);
    for (size_t i = 0; i + 2 < mesh.xyz.size(); i += 3) {
        const Vec3 p{mesh.xyz[i], mesh.xyz[i + 1], mesh.xyz[i + 2]};
        const Vec3 e = EyeSpacePoint(camera, p);
        problem.offsets.push_back({e[0] - axisPoint[0], e[1] - axisPoint[1], e[2] - axisPoint[2]});
        lowest = std::min(lowest, p[1]);
        highest = std::max(highest, p[1]);
    }
    // Raising eye and look-at point together moves the picture against the camera's up axis.
    ViewCamera raised = camera;
    raised.centre[1] += 1;
    raised.eye[1] += 1;
    const Vec3 before = EyeSpacePoint(camera, {5, 0, 5}), after = EyeSpacePoint(raised, {5, 0, 5});
    problem.lift = {after[0] - before[0], after[1] - before[1], after[2] - before[2]};

    // The best look-at height lies between the lowest and the highest point (scene units);
    // the largest zoom rises and then falls over it, so a golden-section search finds it.
    double low = lowest * NeutralZoomScale, high = highest * NeutralZoomScale;
    constexpr double Golden = 0.6180339887498949;
    double a = high - Golden * (high - low), b = low + Golden * (high - low);
    double ka = problem.LargestZoom(a), kb = problem.LargestZoom(b);
    for (int i = 0; i < 60 && high - low > 1e-7; ++i) {
        if (ka < kb) {
            low = a;
            a = b;
            ka = kb;
            b = low + Golden * (high - low);
            kb = problem.LargestZoom(b);
        } else {
            high = b;
            b = a;
            kb = ka;
            a = high - Golden * (high - low);
            ka = problem.LargestZoom(a);
        }
    }
    const double centreHeight = (low + high) / 2;
    const double k = problem.LargestZoom(centreHeight);
    if (!(k > 0) || !std::isfinite(k)) return false;

    const float scale = static_cast<float>(k * NeutralZoomScale);
    view.scaleX = scale;
    view.scaleY = scale;
    view.scaleZ = scale;
    view.centreY = static_cast<float>(centreHeight);
    view.eyeY = static_cast<float>(centreHeight + toEye[1]);
    return true;
}

}  // namespace voltaris
