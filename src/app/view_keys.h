// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "engine/graph_engine.h"

namespace voltaris {

// The keys that steer the views, by key code whatever the modifiers: J, L, I, K pan the top
// view, A, D turn the 3D view, W, S raise and lower its camera, Q, E zoom the 3D view in and
// out, U, O the top view; Home puts both views back to their start cameras. False for any
// other key. (J pans only when no deletion waits for its confirmation; the caller decides.)
bool ApplyViewKey(int key, GraphEngine& view3D, GraphEngine& topView);

// One wheel message over a view: its three scale factors grow (forward) or shrink by 0.01.
void ZoomByWheel(GraphEngine& view, int wheelDelta);

}  // namespace voltaris
