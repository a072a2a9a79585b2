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

// Caption and hint of every menu and menu entry of the project, tab and extras menus, by the
// entry's object name. A menu has no hint.
struct CommandText {
    const char* name;
    const char* caption;
    const char* hint;
};

constexpr CommandText CommandTexts[] = {
    {"Datei1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Datei"), nullptr},
    {"NeuesProjekt1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Neues Projekt"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Erstellt ein neues Projekt.")},
    {"Projektffnen1", QT_TRANSLATE_NOOP("voltaris::Form1", "Projekt &öffnen"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Öffnet ein Projekt aus einer Datei.")},
    {"Beispielprojektffnen1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Beispielprojekt öffnen"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Öffnet das Beispielprojekt.")},
    {"AllesSpeichern1", QT_TRANSLATE_NOOP("voltaris::Form1", "Alles &Speichern"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Speichert das Projekt ab.")},
    {"Speichernunter1", QT_TRANSLATE_NOOP("voltaris::Form1", "Speichern unte&r"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Geben Sie dem Projekt einen neuen Dateinamen")},
    {"Projektumbenennen1", QT_TRANSLATE_NOOP("voltaris::Form1", "Projekt &umbenennen"),
     QT_TRANSLATE_NOOP("voltaris::Form1",
                       "Geben Sie dem Projekt einen anderen Namen. Hinweis: Der Dateiname wird nicht geändert.")},
    {"Datenexportieren1", QT_TRANSLATE_NOOP("voltaris::Form1", "Daten e&xportieren…"),
     QT_TRANSLATE_NOOP("voltaris::Form1",
                       "Speichert Äquipotenziallinien, Feldlinien und Teilchenbahn des Tabs als CSV-Dateien.")},
    {"Beenden1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Beenden"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Beendet das Programm.")},
    {"Tabs1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Tabs"), nullptr},
    {"Neu1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Neu"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Erstellt ein neues, leeres Tab.")},
    {"Tabduplizieren1", QT_TRANSLATE_NOOP("voltaris::Form1", "Tab &duplizieren"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Erstellt ein neues Tab mit dem gleichen Inhalt wie das gerade Geöffnete.")},
    {"Tabdrucken1", QT_TRANSLATE_NOOP("voltaris::Form1", "Tab &drucken"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Druckt den Inhalt des geöffneten Tab.")},
    {"Tablschen1", QT_TRANSLATE_NOOP("voltaris::Form1", "Tab &löschen"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Löscht das geöffnete Tab.")},
    {"Tabumbenennen1", QT_TRANSLATE_NOOP("voltaris::Form1", "Tab &umbenennen"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Geben Sie dem geöffneten Tab einen neuen Namen.")},
    {"Extras1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Extras"), nullptr},
    {"PositiveundnegativeLadungenvertauschen1",
     QT_TRANSLATE_NOOP("voltaris::Form1", "Positive und negative Ladungen &vertauschen"), nullptr},
    {"LadunginColoumbbzwElementarladungenangeben1",
     QT_TRANSLATE_NOOP("voltaris::Form1", "Ladung in Coloumb bzw &Elementarladungen angeben"), nullptr},
    {"ber1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Über"), nullptr},
    {"Hilfe2", QT_TRANSLATE_NOOP("voltaris::Form1", "&Hilfe"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Öffnen Sie den schriftlichen Teil der Facharbeit.")},
    {"NachUpdatessuchen1", QT_TRANSLATE_NOOP("voltaris::Form1", "&Website öffnen"), nullptr},
};

// The two switches of the toolbar: caption under the picture, and the hint.
constexpr CommandText SwitchTexts[] = {
    {"ToolButton13", QT_TRANSLATE_NOOP("voltaris::Form1", "+/-"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Positive und negative Ladungen vertauschen")},
    {"ToolButton39", QT_TRANSLATE_NOOP("voltaris::Form1", "Q in e"),
     QT_TRANSLATE_NOOP("voltaris::Form1", "Ladung in Coloumb bzw Elementarladungen angeben")},
};

// An entry without its texts; RetranslateMenus gives them.
QAction* AddCommand(QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
    QAction* action = Named(menu->addAction(QString()), name);
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

void Form1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = Named(bar->addMenu(QString()), "Datei1");
    connect(AddCommand(file, "NeuesProjekt1", QKeySequence("Ctrl+N")), &QAction::triggered, this,
            [this] { commands_.NewProject(); });
    connect(AddCommand(file, "Projektffnen1", QKeySequence("Ctrl+O")), &QAction::triggered, this,
            [this] { commands_.OpenProject(); });
    connect(AddCommand(file, "Beispielprojektffnen1"), &QAction::triggered, this,
            [this] { commands_.OpenSampleProject(); });
    file->addSeparator();
    connect(AddCommand(file, "AllesSpeichern1", QKeySequence("Ctrl+S")), &QAction::triggered, this,
            [this] { commands_.SaveAll(); });
    connect(AddCommand(file, "Speichernunter1"), &QAction::triggered, this, [this] { commands_.SaveAs(); });
    connect(AddCommand(file, "Projektumbenennen1"), &QAction::triggered, this, [this] {
        history_.Record(step_names::RenameProject, StepScope::Project, [this] { commands_.RenameProject(); });
    });
    AddCommand(file, "Datenexportieren1");
    file->addSeparator();
    connect(AddCommand(file, "Beenden1", QKeySequence("Alt+F4")), &QAction::triggered, this, &QWidget::close);

    BuildEditMenu(bar);

    QMenu* tabs = Named(bar->addMenu(QString()), "Tabs1");
    connect(AddCommand(tabs, "Neu1", QKeySequence("Ctrl+Alt+N")), &QAction::triggered, this,
            [this] { history_.Record(step_names::NewTab, StepScope::Project, [this] { commands_.NewTab(); }); });
    connect(AddCommand(tabs, "Tabduplizieren1", QKeySequence("Ctrl+Alt+D")), &QAction::triggered, this, [this] {
        history_.Record(step_names::DuplicateTab, StepScope::Project, [this] { commands_.DuplicateTab(); });
    });
    tabs->addSeparator();
    AddCommand(tabs, "Tabdrucken1", QKeySequence("Ctrl+Alt+P"));
    tabs->addSeparator();
    connect(AddCommand(tabs, "Tablschen1", QKeySequence("Ctrl+Alt+X")), &QAction::triggered, this,
            [this] { history_.Record(step_names::DeleteTab, StepScope::Project, [this] { commands_.DeleteTab(); }); });
    connect(AddCommand(tabs, "Tabumbenennen1"), &QAction::triggered, this,
            [this] { history_.Record(step_names::RenameTab, StepScope::Project, [this] { commands_.RenameTab(); }); });

    menu3D_ = BuildViewMenu(true, bar);
    menu2D_ = BuildViewMenu(false, bar);

    QMenu* extras = Named(bar->addMenu(QString()), "Extras1");
    AddCommand(extras, "PositiveundnegativeLadungenvertauschen1")->setCheckable(true);
    AddCommand(extras, "LadunginColoumbbzwElementarladungenangeben1")->setCheckable(true);
    extras->addSeparator();
    connect(AddCommand(extras, "ber1", QKeySequence("F3")), &QAction::triggered, this, &Form1::berClick);
    // Their behaviour: form1_output.cpp.
    AddCommand(extras, "Hilfe2", QKeySequence("F11"));
    AddCommand(extras, "NachUpdatessuchen1");
    AddLanguageMenu(extras);
}

void Form1::RetranslateMenus() {
    for (const CommandText& text : CommandTexts) {
        if (auto* menu = findChild<QMenu*>(text.name)) {
            menu->setTitle(tr(text.caption));
        } else if (auto* action = findChild<QAction*>(text.name)) {
            action->setText(tr(text.caption));
            action->setStatusTip(text.hint ? tr(text.hint) : QString());
        }
    }
    for (const CommandText& text : SwitchTexts) {
        auto* button = findChild<QToolButton*>(text.name);
        button->setText(tr(text.caption));
        button->setToolTip(tr(text.hint));
        button->setStatusTip(tr(text.hint));
    }
    RetranslateEditMenu();
    RetranslateViewMenu(menu3D_, true);
    RetranslateViewMenu(menu2D_, false);
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
    auto toggle = [this](const char* name, Glyph glyph, const char* menuEntry) {
        auto* button = Named(new QToolButton(ToolBar1), name);
        button->setCheckable(true);
        button->setIcon(GlyphIcon(glyph));
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
    toggle("ToolButton13", Glyph::SwapSigns, "PositiveundnegativeLadungenvertauschen1");
    toggle("ToolButton39", Glyph::ElementaryUnits, "LadunginColoumbbzwElementarladungenangeben1");
}

}  // namespace voltaris
