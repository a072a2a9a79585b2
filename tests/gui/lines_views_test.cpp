// SPDX-License-Identifier: GPL-3.0-or-later
// The lines and the particle path in the running views: switched on, the traced lines of a
// sample tab appear in both views, and the Bohr orbit of the first sample tab is a closed path.
// The path store's header comes first: its members named `slots` must not meet Qt's macro.
#include "field/line_store.h"
#include "particle/path_store.h"
#include "render/scene_state.h"

namespace {
const voltaris::PathSlot& FirstPath(const voltaris::PathSet& set) { return set.slots[0]; }
}  // namespace

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <cmath>

#include "engine/gui/graph_views.h"
#include "engine/gui/view_window.h"
#include "support/view_test_support.h"

using namespace voltaris;
using namespace voltaris::test;

namespace {

int CountPixels(const QImage& image, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y));
    }
    return n;
}

bool IsRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; }
bool IsViolet(QRgb p) { return qRed(p) > 80 && qRed(p) < 125 && qGreen(p) < 40 && qBlue(p) > 220; }

int TabNamed(const Project& project, const std::string& caption) {
    for (int t = 0; t < project.TabCount; ++t) {
        if (project.tabs[t].caption == caption) return t;
    }
    return -1;
}

}  // namespace

class LinesViewsTest : public QObject {
    Q_OBJECT

    ViewsFixture v;
    Project& project = v.project;
    GraphViews* views = nullptr;

    // Shows a tab as the tab strip does and waits until both views have drawn it.
    void Show(int tab) {
        ShowTab(project, tab, ScrollPositionOfResolution(project.tabs[tab].Resolution));
        views->RequestRedraw(true);
        QVERIFY(WaitForFrames(*views->Engine3D(), 3));
        QVERIFY(WaitForFrames(*views->Engine2D(), 3));
    }

    // Rebuilds and waits until the 3D engine has served the request and both views have drawn
    // a few frames since.
    void RedrawAndWait() {
        views->RequestRedraw(false);
        QVERIFY(WaitUntil([&] { return !views->Engine3D()->linesDirty; }));
        QVERIFY(WaitForFrames(*views->Engine3D(), 3));
        QVERIFY(WaitForFrames(*views->Engine2D(), 3));
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() {
        QVERIFY(v.Start());
        views = v.views.get();
    }

    void cleanup() { v.Stop(); }

    void switchedOnEquipotentialsShowInBothViews() {
        const int tab = TabNamed(project, "Ladungsgebirge");
        QVERIFY(tab >= 0);
        Show(tab);
        GraphEngine* engines[] = {views->Engine3D(), views->Engine2D()};
        ViewWindow* windows[] = {&views->Window3D(), &views->Window2D()};
        int redBefore[2];
        for (int v = 0; v < 2; ++v) redBefore[v] = CountPixels(GrabView(*windows[v]), IsRed);

        for (GraphEngine* e : engines) {
            e->showEquipotentials = true;
            e->showFieldLines = true;
        }
        views->Shared().EquipotentialsWanted = true;
        views->Shared().FieldLinesWanted = true;
        RedrawAndWait();

        int lines = -1;
        ProcessTracedStores().equipotentials.Read([&](const LineSet& v) { lines = v.Last() + 1; });
        QVERIFY2(lines >= 9, "a line round each of the nine charges at least");
        for (int v = 0; v < 2; ++v) {
            const int red = CountPixels(GrabView(*windows[v]), IsRed);
            QVERIFY2(red > redBefore[v] + 300, qPrintable(windows[v]->objectName() + QString(": %1 red pixels, %2 before")
                                                                                    .arg(red)
                                                                                    .arg(redBefore[v])));
        }
    }

    void theBohrOrbitIsAClosedPath() {
        const int tab = TabNamed(project, "Verifizierung der Bohr'schen Postulate (a0, v0)");
        QVERIFY(tab >= 0);
        Show(tab);
        const int violetBefore = CountPixels(GrabView(views->Window2D()), IsViolet);
        QSignalSpy built(views, &GraphViews::pathBuilt);
        ParticleSwitches on;
        on.ParticleEnabled = true;
        views->PublishParticleSwitches(on);
        RedrawAndWait();
        QVERIFY(built.count() > 0 || built.wait(10000));

        // The electron comes back to where it started after going round the nucleus.
        const FieldTab& t = project.Active();
        const float cx = t.charges[0].x / project.unitLength, cz = t.charges[0].y / project.unitLength;
        int points = 0;
        float farthest = 0, closestReturn = 1e9f;
        ProcessTracedStores().paths.Read([&](const PathSet& set) {
            const PathSlot& path = FirstPath(set);
            points = path.PathFloatCount / 3;
            if (points < 2) return;
            const float* p = path.PathPoints.data();
            for (int k = 3; k < path.PathFloatCount; k += 3) {
                const float fromStart = std::hypot(p[k] - p[0], p[k + 2] - p[2]);
                farthest = std::max(farthest, fromStart);
                if (farthest > 2) closestReturn = std::min(closestReturn, fromStart);
            }
            // Round the nucleus at about the same distance all the way.
            const float r0 = std::hypot(p[0] - cx, p[2] - cz);
            for (int k = 0; k < path.PathFloatCount; k += 3) {
                QVERIFY(std::fabs(std::hypot(p[k] - cx, p[k + 2] - cz) - r0) < 0.1f * r0);
            }
        });
        QVERIFY2(points > 20, qPrintable(QString::number(points)));
        QVERIFY2(farthest > 5, "the orbit spans the nucleus");
        QVERIFY2(closestReturn < 0.3f, qPrintable(QString::number(closestReturn)));

        const int violet = CountPixels(GrabView(views->Window2D()), IsViolet);
        QVERIFY2(violet > violetBefore + 100, qPrintable(QString("%1 violet pixels").arg(violet)));
    }
};

QTEST_MAIN(LinesViewsTest)
#include "lines_views_test.moc"
