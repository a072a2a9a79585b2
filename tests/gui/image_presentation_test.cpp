// SPDX-License-Identifier: GPL-3.0-or-later
// The views drawn offscreen and shown as pictures, as under Wine (asked for here by
// VOLTARIS_VIEW_PRESENTATION): the hand-over always gives the newest frame and never writes
// into the one on the screen, and the screen shows what each view draws, also after a resize.
#include <QTest>
#include <QWidget>

#include "engine/gui/graph_views.h"
#include "engine/gui/view_window.h"
#include "support/view_test_support.h"

using namespace voltaris;
using namespace voltaris::test;

namespace {

// Pixels that differ between two pictures of the same size.
int DifferingPixels(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32), right = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) differing += left.pixel(x, y) != right.pixel(x, y);
    return differing;
}

}  // namespace

class ImagePresentationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // Before the first view window exists: the presentation is chosen once.
        qputenv("VOLTARIS_VIEW_PRESENTATION", "image");
        QCOMPARE(ChosenViewPresentation(), ViewPresentation::Image);
    }

    void theHandOverGivesTheNewestFrameAndLeavesTheShownOneAlone() {
        LatestFrame frames;
        QVERIFY(frames.Latest().isNull());
        frames.WriteBuffer(4, 2).fill(Qt::red);
        frames.Publish();
        frames.WriteBuffer(4, 2).fill(Qt::green);  // replaces the red one before it was shown
        frames.Publish();
        QImage& shown = frames.Latest();
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::green));
        for (int frame = 0; frame < 3; ++frame) {
            QImage& next = frames.WriteBuffer(4, 2);
            QVERIFY(&next != &shown);
            next.fill(Qt::blue);
            QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::green));
        }
        QVERIFY(&frames.Latest() == &shown);  // nothing published since
        frames.Publish();
        QCOMPARE(frames.Latest().pixelColor(0, 0), QColor(Qt::blue));
    }

    void theScreenShowsWhatEachViewDrawsAlsoAfterAResize() {
        VOLTARIS_SKIP_WITHOUT_OPENGL();
        ViewsFixture v;
        QVERIFY(v.Start());
        GraphViews& views = *v.views;
        for (int round = 0; round < 2; ++round) {
            if (round == 1) {
                v.host->resize(800, 420);
                QTest::qWait(100);
                views.ReportPanelSize3D(views.Window3D().size());
                views.ReportPanelSize2D(views.Window2D().size());
                QVERIFY(WaitForFrames(*views.Engine3D(), 3) && WaitForFrames(*views.Engine2D(), 3));
            }
            for (bool threeD : {true, false}) {
                ViewWindow& window = threeD ? views.Window3D() : views.Window2D();
                QCOMPARE(window.Presentation(), ViewPresentation::Image);
                // The picture on the screen is the one drawn (on a busy machine it may take
                // longer to get there: asked again).
                QImage drawn, shown;
                const bool same = WaitUntil([&] {
                    drawn = CaptureNextPicture(views, threeD);
                    QTest::qWait(100);  // the frame after it has been painted too
                    shown = GrabView(window);
                    return drawn.size() == shown.size() &&
                           DifferingPixels(drawn, shown) < shown.width() * shown.height() / 100;
                });
                QVERIFY2(same, qPrintable(window.objectName()));
                QCOMPARE(shown.size(), window.size() * window.devicePixelRatio());
                QVERIFY2(DistinctColours(shown) >= 8, qPrintable(window.objectName()));
            }
        }
        QVERIFY(v.dialogs.messages.empty());
        v.Stop();
    }
};

QTEST_MAIN(ImagePresentationTest)
#include "image_presentation_test.moc"
