// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>

#include "engine/gui/view_window.h"
#include "model/project.h"
#include "model/top_view_editing.h"

namespace voltaris {

class GraphViews;

// Mouse state shared by the two view panels (user-interface thread only).
struct ViewMouseState {
    bool rotating3D = false;  // the left button went down on the 3D view and is still held
    TopViewDrag topView;      // what a press in the top view grabbed (panning included)
    int lastMouseX = 0, lastMouseY = 0;  // last drag position, panel pixels
};

// What the view mouse handlers need from the main window.
struct ViewMouseHost {
    std::function<bool()> amountBoxOpen;                   // mouse moves are ignored while it is open
    std::function<void(const std::string&)> showReadout;  // status panel of the pointer readout
    std::function<void()> refreshChargeTable;             // after the top view changed charges
};

// The 3D view: a left drag turns the surface (1 degree per pixel) and raises or lowers the
// camera (0.1 per pixel); hovering picks the point under the mouse, mirrors it into the top
// view and shows its coordinates and potential.
class View3DMouse : public ViewMouseHandler {
public:
    View3DMouse(GraphViews& views, const Project& project, ViewMouseState& state, ViewMouseHost host)
        : views_(views), project_(project), state_(state), host_(std::move(host)) {}
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void MouseMove(int x, int y) override;
    void MouseUp(Qt::MouseButton button, int x, int y) override;
    void MouseLeave() override;

private:
    GraphViews& views_;
    const Project& project_;
    ViewMouseState& state_;
    ViewMouseHost host_;
};

// The top view: hovering picks the point under the mouse, shows its coordinates and
// potential and puts the 3D view's level plane at that potential. A left press selects
// charges and grabs a selected charge (to move it), its rim (to resize it) or the particle
// start (to move or turn it); a press on nothing pans the view.
class View2DMouse : public ViewMouseHandler {
public:
    View2DMouse(GraphViews& views, Project& project, ViewMouseState& state, ViewMouseHost host)
        : views_(views), project_(project), state_(state), host_(std::move(host)) {}
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void MouseMove(int x, int y) override;
    void MouseUp(Qt::MouseButton button, int x, int y) override;
    void MouseLeave() override;

private:
    // Hands the drag state and the selection to the drawing threads.
    void PublishDrag();

    GraphViews& views_;
    Project& project_;
    ViewMouseState& state_;
    ViewMouseHost host_;
};

// Pick positions that mean "no point", telling who cleared them.
namespace no_point {
constexpr int NotYet = -999;
constexpr int Over3DView = -998;        // top view, while the mouse is over the 3D view
constexpr int Turning3D = -997;         // 3D view, while it is being turned
constexpr int OverTopView = -996;       // 3D view, while the mouse is over the top view
constexpr int PanningTopView = -995;    // top view, while it is being panned
constexpr int WindowSurface3D = -994;   // the mouse is over the window's bare surface
constexpr int WindowSurface2D = -993;
constexpr int LeftViews3D = -992;       // the mouse left a view for another control or
constexpr int LeftViews2D = -991;       // went out of the window
}  // namespace no_point

// The field under the pointer is gone (a new or loaded project): no level plane in the 3D
// view and no mirrored pointer in the top view.
void ClearLevelPlaneAndMark(GraphViews& views);

// The mouse is over neither view: no cross-hairs, no level plane and no mirrored pointer.
// The pick positions tell who cleared them.
void ClearPointers(GraphViews& views, int pick3D, int pick2D);

}  // namespace voltaris
