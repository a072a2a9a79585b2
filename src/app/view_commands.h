// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/view_option_controls.h"
#include "engine/gui/graph_views.h"

namespace voltaris {

// The camera commands of the view menus: "Ansicht zurücksetzen" puts a view back to its start
// camera (the Home key does it for both, see ApplyViewKey), "Einpassen" fits the whole surface
// of the active tab into the 3D panel. Nothing happens before the engines exist.
void ConnectViewCommands(GraphViews& views, const ViewMenu& menu3D, const ViewMenu& menu2D, QObject* context);

}  // namespace voltaris
