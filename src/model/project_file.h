// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "model/project.h"
#include "model/user_dialogs.h"

namespace voltaris {

// Reads a ".psf" file, or the built-in sample when `source` is "sample", into `project`.
// On success the tab list, ProjectName and the tab contents are replaced, tab 0 is shown
// (ShowTab) and the result is true; ProjectFileName is left to the caller. On failure the
// message is shown through `dialogs` and `project` is left exactly as it was.
bool LoadProject(Project& project, const std::string& source, UserDialogs& dialogs);

// Writes the whole project to ProjectFileName (nothing when it is empty). The target is
// replaced only by a completely written file; failure shows
// "Datei <path> kann nicht erstellt werden" and returns false.
bool SaveProject(const Project& project, UserDialogs& dialogs);

// The file text that SaveProject writes (TAB indentation, CR LF, 15-digit numbers).
std::string ProjectFileText(const Project& project);

// The built-in sample project "Beispielprojekt" (14 tabs), as the program holds it.
const std::string& SampleProjectText();

}  // namespace voltaris
