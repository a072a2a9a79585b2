// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/graph_views.h"
#include "engine/gui/pointer_readout.h"
#include "engine/gui/view_mouse.h"
#include "field/field_snapshot.h"

namespace voltaris {

void ClearLevelPlaneAndMark(GraphViews& views) {
    if (GraphEngine* view3D = views.Engine3D()) view3D->planeHeight = -100;
    if (GraphEngine* topView = views.Engine2D()) {
        topView->markX = -100;
        topView->markZ = -100;
    }
}

void ClearPointers(GraphViews& views, int pick3D, int pick2D) {
    if (GraphEngine* view3D = views.Engine3D()) view3D->pickX = pick3D;
    if (GraphEngine* topView = views.Engine2D()) topView->pickX = pick2D;
    ClearLevelPlaneAndMark(views);
}

void View3DMouse::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    if (button != Qt::LeftButton) return;  // the right button opens the pop-up menu
    state_.rotating3D = true;
    state_.lastMouseX = x;
    state_.lastMouseY = y;
}

void View3DMouse::MouseUp(Qt::MouseButton, int, int) { state_.rotating3D = false; }

void View3DMouse::MouseMove(int x, int y) {
    GraphEngine* view3D = views_.Engine3D();
    GraphEngine* topView = views_.Engine2D();
    if (!view3D || (host_.amountBoxOpen && host_.amountBoxOpen())) return;
    if (topView) topView->pickX = no_point::Over3DView;
    view3D->planeHeight = -100;

    if (state_.rotating3D) {
        view3D->rotationDeg += x - state_.lastMouseX;
        view3D->eyeY = view3D->eyeY + (y - state_.lastMouseY) * 0.1f;
        state_.lastMouseX = x;
        state_.lastMouseY = y;
        view3D->pickX = no_point::Turning3D;
        return;
    }

    view3D->pickX = x;
    view3D->pickY = views_.Window3D().height() - y;
    if (!topView) return;
    // The point found by the latest frame: the readout lags the mouse by one frame.
    const float pickedX = view3D->pickedX, pickedZ = view3D->pickedZ;
    const std::optional<std::string> readout =
        PointerReadout(SnapshotOfActiveTab(project_), pickedX, pickedZ, false);
    if (readout) {
        topView->markX = pickedX;
        topView->markZ = pickedZ;
    } else {
        topView->markX = -100;
    }
    if (host_.showReadout) host_.showReadout(readout.value_or(""));
}

void View3DMouse::MouseLeave() {
    // The amount box adds its charge at the point picked before it opened.
    if (host_.amountBoxOpen && host_.amountBoxOpen()) return;
    ClearPointers(views_, no_point::LeftViews3D, no_point::LeftViews2D);
    if (host_.showReadout) host_.showReadout("");
}

}  // namespace voltaris
