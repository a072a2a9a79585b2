// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_option_controls.h"

#include <QCoreApplication>

#include "app/app_icons.h"
#include "app/pages/page_helpers.h"

namespace voltaris {

using pages::Named;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ViewOptionControls", text); }

QToolButton* AddButton(QToolBar* bar, const char* name, Glyph glyph, bool checkable, bool down) {
    auto* button = Named(new QToolButton(bar), name);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(32, 32));
    button->setFixedSize(55, 54);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setCheckable(checkable);
    button->setChecked(down);
    bar->addWidget(button);
    return button;
}

}  // namespace

ViewToolbar BuildViewToolbar(bool threeD, QWidget* parent) {
    ViewToolbar t;
    t.panel = Named(new QWidget(parent), threeD ? "Panel2" : "Panel3");
    t.toolBar = Named(new QToolBar(t.panel), threeD ? "ToolBar2" : "ToolBar3");
    t.toolBar->setIconSize(QSize(32, 32));
    QToolBar* bar = t.toolBar;
    t.totalFieldStrength =
        AddButton(bar, threeD ? "ToolButton19" : "ToolButton25", Glyph::TotalFieldStrength, true, !threeD);
    t.allFieldStrengths =
        AddButton(bar, threeD ? "ToolButton24" : "ToolButton26", Glyph::AllFieldStrengths, true, false);
    bar->addSeparator();
    t.colouredSurface = AddButton(bar, threeD ? "ToolButton20" : "ToolButton28", Glyph::ColouredSurface, true, true);
    t.equipotentials = AddButton(bar, threeD ? "ToolButton21" : "ToolButton29", Glyph::Equipotentials, true, false);
    t.fieldLines = AddButton(bar, threeD ? "ToolButton23" : "ToolButton30", Glyph::FieldLines, true, false);
    bar->addSeparator();
    t.colourGradient = AddButton(bar, threeD ? "ToolButton36" : "ToolButton37", Glyph::ColourGradient, true, threeD);
    // The overlays, off at the start. The top view's two share one button, so that its
    // toolbar still fits beside the 3D view's in a window that is not maximised.
    if (threeD) {
        t.overlays = AddButton(bar, "ToolButtonAxes3D", Glyph::AxisLabels, true, false);
    } else {
        t.overlays = AddButton(bar, "ToolButtonOverlays2D", Glyph::ColourBar, false, false);
        t.overlays->setPopupMode(QToolButton::InstantPopup);
    }
    bar->addSeparator();
    t.exportImage = AddButton(bar, threeD ? "ToolButton33" : "ToolButton34", Glyph::ExportImage, false, false);
    t.toolBar->adjustSize();
    return t;
}

void RetranslateViewToolbar(const ViewToolbar& t, bool threeD) {
    // The buttons show only their pictures; the 3D view's name their option in the tooltip
    // (and carry it as their text).
    auto caption = [threeD](QToolButton* button, const char* text) {
        if (!threeD) return;
        const QString translated = Tr(text);
        button->setText(translated);
        button->setToolTip(QString(translated).remove('&'));
    };
    caption(t.totalFieldStrength, QT_TRANSLATE_NOOP("ViewOptionControls", "Gesammt&feldstärke anzeigen"));
    caption(t.allFieldStrengths, QT_TRANSLATE_NOOP("ViewOptionControls", "&Alle Feldstärken anzeigen"));
    caption(t.colouredSurface, QT_TRANSLATE_NOOP("ViewOptionControls", "Farbigen &Graph anzeigen"));
    caption(t.equipotentials, QT_TRANSLATE_NOOP("ViewOptionControls", "&Äquipotenziallinien anzeigen"));
    caption(t.fieldLines, QT_TRANSLATE_NOOP("ViewOptionControls", "Feld&linien anzeigen"));
    caption(t.overlays, QT_TRANSLATE_NOOP("ViewOptionControls", "Achsen&beschriftung anzeigen"));
    caption(t.exportImage, QT_TRANSLATE_NOOP("ViewOptionControls", "Graph als Bilddatei &exportieren"));
    if (!threeD)
        t.overlays->setToolTip(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Achsenbeschriftung und Farbskala")));
}

ViewMenu BuildViewMenu(bool threeD, QMenuBar* bar) {
    ViewMenu m;
    m.menu = Named(bar->addMenu(QString()), threeD ? "N3DGraph1" : "N3DGraph2");
    const char* n = threeD ? "1" : "2";
    auto entry = [&](const char* name, bool checked) {
        QAction* action = Named(m.menu->addAction(QString()), QString(name) + n);
        action->setCheckable(true);
        action->setChecked(checked);
        return action;
    };
    m.totalFieldStrength = entry("Gesammtfeldstrkeanzeigen", !threeD);
    m.allFieldStrengths = entry("AlleFeldstrkenanzeigen", false);
    m.menu->addSeparator();
    m.colouredSurface = entry("FarbigenGraphanzeigen", true);
    m.equipotentials = entry("quipotenziallinienanzeigen", false);
    m.fieldLines = entry("Feldlinienanzeigen", false);
    m.menu->addSeparator();
    m.colourGradient = entry("Farbverlaufaktivieren", threeD);
    m.axisLabels = entry("Achsenbeschriftunganzeigen", false);
    m.colourBar = threeD ? nullptr : entry("Farbskalaanzeigen", false);
    m.menu->addSeparator();
    m.resetView = Named(m.menu->addAction(QString()), QString("Ansichtzurcksetzen") + n);
    m.resetView->setShortcut(QKeySequence(Qt::Key_Home));
    // The key belongs to the window's key table (both views); the entry only shows it.
    m.resetView->setShortcutContext(Qt::WidgetShortcut);
    m.fitView = threeD ? Named(m.menu->addAction(QString()), "Einpassen1") : nullptr;
    m.menu->addSeparator();
    m.exportImage = Named(m.menu->addAction(QString()), QString("GraphalsBilddateiexportieren") + n);
    return m;
}

void RetranslateViewMenu(const ViewMenu& m, bool threeD) {
    m.menu->setTitle(threeD ? Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "&3DGraph"))
                            : Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "&2DGraph")));
    m.menu->menuAction()->setStatusTip(threeD ? Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "3D Graph"))
                                              : Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "2D Graph")));
    m.totalFieldStrength->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Gesamt&feldstärke anzeigen")));
    m.allFieldStrengths->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "&Alle Feldstärken anzeigen")));
    m.colouredSurface->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Farbigen &Graph anzeigen")));
    m.equipotentials->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "&Äquipotenziallinien anzeigen")));
    m.fieldLines->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Feld&linien anzeigen")));
    m.colourGradient->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Farb&verlauf aktivieren")));
    m.axisLabels->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Achsen&beschriftung anzeigen")));
    if (m.colourBar) m.colourBar->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Farb&skala anzeigen")));
    m.resetView->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Ansicht &zurücksetzen")));
    if (m.fitView) m.fitView->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "&Einpassen")));
    m.exportImage->setText(Tr(QT_TRANSLATE_NOOP("ViewOptionControls", "Graph als Bilddatei &exportieren")));
}

}  // namespace voltaris
