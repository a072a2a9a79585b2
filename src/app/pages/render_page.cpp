// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>
#include <QHBoxLayout>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

namespace {

// One view's column: primitive, grid resolution, colour steps, shading, pause.
RenderControls BuildColumn(QHBoxLayout* row, bool threeD) {
    RenderControls c;
    const QString view = threeD ? "3D" : "2D";
    auto name = [&](const char* suffix) { return "Button" + view + suffix; };
    auto labelName = [&](const char* suffix) { return "Label" + view + suffix; };
    auto pair = [&](QPushButton* button, QLabel* label) {
        auto* column = new QVBoxLayout;
        column->addWidget(button);
        column->addWidget(label);
        row->addLayout(column);
    };
    c.rendering = Named(new QPushButton("Rendering"), name("Renderm"));
    c.renderingLabel = MakeLabel(labelName("Renderm"), "solid");
    pair(c.rendering, c.renderingLabel);

    auto* group = Named(new QGroupBox("Auflösung"), threeD ? "GroupBox3DRes" : "GroupBox2DRes");
    auto* inside = new QVBoxLayout(group);
    c.resolution = MakeScrollBar(threeD ? "ScrollBar3DRes" : "ScrollBar2DRes", 0, 100, 10);
    c.resolution->setMinimumWidth(64);  // both views' columns fit beside each other at the design size
    c.resolutionLabel = MakeLabel(labelName("Res"), "1");
    inside->addWidget(c.resolution);
    inside->addWidget(c.resolutionLabel);
    row->addWidget(group);

    c.colourSteps = Named(new QPushButton("ÄPFen"), name("Apfen"));
    c.colourStepsLabel = MakeLabel(labelName("Apfen"), "verlaufen");
    pair(c.colourSteps, c.colourStepsLabel);
    c.shader = Named(new QPushButton("Shader"), threeD ? "Button3DShader" : "Button2DShder");
    c.shaderLabel = MakeLabel(labelName("Shader"), "verlaufen");
    pair(c.shader, c.shaderLabel);
    c.pause = Named(new QPushButton("Pause"), name("Pause"));
    row->addWidget(c.pause, 0, Qt::AlignTop);
    return c;
}

}  // namespace

RenderPage BuildRenderPage() {
    RenderPage p;
    p.page = Named(new QWidget, "TabSheetRender");
    auto* row = new QHBoxLayout(p.page);
    row->setContentsMargins(4, 4, 4, 4);
    p.view3D = BuildColumn(row, true);
    row->addStretch(1);
    p.ButtonShowLog = Named(new QPushButton("Show Debuglog"), "ButtonShowLog");
    row->addWidget(p.ButtonShowLog, 0, Qt::AlignTop);
    row->addStretch(1);
    p.view2D = BuildColumn(row, false);
    return p;
}

}  // namespace voltaris::pages
