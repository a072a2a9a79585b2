// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "model/project.h"
#include "model/user_dialogs.h"

namespace voltaris {

// The dialogs the project commands show besides messages and questions.
class CommandDialogs : public UserDialogs {
public:
    // "Potenzial-Dateien laden..." / "Potenzial-Dateien speichern..."; nothing when cancelled.
    virtual std::optional<std::string> ChooseFileToOpen() = 0;
    virtual std::optional<std::string> ChooseFileToSave() = 0;
    // A text input box; returns `preset` when cancelled.
    virtual std::string AskText(const std::string& title, const std::string& prompt, const std::string& preset) = 0;
};

// What the commands need from the main window and the views.
class CommandView {
public:
    virtual ~CommandView() = default;
    virtual void ShowTabs(int selected) = 0;  // rebuild the tab strip from the project's captions
    virtual void UpdateWindowTitle() = 0;
    virtual void RefreshChargeTable() = 0;
    virtual void RequestRedraw(bool surfaceToo) = 0;
    virtual void AppendLog(const std::string& text) = 0;  // to the 3D view's debug log
    // Calls `then` once both views have drawn a few more frames (never waiting for a paused
    // view), from the window's event loop, or at once when there is nothing to wait for.
    // `then` is dropped when the window goes first.
    virtual void WaitForViews(std::function<void()> then) = 0;
    // Ends what belongs to the shown tab: a running alternating-voltage run and the
    // Bremsstrahlung amplification.
    virtual void LeaveTab() = 0;
    // A new or loaded project replaced the shown one: what the pointer showed of the old
    // field (level plane, mirrored pointer, readout) goes.
    virtual void ProjectReplaced() = 0;
};

// The commands of the "&Datei" and "&Tabs" menus and the tab-change handling. They ask
// their questions, show their dialogs, then change the model in a fixed order and tell the
// window what to show.
class ProjectCommands {
public:
    ProjectCommands(Project& project, CommandDialogs& dialogs, CommandView& view)
        : project_(project), dialogs_(dialogs), view_(view) {}

    void NewProject();
    void OpenProject();
    // Opens `path` as "Projekt öffnen" does once a file is chosen (the command line's file);
    // a failed load keeps the project shown.
    void OpenProjectFile(const std::string& path);
    // A project file dropped on the window: asks whether to save the current project first,
    // then opens it as above.
    void OpenDroppedProject(const std::string& path);
    void OpenSampleProject();
    bool SaveAll();   // false when nothing was saved (no file chosen, or the save failed)
    bool SaveAs();
    void RenameProject();
    void NewTab();
    void DuplicateTab();
    void DeleteTab();
    void RenameTab();
    // The user selected tab `index` in the tab strip (also run after a load): once the views
    // have drawn a few more frames the tab is shown. A selection made during that wait takes
    // the waiting one's place; any other command first shows the waiting tab at once.
    void ChangeTab(int index);
    bool TabChangeWaiting() const { return waitingTab_ >= 0; }
    // Shows the tab a change waits for, if any: every command does so first, and so does an
    // undo before it puts the model back.
    void FinishTabChange();
    // The main window is asked to close: false keeps the program running.
    bool MayClose();

private:
    void AfterLoad();

    Project& project_;
    CommandDialogs& dialogs_;
    CommandView& view_;
    int waitingTab_ = -1;  // the tab a change waits to show; -1: none
    int tabChanges_ = 0;   // numbers the waits: a wait that ended early must not finish a later one
};

// Copies what a tab holds in use from tab `from` to tab `to` (not the caption): resolution,
// charges and particle settings (without the integration's working values).
void CopyTabContents(const FieldTab& from, FieldTab& to);

}  // namespace voltaris
