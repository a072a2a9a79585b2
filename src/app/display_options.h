// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include "app/pages/bottom_pages.h"
#include "app/view_option_controls.h"
#include "engine/gui/graph_views.h"

namespace voltaris {

// The display options of both views: each toolbar button, its menu entry and the hidden
// check box on the page "Misc" always agree; the check box carries the effect on the view's
// engine. Also the developer settings of the page "Render" (except "Pause").
class DisplayOptions : public QObject {
    Q_OBJECT
public:
    DisplayOptions(GraphViews& views, const ViewToolbar& toolbar3D, const ViewToolbar& toolbar2D,
                   const ViewMenu& menu3D, const ViewMenu& menu2D, const pages::MiscPage& misc,
                   const pages::RenderPage& render, QObject* parent);

protected:
    // The window's widgets, the Render page's among them, have their new texts by the time
    // the display options (created after them) see a change of the interface's language.
    bool event(QEvent* event) override;

private:
    // The check boxes of one view on the page "Misc".
    struct Boxes {
        QCheckBox *totalFieldStrength, *allFieldStrengths, *surfaceHidden, *equipotentials, *fieldLines;
    };
    void ConnectView(bool threeD, const ViewToolbar& bar, const ViewMenu& menu, const Boxes& boxes);
    void ConnectRenderColumn(bool threeD, const pages::RenderControls& c);
    GraphEngine* Engine(bool threeD) const { return threeD ? views_.Engine3D() : views_.Engine2D(); }
    void UpdateWantedLines();
    void RetranslateUi();

    GraphViews& views_;
    Boxes boxes3D_{}, boxes2D_{};
    const pages::RenderControls *render3D_, *render2D_;
};

}  // namespace voltaris
