// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

// The display options of a view exist twice on screen: as buttons of the view's toolbar
// and as entries of the view's menu. They are built here with their initial states and get
// their texts, in the interface's language, from the Retranslate functions; the display options
// connect their behaviour to them.

namespace voltaris {

struct ViewToolbar {
    QWidget* panel;     // Panel2 (3D) or Panel3 (2D)
    QToolBar* toolBar;  // ToolBar2 or ToolBar3
    QToolButton *totalFieldStrength, *allFieldStrengths, *colouredSurface, *equipotentials, *fieldLines;
    QToolButton *colourGradient, *exportImage;
    // The overlays: in 3D the axis labels' toggle, in 2D a drop-down list of both overlays.
    QToolButton* overlays;
};
ViewToolbar BuildViewToolbar(bool threeD, QWidget* parent);
void RetranslateViewToolbar(const ViewToolbar& toolbar, bool threeD);

struct ViewMenu {
    QMenu* menu;  // N3DGraph1 "&3DGraph" or N3DGraph2 "&2DGraph"
    QAction *totalFieldStrength, *allFieldStrengths, *colouredSurface, *equipotentials, *fieldLines;
    QAction *colourGradient, *exportImage;
    QAction *axisLabels, *colourBar;  // overlays; colourBar null in the 3D menu
    QAction *resetView, *fitView;     // fitView null in the 2D menu
};
ViewMenu BuildViewMenu(bool threeD, QMenuBar* bar);
void RetranslateViewMenu(const ViewMenu& menu, bool threeD);

}  // namespace voltaris
