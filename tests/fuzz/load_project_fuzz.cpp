// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the project file reader. Besides crashes and undefined behaviour
// it checks what the reader promises:
//  - a failed load leaves the project as it was;
//  - a loaded project stays within the capacities and shows its first tab;
//  - whatever was loaded is written as a file that reads back and writes the same text again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../doubles/scripted_dialogs.h"
#include "model/project_file.h"
#include "model/psf_reader.h"

namespace {

using namespace voltaris;
using test::ScriptedDialogs;

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "load_project_fuzz: %s\n", what);
    std::abort();
}

// The project a load starts from: the sample with a file name, so that slots the input does
// not mention keep recognisable contents.
const Project& StartingProject() {
    static const Project project = [] {
        Project p = Project::Initial();
        ScriptedDialogs dialogs;
        Require(LoadProject(p, "sample", dialogs), "the sample does not load");
        p.ProjectFileName = "vorher.psf";
        return p;
    }();
    return project;
}

bool WithinCapacities(const Project& p) {
    if (p.TabCount < 1 || p.TabCount > MaxTabs || p.ActiveTab != 0) return false;
    for (int t = 0; t < p.TabCount; ++t) {
        const FieldTab& tab = p.tabs[t];
        if (tab.ChargeCount < 0 || tab.ChargeCount > MaxChargesPerTab) return false;
        if (tab.ParticleCount < 0 || tab.ParticleCount > MaxParticleSlots) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Project& start = StartingProject();
    static const std::string startText = ProjectFileText(start);

    Project project = start;
    ScriptedDialogs dialogs;
    const bool loaded =
        LoadProjectFromText(project, std::string(reinterpret_cast<const char*>(data), size), "fuzz.psf", dialogs);
    if (!loaded) {
        Require(dialogs.Shown() == 1, "a failed load must say why, once");
        Require(ProjectFileText(project) == startText && project.ActiveTab == start.ActiveTab &&
                    project.unitLength == start.unitLength && project.ProjectFileName == start.ProjectFileName,
                "a failed load changed the project");
        return 0;
    }
    Require(dialogs.Shown() <= 1, "more than one message for one load");
    Require(WithinCapacities(project), "loaded beyond the capacities");
    Require(project.ProjectFileName == start.ProjectFileName, "loading changed the file name");

    const std::string written = ProjectFileText(project);
    Project again = start;
    ScriptedDialogs quiet;
    Require(LoadProjectFromText(again, written, "fuzz.psf", quiet), "a written project does not read back");
    Require(quiet.Shown() == 0, "reading a written project complained");
    Require(ProjectFileText(again) == written, "a written project does not write the same text again");
    return 0;
}
