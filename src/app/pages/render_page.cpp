// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

namespace {

// The labels beside the buttons name a view's setting. They start with the words below; from
// the first change on, the display options write them. A start word still standing follows a
// change of language; one the display options replaced is theirs to translate.
constexpr const char* SourceWord = "sourceWord";
constexpr const char* ShownWord = "shownWord";

void ShowStartWord(QLabel* label, const char* sourceWord) {
    const QString shown = QCoreApplication::translate("RenderPage", sourceWord);
    label->setText(shown);
    label->setProperty(SourceWord, QByteArray(sourceWord));
    label->setProperty(ShownWord, shown);
}

void RetranslateStartWord(QLabel* label) {
    if (label->text() != label->property(ShownWord).toString()) return;
    ShowStartWord(label, label->property(SourceWord).toByteArray().constData());
}

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
    c.rendering = Named(new QPushButton, name("Renderm"));
    c.renderingLabel = MakeLabel(labelName("Renderm"), {});
    ShowStartWord(c.renderingLabel, QT_TRANSLATE_NOOP("RenderPage", "solid"));
    pair(c.rendering, c.renderingLabel);

    auto* group = Named(new QGroupBox, threeD ? "GroupBox3DRes" : "GroupBox2DRes");
    auto* inside = new QVBoxLayout(group);
    c.resolution = MakeScrollBar(threeD ? "ScrollBar3DRes" : "ScrollBar2DRes", 0, 100, 10);
    c.resolution->setMinimumWidth(64);  // both views' columns fit beside each other at the design size
    c.resolutionLabel = MakeLabel(labelName("Res"), "1");
    inside->addWidget(c.resolution);
    inside->addWidget(c.resolutionLabel);
    row->addWidget(group);

    c.colourSteps = Named(new QPushButton, name("Apfen"));
    c.colourStepsLabel = MakeLabel(labelName("Apfen"), {});
    ShowStartWord(c.colourStepsLabel, QT_TRANSLATE_NOOP("RenderPage", "verlaufen"));
    pair(c.colourSteps, c.colourStepsLabel);
    c.shader = Named(new QPushButton, threeD ? "Button3DShader" : "Button2DShder");
    c.shaderLabel = MakeLabel(labelName("Shader"), {});
    ShowStartWord(c.shaderLabel, QT_TRANSLATE_NOOP("RenderPage", "verlaufen"));
    pair(c.shader, c.shaderLabel);
    c.pause = Named(new QPushButton, name("Pause"));
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
    p.ButtonShowLog = Named(new QPushButton, "ButtonShowLog");
    row->addWidget(p.ButtonShowLog, 0, Qt::AlignTop);
    row->addStretch(1);
    p.view2D = BuildColumn(row, false);
    RetranslateRenderPage(p);
    return p;
}

void RetranslateRenderPage(const RenderPage& p) {
    for (const RenderControls& c : {p.view3D, p.view2D}) {
        c.rendering->setText(QCoreApplication::translate("RenderPage", "Rendering"));
        qobject_cast<QGroupBox*>(c.resolution->parentWidget())
            ->setTitle(QCoreApplication::translate("RenderPage", "Auflösung"));
        c.colourSteps->setText(QCoreApplication::translate("RenderPage", "ÄPFen"));
        c.shader->setText(QCoreApplication::translate("RenderPage", "Shader"));
        c.pause->setText(QCoreApplication::translate("RenderPage", "Pause"));
        for (QLabel* label : {c.renderingLabel, c.colourStepsLabel, c.shaderLabel}) RetranslateStartWord(label);
    }
    p.ButtonShowLog->setText(QCoreApplication::translate("RenderPage", "Show Debuglog"));
}

}  // namespace voltaris::pages
