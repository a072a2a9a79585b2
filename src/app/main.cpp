#include "app/app_options.h"
#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/voltaris_application.h"

int main(int argc, char** argv) {
    using namespace voltaris;
    VoltarisApplication application(argc, argv);
    const AppOptions options = ParseAppOptions(application.arguments());

    // The project lives for the whole run; loading replaces its contents.
    static Project project = Project::Initial();
    QtDialogs dialogs(project);
    application.SetDialogs(&dialogs);

    Form1 form1(project, dialogs, Form1::Options{options.showSplash, options.usageReport});
    dialogs.SetParent(&form1);
    form1.show();
    return application.exec();
}
