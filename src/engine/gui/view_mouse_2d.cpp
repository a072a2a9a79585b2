// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/graph_views.h"
#include "engine/gui/pointer_readout.h"
#include "engine/gui/view_mouse.h"
#include "field/field_snapshot.h"

namespace voltaris {

void View2DMouse::PublishDrag() {
    const TopViewDrag& drag = state_.topView;
    views_.Shared().interaction = ViewInteraction{drag.radiusDragging, drag.radiusDragCharge, drag.turningParticle};
    views_.PublishScene();
}

void View2DMouse::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
    GraphEngine* topView = views_.Engine2D();
    if (button != Qt::LeftButton || !topView) return;
    // The point picked by the latest frame.
    TopViewPress(project_, state_.topView, topView->pickedX, topView->pickedZ, modifiers & Qt::ControlModifier,
                 views_.Shared().switches.ParticleEnabled);
    if (state_.topView.panning2D) {
        state_.lastMouseX = x;
        state_.lastMouseY = y;
    }
    PublishDrag();
}

void View2DMouse::MouseUp(Qt::MouseButton, int, int) {
    GraphEngine* topView = views_.Engine2D();
    if (!topView) return;
    const TopViewReleaseEffect effect = TopViewRelease(project_, state_.topView, topView->pickedX, topView->pickedZ);
    if (effect.refreshTable && host_.refreshChargeTable) host_.refreshChargeTable();
    if (effect.redraw) {
        views_.Shared().interaction.radiusDragging = false;
        views_.RequestRedraw(true);
    } else {
        PublishDrag();
    }
}

void View2DMouse::MouseMove(int x, int y) {
    GraphEngine* view3D = views_.Engine3D();
    GraphEngine* topView = views_.Engine2D();
    if (!topView || (host_.amountBoxOpen && host_.amountBoxOpen())) return;
    if (view3D) view3D->pickX = no_point::OverTopView;
    topView->markX = -100;

    if (state_.topView.panning2D) {
        topView->panX = topView->panX + (x - state_.lastMouseX) * 0.005f;
        topView->panY = topView->panY - (y - state_.lastMouseY) * 0.005f;
        state_.lastMouseX = x;
        state_.lastMouseY = y;
        topView->pickX = no_point::PanningTopView;
        return;
    }

    topView->pickX = x;
    topView->pickY = views_.Window2D().height() - y;
    const float pickedX = topView->pickedX, pickedZ = topView->pickedZ;
    if (view3D) {
        const FieldSnapshot field = SnapshotOfActiveTab(project_);
        const std::optional<std::string> readout = PointerReadout(field, pickedX, pickedZ, true);
        if (readout) {
            view3D->planeHeight = static_cast<float>(PotentialAtGraphPoint(field, pickedX, pickedZ));
            if (host_.showReadout) host_.showReadout(*readout);
        } else {
            // Outside the square the last readout stays.
            view3D->planeHeight = -100;
        }
    }
    if (TopViewDragTo(project_, state_.topView, pickedX, pickedZ)) views_.RequestRedraw(true);
}

void View2DMouse::MouseLeave() {
    // The amount box adds its charge at the point picked before it opened.
    if (host_.amountBoxOpen && host_.amountBoxOpen()) return;
    ClearPointers(views_, no_point::LeftViews3D, no_point::LeftViews2D);
    if (host_.showReadout) host_.showReadout("");
}

}  // namespace voltaris
