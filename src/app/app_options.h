#pragma once
#include <QStringList>

namespace voltaris {

// Command-line switches of the program.
struct AppOptions {
    bool showSplash = true;   // --no-splash starts without the splash window
    bool usageReport = true;  // --no-usage-report: sends no usage report
};

// Unknown arguments are left to Qt (which has taken its own already).
AppOptions ParseAppOptions(const QStringList& arguments);

}  // namespace voltaris
