#include "app/app_options.h"

namespace voltaris {

AppOptions ParseAppOptions(const QStringList& arguments) {
    AppOptions options;
    for (const QString& argument : arguments) {
        if (argument == "--no-splash") options.showSplash = false;
        if (argument == "--no-usage-report") options.usageReport = false;
    }
    return options;
}

}  // namespace voltaris
