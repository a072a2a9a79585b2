// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_commands.h"

#include "engine/view_fit.h"

namespace voltaris {

void ConnectViewCommands(GraphViews& views, const ViewMenu& menu3D, const ViewMenu& menu2D, QObject* context) {
    QObject::connect(menu3D.resetView, &QAction::triggered, context, [&views] {
        if (GraphEngine* e = views.Engine3D()) ResetView(*e);
    });
    QObject::connect(menu2D.resetView, &QAction::triggered, context, [&views] {
        if (GraphEngine* e = views.Engine2D()) ResetView(*e);
    });
    QObject::connect(menu3D.fitView, &QAction::triggered, context, [&views] {
        GraphEngine* e = views.Engine3D();
        if (!e) return;
        // The panel's pixels, as its engine's viewport has them.
        const ViewWindow& window = views.Window3D();
        const qreal ratio = window.devicePixelRatio();
        FitView3D(*e, views.Shared().published.Read(), qRound(window.width() * ratio), qRound(window.height() * ratio));
    });
}

}  // namespace voltaris
