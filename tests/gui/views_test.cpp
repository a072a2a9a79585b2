// SPDX-License-Identifier: GPL-3.0-or-later
// The two views drawn by their own threads: frames reach the screen, pausing really stops
// a view without losing requests, the tab-change wait never hangs on a paused view, and a
// context that cannot be bound is reported instead of drawing.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "engine/gui/frame_thread.h"
#include "engine/gui/graph_views.h"
#include "engine/gui/view_window.h"
#include "support/view_test_support.h"

using namespace voltaris;
using namespace voltaris::test;

class ViewsTest : public QObject {
    Q_OBJECT

    ViewsFixture v;
    GraphViews* views = nullptr;

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() {
        QVERIFY(v.Start());
        views = v.views.get();
    }

    void cleanup() { v.Stop(); }

    void bothViewsPutAPictureOnTheScreen() {
        QVERIFY(v.dialogs.messages.empty());
        for (ViewWindow* window : {&views->Window3D(), &views->Window2D()}) {
            const QImage picture = GrabView(*window);
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.size(), window->size() * window->devicePixelRatio());
            // The coloured surface, the axes and the background: never one flat colour.
            QVERIFY2(DistinctColours(picture) >= 8, qPrintable(window->objectName()));
        }
    }

    void aPausedViewDrawsNothingAndServesItsRequestsOnResuming() {
        GraphEngine& view3D = *views->Engine3D();
        SetRunning(view3D, false);
        // A paused view answers a picture request between frames, so once it has, the frame
        // that was under way (however long its line build took) is over.
        QVERIFY(!CaptureNextPicture(*views, true).isNull());
        const int frozen = view3D.frameCount;
        views->RequestRedraw(true);
        view3D.pendingWidth = 0;
        ReportPanelSize(view3D, 200, 100);
        QTest::qWait(200);
        QCOMPARE(int(view3D.frameCount), frozen);
        QVERIFY(view3D.gridDirty);
        QVERIFY(view3D.linesDirty);
        QCOMPARE(int(view3D.pendingWidth), 200);

        SetRunning(view3D, true);
        QVERIFY(WaitForFrames(view3D, 1));
        QVERIFY(!view3D.gridDirty);
        QVERIFY(!view3D.linesDirty);
        QCOMPARE(int(view3D.pendingWidth), 0);
        views->ReportPanelSize3D(views->Window3D().size());
    }

    void theFrameWaitSkipsAPausedViewAndStillWaitsForTheOther() {
        GraphEngine& view3D = *views->Engine3D();
        GraphEngine& topView = *views->Engine2D();
        SetRunning(view3D, false);
        const int topBefore = topView.frameCount;
        QElapsedTimer clock;
        clock.start();
        bool waited = false;
        views->AfterFrames(5, 10000, views, [&] { waited = true; });
        QVERIFY(WaitUntil([&] { return waited; }));
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(topView.frameCount >= topBefore + 5);

        // Both paused: nothing to wait for at all.
        SetRunning(topView, false);
        waited = false;
        views->AfterFrames(5, 10000, views, [&] { waited = true; });
        QVERIFY(waited);
        views->SetBothRunning(true);
        QVERIFY(WaitForFrames(view3D, 1));
    }

    void theFrameRateReadoutNamesItsEngine() {
        QSignalSpy spy3D(views, &GraphViews::frameRate3D);
        QSignalSpy spy2D(views, &GraphViews::frameRate2D);
        QVERIFY(spy3D.wait(2000));
        QVERIFY(spy2D.count() > 0 || spy2D.wait(2000));
        const QString text = spy3D.takeLast().at(0).toString();
        QVERIFY2(text.startsWith("Engine1: ") && text.contains(" FPS; Total:"), qPrintable(text));
        QVERIFY(spy2D.takeLast().at(0).toString().startsWith("Engine2: "));
    }

    // A window that cannot carry OpenGL stands for a failing context: the thread reports it
    // and ends without a frame.
    void aContextThatCannotBeBoundIsReported() {
        ViewWindow window;
        window.setSurfaceType(QSurface::RasterSurface);
        window.resize(50, 50);
        window.show();
        auto engine = CreateGraphEngine(EngineView::ThreeD);
        SharedScene shared;
        FrameThread thread(*engine, shared.published, window, FrameHooks{});
        QSignalSpy failed(&thread, &FrameThread::contextFailed);
        // The context itself is made (initTestCase saw that this machine can); binding it to
        // the window is what fails, on the drawing thread.
        QVERIFY(thread.Start());
        QVERIFY(failed.wait(5000));
        QVERIFY(thread.wait(5000));
        QCOMPARE(int(engine->frameCount), 0);
    }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
