// SPDX-License-Identifier: GPL-3.0-or-later
// The project and tab commands run from the window's menus, with every question and dialog
// answered by the test: what the tab strip, the title and the model show afterwards.
#include <QAction>
#include <QTabBar>
#include <QTest>
#include <filesystem>

#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

class CommandsTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    void Run(const char* action) {
        QAction* command = w.Action(action);
        QVERIFY2(command, action);
        command->trigger();
    }
    QString Caption(int index) { return w.TabStrip()->tabText(index); }
    static std::string TempPath(const char* name) {
        return (std::filesystem::temp_directory_path() / name).string();
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() { QVERIFY(w.Start()); }
    void cleanup() { w.Stop(); }

    void newProjectCanBeCancelledOrStartsWithOneTab() {
        const std::string question = "Soll das aktuelle Projekt gespeichert werden, bevor ein neues erstellt wird?";
        w.dialogs.answers = {Answer::Cancel};
        Run("NeuesProjekt1");
        QCOMPARE(w.dialogs.questions.back(), question);
        QCOMPARE(w.TabStrip()->count(), 14);

        w.dialogs.answers = {Answer::No};
        Run("NeuesProjekt1");
        QCOMPARE(w.TabStrip()->count(), 1);
        QCOMPARE(Caption(0), QString("Tab1"));
        QCOMPARE(w.TabStrip()->currentIndex(), 0);
        QCOMPARE(w.project.ActiveTab, 0);
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Unbenannt"));

        // A project without a file: saving asks for one.
        const int before = w.dialogs.saveDialogs;
        Run("AllesSpeichern1");
        QCOMPARE(w.dialogs.saveDialogs, before + 1);
    }

    void savedProjectOpensAgainWithItsTabs() {
        const std::string path = TempPath("voltaris_gui_commands.psf");
        std::filesystem::remove(path);
        w.dialogs.saveFiles = {path};
        Run("Speichernunter1");
        QVERIFY(std::filesystem::exists(path));
        QCOMPARE(w.project.ProjectFileName, path);

        w.dialogs.answers = {Answer::No};
        Run("NeuesProjekt1");
        QCOMPARE(w.TabStrip()->count(), 1);
        QVERIFY(w.project.ProjectFileName.empty());

        w.dialogs.openFiles = {path};
        Run("Projektffnen1");
        QCOMPARE(w.TabStrip()->count(), 14);
        QCOMPARE(Caption(6), QString("Ladungsgebirge"));
        QCOMPARE(w.project.tabs[6].ChargeCount, 9);
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Beispielprojekt"));
        QCOMPARE(w.project.ProjectFileName, path);

        // The sample discards the file name without a question.
        const size_t questions = w.dialogs.questions.size();
        Run("Beispielprojektffnen1");
        QVERIFY(w.project.ProjectFileName.empty());
        QCOMPARE(w.dialogs.questions.size(), questions);
        std::filesystem::remove(path);
    }

    void cancellingTheOpenDialogKeepsTheProject() {
        QVERIFY(w.ShowTab(3));
        w.dialogs.openFiles = {std::nullopt};
        Run("Projektffnen1");
        QCOMPARE(w.TabStrip()->count(), 14);
        QCOMPARE(w.project.ActiveTab, 3);
    }

    void renamingUsesThePresetWhenCancelled() {
        w.dialogs.texts = {std::string("Physik 10b")};
        Run("Projektumbenennen1");
        QCOMPARE(w.dialogs.textTitles.back(), std::string("Projekt umbennennen"));
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Physik 10b"));
        w.dialogs.texts = {std::nullopt};
        Run("Projektumbenennen1");
        QCOMPARE(w.project.ProjectName, std::string("Physik 10b"));

        QVERIFY(w.ShowTab(2));
        w.dialogs.texts = {std::string("Dipol")};
        Run("Tabumbenennen1");
        QCOMPARE(w.dialogs.textTitles.back(), std::string("Tab umbennennen"));
        QCOMPARE(Caption(2), QString("Dipol"));
        w.dialogs.texts = {std::nullopt};
        Run("Tabumbenennen1");
        QCOMPARE(Caption(2), QString("Dipol"));

        // An "&" is part of the name, not an accelerator mark: the strip doubles it so that it
        // shows as typed; the title and the model keep it single.
        w.dialogs.texts = {std::string("Kraft & Feld"), std::string("Physik & Chemie")};
        Run("Tabumbenennen1");
        Run("Projektumbenennen1");
        QCOMPARE(Caption(2), QString("Kraft && Feld"));
        QCOMPARE(w.project.tabs[2].caption, std::string("Kraft & Feld"));
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Physik & Chemie"));
    }

    void newAndDuplicatedTabsAreAppendedWithoutBeingShown() {
        QVERIFY(w.ShowTab(6));  // "Ladungsgebirge", 9 charges
        Run("Neu1");
        QCOMPARE(w.TabStrip()->count(), 15);
        QCOMPARE(Caption(14), QString("unbenannt"));
        QCOMPARE(w.project.tabs[14].ChargeCount, 0);
        Run("Tabduplizieren1");
        QCOMPARE(w.TabStrip()->count(), 16);
        QCOMPARE(Caption(15), QString("Kopie von Ladungsgebirge"));
        QCOMPARE(w.project.tabs[15].ChargeCount, 9);
        QCOMPARE(w.project.tabs[15].charges[4].x, w.project.tabs[6].charges[4].x);
        QCOMPARE(w.TabStrip()->currentIndex(), 6);
        QCOMPARE(w.project.ActiveTab, 6);

        // Up to twenty tabs; the twenty-first is refused with one message and changes nothing.
        for (int i = 0; i < 4; ++i) Run("Neu1");
        QCOMPARE(w.TabStrip()->count(), 20);
        const size_t messages = w.dialogs.messages.size();
        Run("Tabduplizieren1");
        QCOMPARE(w.dialogs.messages.size(), messages + 1);
        QCOMPARE(w.TabStrip()->count(), 20);
    }

    void deletingShowsTheTabBeforeTheDeletedOne() {
        QVERIFY(w.ShowTab(0));
        w.dialogs.answers = {Answer::No};
        Run("Tablschen1");
        QCOMPARE(w.dialogs.questions.back(), std::string("Soll das Tab wirklich gelöscht werden?"));
        QCOMPARE(w.TabStrip()->count(), 14);

        // The first tab: the former second one becomes tab 0 and is shown.
        w.dialogs.answers = {Answer::Yes};
        Run("Tablschen1");
        QCOMPARE(w.TabStrip()->count(), 13);
        QCOMPARE(Caption(0), QString("3 positive Ladungen"));
        QCOMPARE(w.project.ActiveTab, 0);
        QCOMPARE(w.project.tabs[0].ChargeCount, 3);

        // The last tab: the one before it is shown.
        QVERIFY(w.ShowTab(12));
        w.dialogs.answers = {Answer::Yes};
        Run("Tablschen1");
        QCOMPARE(w.TabStrip()->count(), 12);
        QCOMPARE(w.TabStrip()->currentIndex(), 11);
        QCOMPARE(w.project.ActiveTab, 11);

        // The only tab is never deleted, and nobody is asked.
        w.dialogs.answers = {Answer::No};
        Run("NeuesProjekt1");
        const size_t questions = w.dialogs.questions.size();
        Run("Tablschen1");
        QCOMPARE(w.TabStrip()->count(), 1);
        QCOMPARE(w.dialogs.questions.size(), questions);
    }

    void shortcutsAndHintsAreThoseOfTheMenus() {
        QCOMPARE(w.Action("NeuesProjekt1")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(w.Action("Tablschen1")->shortcut(), QKeySequence("Ctrl+Alt+X"));
        QCOMPARE(w.Action("Tabduplizieren1")->statusTip(),
                 QString("Erstellt ein neues Tab mit dem gleichen Inhalt wie das gerade Geöffnete."));
        QCOMPARE(w.Action("Speichernunter1")->text(), QString("Speichern unte&r"));
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
