// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/project_commands.h"

#include "model/project_file.h"

namespace voltaris {

void CopyTabContents(const FieldTab& from, FieldTab& to) {
    to.ParticleCount = from.ParticleCount;
    for (int p = 0; p < from.ParticleCount && p < MaxParticleSlots; ++p) {
        const ParticleSlot& a = from.particles[p];
        ParticleSlot& b = to.particles[p];
        b.dt = a.dt;
        b.charge = a.charge;
        b.mass = a.mass;
        b.speed = a.speed;
        b.angle = a.angle;
        b.x = a.x;
        b.y = a.y;
        b.steps = a.steps;
    }
    to.Resolution = from.Resolution;
    to.ChargeCount = from.ChargeCount;
    for (int c = 0; c < from.ChargeCount && c < MaxChargesPerTab; ++c) to.charges[c] = from.charges[c];
}

void ProjectCommands::NewProject() {
    const Answer answer =
        dialogs_.Ask("Soll das aktuelle Projekt gespeichert werden, bevor ein neues erstellt wird?", true);
    if (answer == Answer::Cancel) return;
    // The user asked to keep the project: without a save it stays.
    if (answer == Answer::Yes && !SaveAll()) return;
    FinishTabChange();
    // What runs on the shown tab ends before the model it works on is replaced.
    view_.LeaveTab();
    project_.TabCount = 0;
    CreateTab(project_, "Tab1", dialogs_);
    view_.ProjectReplaced();
    view_.ShowTabs(0);
    view_.RequestRedraw(true);
    ChangeTab(0);
    project_.ProjectFileName.clear();
    project_.ProjectName = "Unbenannt";
    view_.UpdateWindowTitle();
}

void ProjectCommands::AfterLoad() {
    view_.ProjectReplaced();
    view_.ShowTabs(0);
    ChangeTab(0);
    view_.UpdateWindowTitle();
}

void ProjectCommands::OpenProject() {
    const std::optional<std::string> path = dialogs_.ChooseFileToOpen();
    if (path) OpenProjectFile(*path);
}

void ProjectCommands::OpenProjectFile(const std::string& path) {
    FinishTabChange();
    view_.LeaveTab();
    // A failed load keeps the project, its file name and the shown tab.
    if (!LoadProject(project_, path, dialogs_)) return;
    project_.ProjectFileName = path;
    AfterLoad();
}

void ProjectCommands::OpenDroppedProject(const std::string& path) {
    // A drop is easily made by mistake: unlike the open dialog it offers to keep the work first.
    const Answer answer =
        dialogs_.Ask("Soll das aktuelle Projekt gespeichert werden, bevor ein anderes geöffnet wird?", true);
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes && !SaveAll()) return;
    OpenProjectFile(path);
}

void ProjectCommands::OpenSampleProject() {
    FinishTabChange();
    view_.LeaveTab();
    if (!LoadProject(project_, "sample", dialogs_)) return;
    project_.ProjectFileName.clear();
    AfterLoad();
}

bool ProjectCommands::SaveAll() {
    if (project_.ProjectFileName.empty()) return SaveAs();
    return SaveProject(project_, dialogs_);
}

bool ProjectCommands::SaveAs() {
    const std::optional<std::string> path = dialogs_.ChooseFileToSave();
    if (!path) return false;
    project_.ProjectFileName = *path;
    return SaveProject(project_, dialogs_);
}

void ProjectCommands::RenameProject() {
    project_.ProjectName = dialogs_.AskText(
        "Projekt umbennennen", "Bitte geben Sie einen neuen Namen für das Projekt ein:", project_.ProjectName);
    view_.UpdateWindowTitle();
}

void ProjectCommands::NewTab() {
    FinishTabChange();
    if (CreateTab(project_, "unbenannt", dialogs_)) view_.ShowTabs(project_.ActiveTab);
}

void ProjectCommands::DuplicateTab() {
    FinishTabChange();
    const int source = project_.ActiveTab;
    if (!CreateTab(project_, "Kopie von " + project_.tabs[source].caption, dialogs_)) return;
    CopyTabContents(project_.tabs[source], project_.tabs[project_.TabCount - 1]);
    view_.ShowTabs(source);
}

void ProjectCommands::DeleteTab() {
    if (project_.TabCount <= 1) return;
    if (dialogs_.Ask("Soll das Tab wirklich gelöscht werden?", false) != Answer::Yes) return;
    FinishTabChange();
    view_.LeaveTab();
    const int s = project_.ActiveTab;
    for (int k = s + 1; k < project_.TabCount; ++k) {
        CopyTabContents(project_.tabs[k], project_.tabs[k - 1]);
        project_.tabs[k - 1].caption = project_.tabs[k].caption;
    }
    --project_.TabCount;
    // The tab before the deleted one is shown, or the new first tab.
    const int shown = s > 0 ? s - 1 : 0;
    ShowTab(project_, shown, -1);
    view_.ShowTabs(shown);
    view_.RefreshChargeTable();
    view_.RequestRedraw(true);
}

void ProjectCommands::RenameTab() {
    FinishTabChange();
    FieldTab& tab = project_.Active();
    tab.caption = dialogs_.AskText("Tab umbennennen", "Bitte geben Sie einen neuen Namen für das Tab ein:", tab.caption);
    view_.ShowTabs(project_.ActiveTab);
}

void ProjectCommands::ChangeTab(int index) {
    const bool waiting = TabChangeWaiting();
    waitingTab_ = index;
    if (waiting) return;
    view_.AppendLog("start");
    const int change = ++tabChanges_;
    view_.WaitForViews([this, change] {
        if (change == tabChanges_) FinishTabChange();
    });
}

void ProjectCommands::FinishTabChange() {
    if (!TabChangeWaiting()) return;
    const int index = waitingTab_;
    waitingTab_ = -1;
    view_.LeaveTab();
    project_.ActiveTab = index;
    FieldTab& tab = project_.Active();
    for (int i = 0; i < tab.ChargeCount; ++i) project_.ChargeSelected[i] = false;
    view_.RefreshChargeTable();
    view_.RequestRedraw(true);
    view_.AppendLog("stop");
}

bool ProjectCommands::MayClose() {
    const Answer answer =
        dialogs_.Ask("Soll das aktuelle Projekt gespeichert werden, bevor das Programm beendet wird?", true);
    if (answer == Answer::Cancel) return false;
    // The user asked to keep the project: without a save the program stays open.
    if (answer == Answer::Yes) return SaveAll();
    return true;
}

}  // namespace voltaris
