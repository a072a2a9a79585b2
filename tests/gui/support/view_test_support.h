// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QString>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>

#include "doubles/scripted_dialogs.h"
#include "model/project.h"

namespace voltaris {
class GraphViews;
class ViewWindow;
struct GraphEngine;
}

namespace voltaris::test {

// Why the views cannot draw here, empty when they can: a context of the views' format
// (compatibility profile) made current on an offscreen surface.
QString OpenGLUnusableReason();

// Skips the whole suite with the reason, up front, where the views cannot draw (instead of
// each function waiting for frames that never come). For initTestCase.
#define VOLTARIS_SKIP_WITHOUT_OPENGL()                                                   \
    do {                                                                                 \
        const QString whyNot = voltaris::test::OpenGLUnusableReason();                   \
        if (!whyNot.isEmpty()) QSKIP(qPrintable("no usable OpenGL context: " + whyNot)); \
    } while (false)

// Waits (processing events) until `done` holds or `timeoutMs` passed; true when it holds.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// Waits until the engine has drawn `frames` more frames.
bool WaitForFrames(GraphEngine& engine, int frames, int timeoutMs = 20000);

// Shows both view windows side by side in a host widget of 640 x 320, creates the engines and
// waits until each has drawn its first frames; the host (which owns the windows' containers)
// is empty on a timeout.
std::unique_ptr<QWidget> ShowViewsDrawing(GraphViews& views);

// The picture the view presents next, as the picture export takes it; null on a timeout.
QImage CaptureNextPicture(GraphViews& views, bool threeD, int timeoutMs = 30000);

// The sample project in both view windows side by side, drawing, every dialog answered by the
// test.
struct ViewsFixture {
    Project project = Project::Initial();
    ScriptedDialogs dialogs;
    std::unique_ptr<GraphViews> views;
    std::unique_ptr<QWidget> host;  // owns the windows' containers: goes before the views

    // Loads the sample and waits until both views have drawn; false when either fails.
    bool Start();
    void Stop();
};

// The view window's pixels as they are on the screen.
QImage GrabView(ViewWindow& window);

// Number of different colours in the image (stops counting at `enough`).
int DistinctColours(const QImage& image, int enough = 16);

}  // namespace voltaris::test
