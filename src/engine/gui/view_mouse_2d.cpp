#include "engine/gui/graph_views.h"
#include "engine/gui/pointer_readout.h"
#include "engine/gui/view_mouse.h"
#include "field/field_snapshot.h"

namespace voltaris {

void View2DMouse::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    if (button != Qt::LeftButton) return;
    // TODO(editing): a press on a charge, its rim or the particle start grabs it; only a
    // press elsewhere pans.
    state_.panning2D = true;
    state_.lastMouseX = x;
    state_.lastMouseY = y;
}

void View2DMouse::MouseUp(Qt::MouseButton, int, int) {
    state_.panning2D = false;
    // TODO(editing): end a charge or particle drag, apply a dragged radius, refresh the table.
}

void View2DMouse::MouseMove(int x, int y) {
    GraphEngine* view3D = views_.Engine3D();
    GraphEngine* topView = views_.Engine2D();
    if (!topView || (host_.amountBoxOpen && host_.amountBoxOpen())) return;
    if (view3D) view3D->pickX = no_point::OverTopView;
    topView->markX = -100;

    if (state_.panning2D) {
        topView->panX = topView->panX + (x - state_.lastMouseX) * 0.005f;
        topView->panY = topView->panY - (y - state_.lastMouseY) * 0.005f;
        state_.lastMouseX = x;
        state_.lastMouseY = y;
        topView->pickX = no_point::PanningTopView;
        return;
    }

    topView->pickX = x;
    topView->pickY = views_.Window2D().height() - y;
    if (!view3D) return;
    const float pickedX = topView->pickedX, pickedZ = topView->pickedZ;
    const FieldSnapshot field = SnapshotOfActiveTab(project_);
    const std::optional<std::string> readout = PointerReadout(field, pickedX, pickedZ, true);
    if (readout) {
        view3D->planeHeight = static_cast<float>(PotentialAtGraphPoint(field, pickedX, pickedZ));
        if (host_.showReadout) host_.showReadout(*readout);
    } else {
        // Outside the square the last readout stays.
        view3D->planeHeight = -100;
    }
    // TODO(editing): move the grabbed charges or particle start to the picked point.
}

}  // namespace voltaris
