// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/voltaris_application.h"

#include <QLocale>
#include <exception>

#include "app/interface_language.h"
#include "model/project.h"

namespace voltaris {

VoltarisApplication::VoltarisApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(ApplicationTitle);
    // The desktop shows the window with the menu entry's name and icon.
    setDesktopFileName("example.voltaris.Voltaris");
    // Numbers are written and read with the decimal comma whatever the user's settings;
    // our own formatting does that already, this covers what Qt formats itself.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    InstallGermanTexts(*this);
}

bool VoltarisApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (dialogs_) dialogs_->ShowError(error.what());
    }
    return false;
}

}  // namespace voltaris
