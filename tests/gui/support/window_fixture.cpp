// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_fixture.h"

#include <QTest>

#include "support/view_test_support.h"

namespace voltaris::test {

bool WindowFixture::Start() {
    project = Project::Initial();
    form = std::make_unique<Form1>(project, dialogs, Form1::Options{false, usageReport, &output});
    form->show();
    return WaitUntil([this] { return form->Started(); });
}

bool WindowFixture::StartActive() {
    if (!Start()) return false;
    form->activateWindow();
    return QTest::qWaitForWindowActive(form.get());
}

void WindowFixture::Stop() {
    // No closing question when the test ends the window.
    form->Views().StopDrawing();
    form.reset();
}

QAction* WindowFixture::Action(const char* name) const { return form->findChild<QAction*>(name); }

QTabBar* WindowFixture::TabStrip() const { return form->findChild<QTabBar*>("TabControlTabs"); }

bool WindowFixture::ShowTab(int index) {
    TabStrip()->setCurrentIndex(index);
    return WaitUntil([&] { return !form->Commands().TabChangeWaiting() && project.ActiveTab == index; });
}

bool WindowFixture::DrawPast200Frames() {
    GraphViews& views = form->Views();
    return WaitUntil([&] { return views.Engine3D()->frameCount > 200 && views.Engine2D()->frameCount > 200; }, 60000);
}

}  // namespace voltaris::test
