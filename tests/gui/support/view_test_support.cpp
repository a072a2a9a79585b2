// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/view_test_support.h"

#include <QHBoxLayout>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QScreen>
#include <QSet>
#include <QTest>

#include "engine/graph_engine.h"
#include "engine/gui/graph_views.h"
#include "engine/gui/view_window.h"
#include "model/project_file.h"

namespace voltaris::test {

QString OpenGLUnusableReason() {
    const QSurfaceFormat wanted = ViewSurfaceFormat();
    QOffscreenSurface surface;
    surface.setFormat(wanted);
    surface.create();
    if (!surface.isValid()) return "the platform offers no surface for OpenGL";
    QOpenGLContext context;
    context.setFormat(wanted);
    if (!context.create()) return "no OpenGL context can be created";
    if (context.isOpenGLES()) return "only OpenGL ES is offered, the views need desktop OpenGL";
    if (context.format().profile() == QSurfaceFormat::CoreProfile)
        return "only a core-profile context is offered, the views draw with the fixed pipeline";
    if (!context.makeCurrent(&surface)) return "the OpenGL context cannot be made current";
    context.doneCurrent();
    return {};
}

std::unique_ptr<QWidget> ShowViewsDrawing(GraphViews& views) {
    auto host = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(host.get());
    layout->addWidget(QWidget::createWindowContainer(&views.Window3D()));
    layout->addWidget(QWidget::createWindowContainer(&views.Window2D()));
    host->resize(640, 320);
    host->show();
    if (!QTest::qWaitForWindowExposed(host.get())) return nullptr;
    views.CreateEngines();
    views.RequestRedraw(true);
    if (!WaitForFrames(*views.Engine3D(), 3) || !WaitForFrames(*views.Engine2D(), 3)) return nullptr;
    return host;
}

bool ViewsFixture::Start() {
    project = Project::Initial();
    if (!LoadProject(project, "sample", dialogs)) return false;
    views = std::make_unique<GraphViews>(project, dialogs);
    host = ShowViewsDrawing(*views);
    return host != nullptr;
}

void ViewsFixture::Stop() {
    if (views) views->StopDrawing();
    host.reset();  // the containers take the windows with them
    views.reset();
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    return QTest::qWaitFor(done, timeoutMs);
}

bool WaitForFrames(GraphEngine& engine, int frames, int timeoutMs) {
    const int target = engine.frameCount + frames;
    return WaitUntil([&] { return engine.frameCount >= target; }, timeoutMs);
}

QImage CaptureNextPicture(GraphViews& views, bool threeD, int timeoutMs) {
    QImage picture;
    bool arrived = false;
    QObject receiver;
    views.CaptureNextPicture(threeD, &receiver, [&](const QImage& taken) {
        picture = taken;
        arrived = true;
    });
    WaitUntil([&] { return arrived; }, timeoutMs);
    return picture;
}

QImage GrabView(ViewWindow& window) {
    return window.screen()->grabWindow(window.winId()).toImage();
}

int DistinctColours(const QImage& image, int enough) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            colours.insert(image.pixel(x, y));
            if (colours.size() >= enough) return enough;
        }
    }
    return colours.size();
}

}  // namespace voltaris::test
