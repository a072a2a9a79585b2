// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/help_links.h"

#include <filesystem>

#include "model/platform.h"
#include "output/web_addresses.h"

namespace voltaris {

// The build sets the installed layout; this is the usual one.
#ifndef VOLTARIS_DOC_FROM_BIN
#define VOLTARIS_DOC_FROM_BIN "../share/doc/voltaris"
#endif

std::string InstalledHelpFolder(const std::string& programFolder) {
    return Utf8FromPath((PathFromUtf8(programFolder) / VOLTARIS_DOC_FROM_BIN).lexically_normal());
}

void OpenHelp(const std::string& programFolder, UserDialogs& dialogs, DesktopOpener& opener,
              const std::vector<std::string>& fileNames) {
    // A build tree keeps the documents beside the program, an installed program in its
    // documentation folder.
    for (const std::string& name : fileNames) {
        for (const std::string& folder : {programFolder, InstalledHelpFolder(programFolder)}) {
            const std::filesystem::path path = PathFromUtf8(folder) / name;
            std::error_code ignored;
            if (std::filesystem::is_regular_file(path, ignored)) {
                opener.OpenFile(Utf8FromPath(path));
                return;
            }
        }
    }
    if (dialogs.Ask(HelpMissingQuestion, false) != Answer::No) opener.OpenWebPage(HelpDownloadUrl());
}

void OpenWebsite(DesktopOpener& opener) { opener.OpenWebPage(WebsitePageUrl()); }

}  // namespace voltaris
