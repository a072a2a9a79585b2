// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <unistd.h>

#include "doubles/scripted_dialogs.h"
#include "model/project_commands.h"
#include "model/project_file.h"

using namespace voltaris;
using voltaris::test::ScriptedDialogs;

namespace {

class RecordingView : public CommandView {
public:
    int shownTab = -1, titles = 0, refreshes = 0, redraws = 0, waits = 0, leaves = 0;
    std::vector<std::string> log;
    const Project* project = nullptr;
    std::vector<std::string> leftTabs;  // caption of the shown tab whenever it was left
    void ShowTabs(int selected) override { shownTab = selected; }
    void UpdateWindowTitle() override { ++titles; }
    void RefreshChargeTable() override { ++refreshes; }
    void RequestRedraw(bool) override { ++redraws; }
    void AppendLog(const std::string& text) override { log.push_back(text); }
    // The views' frames arrive at once, or when the test lets them (holdFrames).
    bool holdFrames = false;
    std::vector<std::function<void()>> heldWaits;
    void WaitForViews(std::function<void()> then) override {
        ++waits;
        if (holdFrames) {
            heldWaits.push_back(std::move(then));
        } else {
            then();
        }
    }
    void ProjectReplaced() override {}
    void LeaveTab() override {
        ++leaves;
        if (project) leftTabs.push_back(project->Active().caption);
    }
};

struct Fixture : ::testing::Test {
    Project project = Project::Initial();
    ScriptedDialogs dialogs;
    RecordingView view;
    ProjectCommands commands{project, dialogs, view};
    // One folder per process: each case may run in its own process beside the others.
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("voltaris_commands_test_" + std::to_string(::getpid()));

