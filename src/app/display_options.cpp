// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_options.h"

#include "model/number_format.h"

namespace voltaris {

namespace {

// A menu entry performs its button's click; the button's handler then sets the entry's mark.
void EntryClicksButton(QAction* entry, QToolButton* button) {
    QObject::connect(entry, &QAction::triggered, button, [entry, button] {
        entry->setChecked(button->isChecked());
        button->click();
    });
}

// The colour and shading labels of the Render page read "gestuft" (stepped) or "verlaufen"
// (smooth); the label keeps which one it shows, for a change of language.
void ShowStepped(QLabel* label, bool stepped) {
    label->setProperty("stepped", stepped);
    label->setText(stepped ? DisplayOptions::tr("gestuft") : DisplayOptions::tr("verlaufen"));
}

const char* RenderModeName(int mode) {
    switch (mode) {
        case 1: return QT_TRANSLATE_NOOP("voltaris::DisplayOptions", "lines");
        case 2: return QT_TRANSLATE_NOOP("voltaris::DisplayOptions", "wireframe");
        case 3: return QT_TRANSLATE_NOOP("voltaris::DisplayOptions", "points");
        default: return QT_TRANSLATE_NOOP("voltaris::DisplayOptions", "solid");
    }
}

// The label of the surface's drawing mode, which it keeps for a change of language.
void ShowRenderMode(QLabel* label, int mode) {
    label->setProperty("renderMode", mode);
    label->setText(DisplayOptions::tr(RenderModeName(mode)));
}

}  // namespace

DisplayOptions::DisplayOptions(GraphViews& views, const ViewToolbar& toolbar3D, const ViewToolbar& toolbar2D,
                               const ViewMenu& menu3D, const ViewMenu& menu2D, const pages::MiscPage& misc,
                               const pages::RenderPage& render, QObject* parent)
    : QObject(parent), views_(views), render3D_(&render.view3D), render2D_(&render.view2D) {
    boxes3D_ = {misc.CheckBox1, misc.CheckBox9, misc.CheckBox7, misc.CheckBox5, misc.CheckBox10};
    boxes2D_ = {misc.CheckBox2, misc.CheckBox3, misc.CheckBox8, misc.CheckBox6, misc.CheckBox11};
    ConnectView(true, toolbar3D, menu3D, boxes3D_);
    ConnectView(false, toolbar2D, menu2D, boxes2D_);
    ConnectRenderColumn(true, render.view3D);
    ConnectRenderColumn(false, render.view2D);
}

void DisplayOptions::UpdateWantedLines() {
    SharedScene& shared = views_.Shared();
    shared.EquipotentialsWanted = boxes3D_.equipotentials->isChecked() || boxes2D_.equipotentials->isChecked();
    shared.FieldLinesWanted = boxes3D_.fieldLines->isChecked() || boxes2D_.fieldLines->isChecked();
}

void DisplayOptions::ConnectView(bool threeD, const ViewToolbar& bar, const ViewMenu& menu, const Boxes& boxes) {
    // The check boxes carry the effects.
    auto engineFlag = [this, threeD](std::atomic<bool> GraphEngine::*flag) {
        return [this, threeD, flag](bool checked) {
            if (GraphEngine* e = Engine(threeD)) (e->*flag) = checked;
        };
    };
    connect(boxes.totalFieldStrength, &QCheckBox::toggled, this, engineFlag(&GraphEngine::showFieldStrength));
    connect(boxes.allFieldStrengths, &QCheckBox::toggled, this, engineFlag(&GraphEngine::showAllFieldStrengths));
    connect(boxes.surfaceHidden, &QCheckBox::toggled, this, engineFlag(&GraphEngine::listHidden));
    connect(boxes.equipotentials, &QCheckBox::toggled, this, [this, threeD](bool checked) {
        if (GraphEngine* e = Engine(threeD)) e->showEquipotentials = checked;
        UpdateWantedLines();
    });
    connect(boxes.fieldLines, &QCheckBox::toggled, this, [this, threeD](bool checked) {
        if (GraphEngine* e = Engine(threeD)) e->showFieldLines = checked;
        UpdateWantedLines();
    });

    // The buttons: toggled first, the rest follows from the new state.
    QToolButton* total = bar.totalFieldStrength;
    QToolButton* all = bar.allFieldStrengths;
    connect(total, &QToolButton::clicked, this, [=](bool down) {
        boxes.totalFieldStrength->setChecked(down);
        if (!down && all->isChecked()) all->click();  // all goes off with total
        menu.totalFieldStrength->setChecked(down);
    });
    connect(all, &QToolButton::clicked, this, [=](bool down) {
        boxes.allFieldStrengths->setChecked(down);
        if (down && !total->isChecked()) total->click();  // total comes on with all
        menu.allFieldStrengths->setChecked(down);
    });
    connect(bar.colouredSurface, &QToolButton::clicked, this, [=, this](bool down) {
        boxes.surfaceHidden->setChecked(!down);
        menu.colouredSurface->setChecked(down);
        views_.RequestRedraw(true);
    });
    connect(bar.equipotentials, &QToolButton::clicked, this, [=, this](bool down) {
        boxes.equipotentials->setChecked(down);
        menu.equipotentials->setChecked(down);
        views_.RequestRedraw(false);  // a kind of line that no view showed was not traced
    });
    connect(bar.fieldLines, &QToolButton::clicked, this, [=, this](bool down) {
        boxes.fieldLines->setChecked(down);
        menu.fieldLines->setChecked(down);
        views_.RequestRedraw(false);
    });
    connect(bar.colourGradient, &QToolButton::clicked, this, [=, this](bool down) {
        if (GraphEngine* e = Engine(threeD)) e->colourMode = down ? 0 : 1;
        menu.colourGradient->setChecked(down);
        views_.RequestRedraw(true);
    });

    EntryClicksButton(menu.totalFieldStrength, total);
    EntryClicksButton(menu.allFieldStrengths, all);
    EntryClicksButton(menu.colouredSurface, bar.colouredSurface);
    EntryClicksButton(menu.equipotentials, bar.equipotentials);
    EntryClicksButton(menu.fieldLines, bar.fieldLines);
    EntryClicksButton(menu.colourGradient, bar.colourGradient);

    // The overlays are carried by their menu entries and only change what is drawn over the
    // picture: no recomputation. The 3D button follows its entry; the 2D button lists both.
    connect(menu.axisLabels, &QAction::toggled, this, engineFlag(&GraphEngine::showAxisLabels));
    if (threeD) {
        connect(bar.overlays, &QToolButton::toggled, menu.axisLabels, &QAction::setChecked);
        connect(menu.axisLabels, &QAction::toggled, bar.overlays, &QToolButton::setChecked);
    } else {
        connect(menu.colourBar, &QAction::toggled, this, engineFlag(&GraphEngine::showColourBar));
        auto* list = new QMenu(bar.overlays);
        list->addAction(menu.axisLabels);
        list->addAction(menu.colourBar);
        bar.overlays->setMenu(list);
    }
}

void DisplayOptions::ConnectRenderColumn(bool threeD, const pages::RenderControls& c) {
    connect(c.rendering, &QPushButton::clicked, this, [=, this] {
        GraphEngine* e = Engine(threeD);
        if (!e) return;
        const int mode = e->renderMode + 1;
        e->renderMode = mode;
        // Beyond "points" the surface builder falls back to solid; the label keeps its text.
        if (mode <= 4) ShowRenderMode(c.renderingLabel, mode);
        views_.RequestRedraw(true);
    });
    connect(c.resolution, &QScrollBar::valueChanged, this, [=, this](int position) {
        GraphEngine* e = Engine(threeD);
        if (!e) return;
        const float step = position * 0.01f;
        e->gridStep = step > 0 ? step : 0.01f;
        c.resolutionLabel->setText(QString::fromStdString(FormatShownNumber(position * 0.1, 15)));
        views_.RequestRedraw(true);
    });
    connect(c.colourSteps, &QPushButton::clicked, this, [=, this] {
        GraphEngine* e = Engine(threeD);
        if (!e) return;
        const int mode = e->colourMode == 0 ? 1 : 0;
        e->colourMode = mode;
        ShowStepped(c.colourStepsLabel, mode == 1);
        if (threeD) {
            // Stepped colours come with flat shading in the 3D view.
            e->shadeRequest = mode == 1 ? 1 : 3;
            ShowStepped(c.shaderLabel, e->shadeRequest == 1);
        }
        views_.RequestRedraw(true);
    });
    connect(c.shader, &QPushButton::clicked, this, [=, this] {
        GraphEngine* e = Engine(threeD);
        if (!e) return;
        const int request = e->shadeRequest.fetch_add(1) + 1;
        ShowStepped(c.shaderLabel, request == 1);
    });
}

bool DisplayOptions::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    return QObject::event(event);
}

void DisplayOptions::RetranslateUi() {
    for (const pages::RenderControls* c : {render3D_, render2D_}) {
        ShowStepped(c->colourStepsLabel, c->colourStepsLabel->property("stepped").toBool());
        ShowStepped(c->shaderLabel, c->shaderLabel->property("stepped").toBool());
        ShowRenderMode(c->renderingLabel, c->renderingLabel->property("renderMode").toInt());
        // The number in the interface's style.
        c->resolutionLabel->setText(QString::fromStdString(FormatShownNumber(c->resolution->value() * 0.1, 15)));
    }
}

}  // namespace voltaris
