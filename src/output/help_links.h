// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's links to the outside: its help document and its website, handed to the
// desktop, which opens them with the user's PDF viewer or browser.
#include <string>
#include <vector>

#include "model/user_dialogs.h"

namespace voltaris {

// Opens documents and web pages with the desktop's default programs. Nothing is reported
// when the desktop cannot open one.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    virtual void OpenFile(const std::string& path) = 0;
    virtual void OpenWebPage(const std::string& url) = 0;
};

// The help documents, looked for in the program's folder: the German guide and the English
// handbook.
constexpr const char* HelpFileName = "Facharbeit.pdf";
constexpr const char* EnglishHelpFileName = "Handbook.pdf";
constexpr const char* HelpMissingQuestion =
    "Die Datei \"Facharbeit.pdf\" konnte in diesem Ordner nicht gefunden werden.\r\n"
    "Soll die Datei aus dem Internet heruntergeladen werden?";

// Where an installed program keeps its help document, relative to the program's folder
// ("../share/doc/voltaris" for /usr/bin/voltaris).
std::string InstalledHelpFolder(const std::string& programFolder);

// Opens the first of `fileNames` found, each looked for in `programFolder`, then in the installed
// documentation folder; without any asks whether to download it and, unless the answer is No,
// opens the download page.
void OpenHelp(const std::string& programFolder, UserDialogs& dialogs, DesktopOpener& opener,
              const std::vector<std::string>& fileNames = {HelpFileName});

// Opens the product's website.
void OpenWebsite(DesktopOpener& opener);

}  // namespace voltaris
