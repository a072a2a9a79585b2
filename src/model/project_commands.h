#pragma once
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
    // Lets both views draw a few more frames before the tab changes (never hangs on a
    // paused view).
    virtual void WaitForViews() = 0;
    // Ends what belongs to the shown tab: a running alternating-voltage run and the
    // Bremsstrahlung amplification.
    virtual void LeaveTab() = 0;
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
    void OpenSampleProject();
    bool SaveAll();   // false when nothing was saved (no file chosen, or the save failed)
    bool SaveAs();
    void RenameProject();
    void NewTab();
    void DuplicateTab();
    void DeleteTab();
    void RenameTab();
    // The user selected tab `index` in the tab strip (also run after a load).
    void ChangeTab(int index);
    // The main window is asked to close: false keeps the program running.
    bool MayClose();

private:
    void AfterLoad();

    Project& project_;
    CommandDialogs& dialogs_;
    CommandView& view_;
};

// Copies what a tab holds in use from tab `from` to tab `to` (not the caption): resolution,
// charges and particle settings (without the integration's working values).
void CopyTabContents(const FieldTab& from, FieldTab& to);

}  // namespace voltaris
