#include "support/view_test_support.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QScreen>
#include <QSet>
#include <QTest>

#include "engine/gl/graph_engine.h"
#include "engine/gui/graph_views.h"
#include "engine/gui/view_window.h"

namespace voltaris::test {

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
