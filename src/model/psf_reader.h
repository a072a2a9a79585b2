// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "model/project.h"
#include "model/user_dialogs.h"

namespace voltaris {

// The reader behind LoadProject: parses the bytes of a project file (UTF-8, or Windows-1252
// as older files were written) into `project` with the same rules and the same all-or-nothing
// outcome. `fileName` names the source in messages. Also used by the fuzz target.
bool LoadProjectFromText(Project& project, std::string text, const std::string& fileName, UserDialogs& dialogs);

}  // namespace voltaris
