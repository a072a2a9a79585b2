// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

#include "app/interface_language.h"

namespace voltaris {

// The program's command line: voltaris [--no-splash] [--no-usage-report] [--lang de|en] [FILE]
struct AppOptions {
    bool showSplash = true;   // --no-splash starts without the splash window
    bool usageReport = true;  // --no-usage-report: sends no usage report
    QString projectFile;      // opened after the start as "Projekt öffnen" would; empty: none
    std::optional<InterfaceLanguage> language;  // --lang de|en; nothing: as the system's language
};

// Answers --help and --version on stdout before any window or display connection exists.
// Returns the exit status when one of them was given, nothing otherwise.
std::optional<int> AnswerInfoOptions(int argc, char** argv);

// Reads the arguments Qt has left (it takes its own, such as -platform, first). An unknown
// option, a language other than de or en, or a second file gives nothing and sets `error`.
std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, QString* error = nullptr);

}  // namespace voltaris
