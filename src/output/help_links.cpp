#include "output/help_links.h"

#include <filesystem>

#include "output/web_addresses.h"

namespace voltaris {

void OpenHelp(const std::string& programFolder, UserDialogs& dialogs, DesktopOpener& opener) {
    const std::filesystem::path path = std::filesystem::path(programFolder) / HelpFileName;
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) {
        opener.OpenFile(path.string());
        return;
    }
    if (dialogs.Ask(HelpMissingQuestion, false) != Answer::No) opener.OpenWebPage(HelpDownloadUrl());
}

void OpenWebsite(DesktopOpener& opener) { opener.OpenWebPage(WebsitePageUrl()); }

}  // namespace voltaris
