// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QApplication>

#include "model/user_dialogs.h"

namespace voltaris {

// The application object: an exception that escapes a command (a number that does not
// parse, say) is shown in the standard error box and the program goes on.
class VoltarisApplication : public QApplication {
public:
    VoltarisApplication(int& argc, char** argv);
    void SetDialogs(UserDialogs* dialogs) { dialogs_ = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    UserDialogs* dialogs_ = nullptr;
};

}  // namespace voltaris
