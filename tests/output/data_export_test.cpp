// SPDX-License-Identifier: GPL-3.0-or-later
// The data export writes what voltaris-cli prints for the same tab.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_runner.h"
#include "doubles/scripted_dialogs.h"
#include "model/project_file.h"
#include "output/tab_data_export.h"

using namespace voltaris;

namespace {

// The tool's output without its "#" lines.
std::string CliRows(const std::string& arguments) {
    std::string text;
    test::RunCli(arguments, text);
    std::istringstream in(text);
    std::string rows;
    for (std::string line; std::getline(in, line);)
        if (line.empty() || line[0] != '#') rows += line + "\n";
    return rows;
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(DataExport, TheFilesHoldWhatTheCommandLineToolPrints) {
    if (!std::filesystem::exists(VOLTARIS_CLI)) GTEST_SKIP() << "voltaris-cli is not built";
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "voltaris_data_export_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    Project project = Project::Initial();
    test::ScriptedDialogs dialogs;
    ASSERT_TRUE(LoadProject(project, "sample", dialogs));
    ShowTab(project, 0, -1);
    const double dtBefore = project.Active().particles[0].dt;
    ParticleSwitches switches;
    switches.BremsstrahlungEnabled = true;
    switches.BremsstrahlungFactor = 1e4;

    ASSERT_FALSE(ExportTabData(project, switches, folder.string()));
    EXPECT_EQ(FileText(folder / EquipotentialsCsvName), CliRows("lines sample 1 equipotential"));
    EXPECT_EQ(FileText(folder / FieldLinesCsvName), CliRows("lines sample 1 field"));
    EXPECT_EQ(FileText(folder / PathCsvName), CliRows("path sample 1 --bremsstrahlung 1e4 --energy"));
    EXPECT_EQ(project.Active().particles[0].dt, dtBefore);  // the export changed nothing

    const auto failure = ExportTabData(project, switches, (folder / "fehlt").string());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, (folder / "fehlt").string() + "/" + EquipotentialsCsvName);
    EXPECT_FALSE(failure->reason.empty());
    std::filesystem::remove_all(folder);
}
