// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAction>
#include <QTabBar>
#include <memory>

#include "app/form1.h"
#include "doubles/scripted_dialogs.h"
#include "support/scripted_output.h"

namespace voltaris::test {

// A main window started without the splash, its views drawing and the sample project open,
// with every dialog answered by the test.
struct WindowFixture {
    Project project = Project::Initial();
    ScriptedDialogs dialogs;
    ScriptedOutput output;
    bool usageReport = false;  // tests that want the report switch it on before Start
    std::unique_ptr<Form1> form;

    // Shows the window and waits for its first show to finish; false on a timeout.
    bool Start();
    // Start, then make the window the active one, where keys and shortcuts act.
    bool StartActive();
    void Stop();

    QAction* Action(const char* name) const;  // a menu command by its object name
    QTabBar* TabStrip() const;
    // Selects tab `index` in the strip and waits until the window shows it (the change waits
    // for frames of both views first); false on a timeout.
    bool ShowTab(int index);
    template <class Widget>
    Widget* Control(const char* name) const {
        return form->findChild<Widget*>(name);
    }
    // Lets both views draw until each has more than 200 frames (the tab change waits then).
    bool DrawPast200Frames();
};

}  // namespace voltaris::test
