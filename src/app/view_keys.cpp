// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_keys.h"

#include <Qt>

#include "engine/view_fit.h"

namespace voltaris {

namespace {

void Add(std::atomic<float>& field, float amount) { field = field + amount; }

void Zoom(GraphEngine& view, float amount) {
    Add(view.scaleX, amount);
    Add(view.scaleY, amount);
    Add(view.scaleZ, amount);
}

}  // namespace

bool ApplyViewKey(int key, GraphEngine& view3D, GraphEngine& topView) {
    switch (key) {
        case Qt::Key_J: Add(topView.panX, 0.015f); return true;
        case Qt::Key_L: Add(topView.panX, -0.015f); return true;
        case Qt::Key_I: Add(topView.panY, -0.015f); return true;
        case Qt::Key_K: Add(topView.panY, 0.015f); return true;
        case Qt::Key_A: view3D.rotationDeg += 3; return true;
        case Qt::Key_D: view3D.rotationDeg -= 3; return true;
        case Qt::Key_W: Add(view3D.eyeY, 0.3f); return true;
        case Qt::Key_S: Add(view3D.eyeY, -0.3f); return true;
        case Qt::Key_Q: Zoom(view3D, 0.01f); return true;
        case Qt::Key_E: Zoom(view3D, -0.01f); return true;
        case Qt::Key_U: Zoom(topView, 0.01f); return true;
        case Qt::Key_O: Zoom(topView, -0.01f); return true;
        case Qt::Key_Home:
            ResetView(view3D);
            ResetView(topView);
            return true;
        default: return false;
    }
}

void ZoomByWheel(GraphEngine& view, int wheelDelta) {
    if (wheelDelta > 0) Zoom(view, 0.01f);
    if (wheelDelta < 0) Zoom(view, -0.01f);
}

}  // namespace voltaris
