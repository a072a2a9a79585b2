// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/app_icons.h"
#include "app/form1.h"
#include "app/language_menu.h"
#include "app/pages/page_helpers.h"
#include "app/undo/step_names.h"

namespace voltaris {

using pages::Named;

namespace {

QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                    const QString& hint) {
    QAction* action = Named(menu->addAction(caption), name);
    action->setShortcut(shortcut);
    action->setStatusTip(hint);
    return action;
}

}  // namespace

void Form1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = Named(bar->addMenu("&Datei"), "Datei1");
    connect(AddCommand(file, "NeuesProjekt1", "&Neues Projekt", QKeySequence("Ctrl+N"), "Erstellt ein neues Projekt."),
            &QAction::triggered, this, [this] { commands_.NewProject(); });
    connect(AddCommand(file, "Projektffnen1", "Projekt &öffnen", QKeySequence("Ctrl+O"),
                       "Öffnet ein Projekt aus einer Datei."),
            &QAction::triggered, this, [this] { commands_.OpenProject(); });
    connect(AddCommand(file, "Beispielprojektffnen1", "&Beispielprojekt öffnen", {}, "Öffnet das Beispielprojekt."),
            &QAction::triggered, this, [this] { commands_.OpenSampleProject(); });
    file->addSeparator();
    connect(AddCommand(file, "AllesSpeichern1", "Alles &Speichern", QKeySequence("Ctrl+S"), "Speichert das Projekt ab."),
            &QAction::triggered, this, [this] { commands_.SaveAll(); });
    connect(AddCommand(file, "Speichernunter1", "Speichern unte&r", {}, "Geben Sie dem Projekt einen neuen Dateinamen"),
            &QAction::triggered, this, [this] { commands_.SaveAs(); });
    connect(AddCommand(file, "Projektumbenennen1", "Projekt &umbenennen", {},
                       "Geben Sie dem Projekt einen anderen Namen. Hinweis: Der Dateiname wird nicht geändert."),
            &QAction::triggered, this, [this] {
                history_.Record(step_names::RenameProject, StepScope::Project, [this] { commands_.RenameProject(); });
            });
    AddCommand(file, "Datenexportieren1", "Daten e&xportieren…", {},
               "Speichert Äquipotenziallinien, Feldlinien und Teilchenbahn des Tabs als CSV-Dateien.");
    file->addSeparator();
    connect(AddCommand(file, "Beenden1", "&Beenden", QKeySequence("Alt+F4"), "Beendet das Programm."),
            &QAction::triggered, this, &QWidget::close);

    BuildEditMenu(bar);

    QMenu* tabs = Named(bar->addMenu("&Tabs"), "Tabs1");
    connect(AddCommand(tabs, "Neu1", "&Neu", QKeySequence("Ctrl+Alt+N"), "Erstellt ein neues, leeres Tab."),
            &QAction::triggered, this,
            [this] { history_.Record(step_names::NewTab, StepScope::Project, [this] { commands_.NewTab(); }); });
    connect(AddCommand(tabs, "Tabduplizieren1", "Tab &duplizieren", QKeySequence("Ctrl+Alt+D"),
                       "Erstellt ein neues Tab mit dem gleichen Inhalt wie das gerade Geöffnete."),
            &QAction::triggered, this, [this] {
                history_.Record(step_names::DuplicateTab, StepScope::Project, [this] { commands_.DuplicateTab(); });
            });
    tabs->addSeparator();
    AddCommand(tabs, "Tabdrucken1", "Tab &drucken", QKeySequence("Ctrl+Alt+P"), "Druckt den Inhalt des geöffneten Tab.");
    tabs->addSeparator();
    connect(AddCommand(tabs, "Tablschen1", "Tab &löschen", QKeySequence("Ctrl+Alt+X"), "Löscht das geöffnete Tab."),
            &QAction::triggered, this,
            [this] { history_.Record(step_names::DeleteTab, StepScope::Project, [this] { commands_.DeleteTab(); }); });
    connect(
        AddCommand(tabs, "Tabumbenennen1", "Tab &umbenennen", {}, "Geben Sie dem geöffneten Tab einen neuen Namen."),
        &QAction::triggered, this,
        [this] { history_.Record(step_names::RenameTab, StepScope::Project, [this] { commands_.RenameTab(); }); });

    menu3D_ = BuildViewMenu(true, bar);
    menu2D_ = BuildViewMenu(false, bar);

    QMenu* extras = Named(bar->addMenu("&Extras"), "Extras1");
    QAction* swap = Named(extras->addAction("Positive und negative Ladungen &vertauschen"), "PositiveundnegativeLadungenvertauschen1");
    swap->setCheckable(true);
    QAction* units = Named(extras->addAction("Ladung in Coloumb bzw &Elementarladungen angeben"), "LadunginColoumbbzwElementarladungenangeben1");
    units->setCheckable(true);
    extras->addSeparator();
    connect(AddCommand(extras, "ber1", "&Über", QKeySequence("F3"), {}), &QAction::triggered, this, &Form1::berClick);
    // Their behaviour: form1_output.cpp.
    AddCommand(extras, "Hilfe2", "&Hilfe", QKeySequence("F11"), "Öffnen Sie den schriftlichen Teil der Facharbeit.");
    AddCommand(extras, "NachUpdatessuchen1", "&Website öffnen", {}, {});
    AddLanguageMenu(extras);
}

void Form1::BuildToolBar1() {
    ToolBar1 = Named(addToolBar("ToolBar1"), "ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [this](const char* actionName, Glyph glyph) {
        QAction* action = findChild<QAction*>(actionName);
        action->setIcon(GlyphIcon(glyph));
        ToolBar1->addAction(action);
    };
    add("NeuesProjekt1", Glyph::NewProject);
    add("Projektffnen1", Glyph::OpenProject);
    add("Beispielprojektffnen1", Glyph::SampleProject);
    add("AllesSpeichern1", Glyph::SaveProject);
    ToolBar1->addSeparator();
    add("Neu1", Glyph::NewTab);
    add("Tabduplizieren1", Glyph::DuplicateTab);
    add("Tabdrucken1", Glyph::PrintTab);
    add("Tablschen1", Glyph::DeleteTab);
    add("Tabumbenennen1", Glyph::RenameTab);
    ToolBar1->addSeparator();

    // The two switches are buttons of their own; their menu entries click them and follow
    // their state.
    auto toggle = [this](const char* name, Glyph glyph, const QString& caption, const QString& hint,
                         const char* menuEntry) {
        auto* button = Named(new QToolButton(ToolBar1), name);
        button->setCheckable(true);
        button->setIcon(GlyphIcon(glyph));
        button->setText(caption);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        ToolBar1->addWidget(button);
        QAction* entry = findChild<QAction*>(menuEntry);
        connect(entry, &QAction::triggered, button, [button, entry] {
            entry->setChecked(button->isChecked());  // the button decides
            button->click();
        });
        connect(button, &QToolButton::toggled, entry, &QAction::setChecked);
        return button;
    };
    // The sign swap sets SignFactor through CheckBox4; the unit switch shows and takes amounts
    // in elementary charges (both in the charge editing).
    toggle("ToolButton13", Glyph::SwapSigns, "+/-", "Positive und negative Ladungen vertauschen",
           "PositiveundnegativeLadungenvertauschen1");
    toggle("ToolButton39", Glyph::ElementaryUnits, "Q in e", "Ladung in Coloumb bzw Elementarladungen angeben",
           "LadunginColoumbbzwElementarladungenangeben1");
}

}  // namespace voltaris