    void SetUp() override {
        view.project = &project;
        std::filesystem::create_directories(dir);
        commands.OpenSampleProject();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

using ProjectCommandsTest = Fixture;

}  // namespace

TEST_F(ProjectCommandsTest, SampleOpensOnItsFirstTabWithoutAFile) {
    EXPECT_EQ(project.ProjectName, "Beispielprojekt");
    EXPECT_EQ(project.TabCount, 14);
    EXPECT_EQ(project.ActiveTab, 0);
    EXPECT_TRUE(project.ProjectFileName.empty());
    EXPECT_EQ(view.shownTab, 0);
    EXPECT_EQ(view.log, (std::vector<std::string>{"start", "stop"}));
}

TEST_F(ProjectCommandsTest, NewProjectCancelKeepsEverythingAndNoGivesOneEmptyTab) {
    dialogs.answers = {Answer::Cancel};
    commands.NewProject();
    EXPECT_EQ(project.TabCount, 14);
    dialogs.answers = {Answer::No};
    commands.NewProject();
    EXPECT_EQ(project.TabCount, 1);
    EXPECT_EQ(project.tabs[0].caption, "Tab1");
    EXPECT_EQ(project.ProjectName, "Unbenannt");
    EXPECT_EQ(project.Active().ParticleCount, 1);
}

TEST_F(ProjectCommandsTest, SavingAskedForButCancelledKeepsTheProjectAndTheProgram) {
    dialogs.answers = {Answer::Yes};  // save first, then the save dialog is cancelled
    commands.NewProject();
    EXPECT_EQ(project.TabCount, 14);
    dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(commands.MayClose());
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(commands.MayClose());
    dialogs.answers = {Answer::No};
    EXPECT_TRUE(commands.MayClose());
}

TEST_F(ProjectCommandsTest, SaveAsThenOpenBringsTheProjectBack) {
    const std::string path = (dir / "projekt.psf").string();
    dialogs.saveFiles = {path};
    EXPECT_TRUE(commands.SaveAll());  // no file yet: the save dialog
    EXPECT_EQ(project.ProjectFileName, path);
    dialogs.answers = {Answer::No};
    commands.NewProject();
    dialogs.openFiles = {path};
    commands.OpenProject();
    EXPECT_EQ(project.TabCount, 14);
    EXPECT_EQ(project.ProjectFileName, path);
    EXPECT_EQ(project.ProjectName, "Beispielprojekt");
}

TEST_F(ProjectCommandsTest, FailedOpenKeepsProjectFileAndShownTab) {
    commands.ChangeTab(3);
    const std::string broken = (dir / "kaputt.psf").string();
    std::ofstream(broken) << "<potential name=\"x\"><feld name=\"a\">";
    dialogs.openFiles = {broken};
    commands.OpenProject();
    EXPECT_EQ(project.TabCount, 14);
    EXPECT_EQ(project.ActiveTab, 3);
    EXPECT_TRUE(project.ProjectFileName.empty());
    EXPECT_EQ(dialogs.errors.size(), 1u);
}

TEST_F(ProjectCommandsTest, DuplicateCopiesTheShownTabAndKeepsItShown) {
    commands.ChangeTab(6);  // "Ladungsgebirge", nine charges
    commands.DuplicateTab();
    ASSERT_EQ(project.TabCount, 15);
    const FieldTab& copy = project.tabs[14];
    EXPECT_EQ(copy.caption, "Kopie von Ladungsgebirge");
    EXPECT_EQ(copy.ChargeCount, 9);
    EXPECT_EQ(copy.charges[8].x, project.tabs[6].charges[8].x);
    EXPECT_EQ(copy.particles[0].speed, project.tabs[6].particles[0].speed);
    EXPECT_EQ(project.ActiveTab, 6);
}

TEST_F(ProjectCommandsTest, TwentyFirstTabIsRefusedWithTheLimitMessage) {
    while (project.TabCount < 20) commands.NewTab();
    EXPECT_EQ(project.ActiveTab, 0);  // new tabs are appended without being shown
    dialogs.Clear();
    commands.DuplicateTab();
    EXPECT_EQ(project.TabCount, 20);
    ASSERT_EQ(dialogs.Shown(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Leider kann das Tab nicht erstellt werden. Es können maximal 20 Tabs erstellt werden.");
}

TEST_F(ProjectCommandsTest, DeletingShowsTheTabBeforeOrTheNewFirstOne) {
    const std::string second = project.tabs[1].caption;
    dialogs.answers = {Answer::No};
    commands.DeleteTab();
    EXPECT_EQ(project.TabCount, 14);
    dialogs.answers = {Answer::Yes};
    commands.DeleteTab();  // the first tab
    EXPECT_EQ(project.TabCount, 13);
    EXPECT_EQ(project.tabs[0].caption, second);
    EXPECT_EQ(project.ActiveTab, 0);
    commands.ChangeTab(12);
    dialogs.answers = {Answer::Yes};
    commands.DeleteTab();  // the last tab
    EXPECT_EQ(project.ActiveTab, 11);
    EXPECT_EQ(project.Active().caption, "Muster 5");
    while (project.TabCount > 1) {
        dialogs.answers = {Answer::Yes};
        commands.DeleteTab();
    }
    commands.DeleteTab();  // the only tab stays, without a question
    EXPECT_EQ(project.TabCount, 1);
}

TEST_F(ProjectCommandsTest, RenamingKeepsTheNameWhenTheBoxIsCancelled) {
    dialogs.texts = {std::nullopt, std::string("Meine Felder")};
    commands.RenameProject();
    EXPECT_EQ(project.ProjectName, "Beispielprojekt");
    commands.RenameProject();
    EXPECT_EQ(project.ProjectName, "Meine Felder");
    dialogs.texts = {std::string("Neu")};
    commands.RenameTab();
    EXPECT_EQ(project.Active().caption, "Neu");
}

TEST_F(ProjectCommandsTest, TabChangeClearsTheSelectionAndLeavesTheOldTab) {
    project.ChargeSelected[0] = true;
    commands.ChangeTab(1);
    EXPECT_FALSE(project.ChargeSelected[0]);
    EXPECT_EQ(view.leaves, 3);  // before the sample is loaded, its own tab change, then this one
    EXPECT_EQ(view.waits, 2);
}

TEST_F(ProjectCommandsTest, ATabChangeWaitsForFramesAndTheLastSelectionWins) {
    view.holdFrames = true;
    commands.ChangeTab(2);
    commands.ChangeTab(4);  // clicked while the first change waits
    EXPECT_EQ(project.ActiveTab, 0);
    EXPECT_TRUE(commands.TabChangeWaiting());
    ASSERT_EQ(view.heldWaits.size(), 1u);
    view.heldWaits[0]();
    EXPECT_EQ(project.ActiveTab, 4);
    EXPECT_EQ(view.log, (std::vector<std::string>{"start", "stop", "start", "stop"}));  // the load's change first

    // Another command shows the waiting tab first; the wait's late end then changes nothing.
    commands.ChangeTab(6);
    commands.NewTab();
    EXPECT_EQ(project.ActiveTab, 6);
    EXPECT_EQ(view.shownTab, 6);
    commands.ChangeTab(1);
    view.heldWaits[1]();
    EXPECT_EQ(project.ActiveTab, 6);
    view.heldWaits[2]();
    EXPECT_EQ(project.ActiveTab, 1);
    EXPECT_FALSE(commands.TabChangeWaiting());
}

TEST_F(ProjectCommandsTest, TheShownTabIsLeftBeforeItsModelIsReplacedOrDeleted) {
    // An alternating voltage running on the shown tab puts its charges back when the tab is
    // left; after a load or a deletion the index would name another tab's charges.
    commands.ChangeTab(6);
    dialogs.answers = {Answer::No};
    commands.NewProject();
    ASSERT_GE(view.leftTabs.size(), 3u);
    EXPECT_EQ(view.leftTabs[view.leftTabs.size() - 2], "Ladungsgebirge");

    commands.OpenSampleProject();
    commands.ChangeTab(3);
    const std::string shown = project.Active().caption;
    view.leftTabs.clear();
    dialogs.answers = {Answer::Yes};
    commands.DeleteTab();
    EXPECT_EQ(view.leftTabs, std::vector<std::string>{shown});

    view.leftTabs.clear();
    dialogs.openFiles = {(dir / "fehlt.psf").string()};
    commands.OpenProject();
    ASSERT_FALSE(view.leftTabs.empty());
    EXPECT_EQ(view.leftTabs[0], project.Active().caption);
}
