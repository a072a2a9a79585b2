// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "app/command_line.h"
#include "app/form1.h"
#include "app/interface_language.h"
#include "app/qt_dialogs.h"
#include "app/voltaris_application.h"

int main(int argc, char** argv) {
    using namespace voltaris;
    // --help and --version answer without a display.
    if (const std::optional<int> status = AnswerInfoOptions(argc, argv)) return *status;
    VoltarisApplication application(argc, argv);
    QString error;
    const std::optional<AppOptions> options = ParseAppOptions(application.arguments(), &error);
    if (!options) {
        const QString hint = QCoreApplication::translate("CommandLine", "Try 'voltaris --help'.");
        std::fprintf(stderr, "voltaris: %s\n%s\n", error.toLocal8Bit().constData(), hint.toLocal8Bit().constData());
        return 1;
    }
    SetInterfaceLanguage(options->language.value_or(SystemInterfaceLanguage()));

    // The project lives for the whole run; loading replaces its contents.
    static Project project = Project::Initial();
    QtDialogs dialogs(project);
    application.SetDialogs(&dialogs);

    Form1 form1(project, dialogs,
                Form1::Options{options->showSplash, options->usageReport, nullptr, options->projectFile.toStdString()});
    dialogs.SetParent(&form1);
    form1.show();
    return application.exec();
}
