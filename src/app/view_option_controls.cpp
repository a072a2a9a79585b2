// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_option_controls.h"

#include "app/app_icons.h"
#include "app/pages/page_helpers.h"

namespace voltaris {

using pages::Named;

namespace {

QToolButton* AddButton(QToolBar* bar, const char* name, Glyph glyph, const QString& text, bool checkable,
                       bool down) {
    auto* button = Named(new QToolButton(bar), name);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(32, 32));
    button->setFixedSize(55, 54);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setCheckable(checkable);
    button->setChecked(down);
    if (!text.isEmpty()) {
        button->setText(text);
        button->setToolTip(QString(text).remove('&'));
    }
    bar->addWidget(button);
    return button;
}

}  // namespace

ViewToolbar BuildViewToolbar(bool threeD, QWidget* parent) {
    ViewToolbar t;
    t.panel = Named(new QWidget(parent), threeD ? "Panel2" : "Panel3");
    t.toolBar = Named(new QToolBar(t.panel), threeD ? "ToolBar2" : "ToolBar3");
    t.toolBar->setIconSize(QSize(32, 32));
    auto text = [threeD](const char* caption) { return threeD ? QString(caption) : QString(); };
    QToolBar* bar = t.toolBar;
    t.totalFieldStrength = AddButton(bar, threeD ? "ToolButton19" : "ToolButton25", Glyph::TotalFieldStrength,
                                     text("Gesammt&feldstärke anzeigen"), true, !threeD);
    t.allFieldStrengths = AddButton(bar, threeD ? "ToolButton24" : "ToolButton26", Glyph::AllFieldStrengths,
                                    text("&Alle Feldstärken anzeigen"), true, false);
    bar->addSeparator();
    t.colouredSurface = AddButton(bar, threeD ? "ToolButton20" : "ToolButton28", Glyph::ColouredSurface,
                                  text("Farbigen &Graph anzeigen"), true, true);
    t.equipotentials = AddButton(bar, threeD ? "ToolButton21" : "ToolButton29", Glyph::Equipotentials,
                                 text("&Äquipotenziallinien anzeigen"), true, false);
    t.fieldLines = AddButton(bar, threeD ? "ToolButton23" : "ToolButton30", Glyph::FieldLines,
                             text("Feld&linien anzeigen"), true, false);
    bar->addSeparator();
    t.colourGradient =
        AddButton(bar, threeD ? "ToolButton36" : "ToolButton37", Glyph::ColourGradient, QString(), true, threeD);
    // The overlays, off at the start. The top view's two share one button, so that its
    // toolbar still fits beside the 3D view's in a window that is not maximised.
    if (threeD) {
        t.overlays = AddButton(bar, "ToolButtonAxes3D", Glyph::AxisLabels, text("Achsen&beschriftung anzeigen"),
                               true, false);
    } else {
        t.overlays = AddButton(bar, "ToolButtonOverlays2D", Glyph::ColourBar, QString(), false, false);
        t.overlays->setToolTip("Achsenbeschriftung und Farbskala");
        t.overlays->setPopupMode(QToolButton::InstantPopup);
    }
    bar->addSeparator();
    t.exportImage = AddButton(bar, threeD ? "ToolButton33" : "ToolButton34", Glyph::ExportImage,
                              text("Graph als Bilddatei &exportieren"), false, false);
    t.toolBar->adjustSize();
    return t;
}

ViewMenu BuildViewMenu(bool threeD, QMenuBar* bar) {
    ViewMenu m;
    m.menu = Named(bar->addMenu(threeD ? "&3DGraph" : "&2DGraph"), threeD ? "N3DGraph1" : "N3DGraph2");
    m.menu->menuAction()->setStatusTip(threeD ? "3D Graph" : "2D Graph");
    const char* n = threeD ? "1" : "2";
    auto entry = [&](const char* caption, const char* name, bool checked) {
        QAction* action = Named(m.menu->addAction(caption), QString(name) + n);
        action->setCheckable(true);
        action->setChecked(checked);
        return action;
    };
    m.totalFieldStrength = entry("Gesamt&feldstärke anzeigen", "Gesammtfeldstrkeanzeigen", !threeD);
    m.allFieldStrengths = entry("&Alle Feldstärken anzeigen", "AlleFeldstrkenanzeigen", false);
    m.menu->addSeparator();
    m.colouredSurface = entry("Farbigen &Graph anzeigen", "FarbigenGraphanzeigen", true);
    m.equipotentials = entry("&Äquipotenziallinien anzeigen", "quipotenziallinienanzeigen", false);
    m.fieldLines = entry("Feld&linien anzeigen", "Feldlinienanzeigen", false);
    m.menu->addSeparator();
    m.colourGradient = entry("Farb&verlauf aktivieren", "Farbverlaufaktivieren", threeD);
    m.axisLabels = entry("Achsen&beschriftung anzeigen", "Achsenbeschriftunganzeigen", false);
    m.colourBar = threeD ? nullptr : entry("Farb&skala anzeigen", "Farbskalaanzeigen", false);
    m.menu->addSeparator();
    m.resetView = Named(m.menu->addAction("Ansicht &zurücksetzen"), QString("Ansichtzurcksetzen") + n);
    m.resetView->setShortcut(QKeySequence(Qt::Key_Home));
    // The key belongs to the window's key table (both views); the entry only shows it.
    m.resetView->setShortcutContext(Qt::WidgetShortcut);
    m.fitView = threeD ? Named(m.menu->addAction("&Einpassen"), "Einpassen1") : nullptr;
    m.menu->addSeparator();
    m.exportImage = Named(m.menu->addAction("Graph als Bilddatei &exportieren"),
                          QString("GraphalsBilddateiexportieren") + n);
    return m;
}

}  // namespace voltaris
