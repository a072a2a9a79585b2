// SPDX-License-Identifier: GPL-3.0-or-later
// The top view's mouse: hover readout and level plane, selecting and dragging charges,
// resizing at the rim, grabbing the particle start and panning, driven by mouse events on
// the view window while the views draw.
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "model/charge_editing.h"
#include "model/number_format.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

class TopViewMouseTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    FieldTab& Tab() { return w.project.Active(); }
    GraphEngine& TopView() { return *w.form->Views().Engine2D(); }
    ViewWindow& Window() { return w.form->Views().Window2D(); }
    float U() const { return w.project.unitLength; }

    // Mouse events straight to the view window (the application would drop a second move to
    // the same position, which the handlers need: they read what the latest frame picked).
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, Window().mapToGlobal(at), button, held, modifiers);
        QCoreApplication::sendEvent(&Window(), &event);
    }
    void Move(QPoint at) { Send(QEvent::MouseMove, at); }
    void Press(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
    }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton); }
    void Leave() {
        QEvent leaving(QEvent::Leave);
        QCoreApplication::sendEvent(&Window(), &leaving);
    }
    // Moves the mouse to `at` and lets the view pick the point there; a second move then sees
    // that point. Returns it, graph units.
    QPointF Hover(QPoint at) {
        Move(at);
        [&] { QVERIFY(WaitForFrames(TopView(), 3)); }();
        Move(at);
        return {TopView().pickedX, TopView().pickedZ};
    }
    QPoint Pixel(double fx, double fy) { return QPoint(int(Window().width() * fx), int(Window().height() * fy)); }
    void SetCharges(std::initializer_list<Charge> charges) {
        Tab().ChargeCount = 0;
        for (const Charge& c : charges) {
            w.project.ChargeSelected[Tab().ChargeCount] = false;
            Tab().charges[Tab().ChargeCount++] = c;
        }
        w.form->RefreshChargeTable();
        w.form->RequestRedraw(true);
    }
    Charge At(QPointF graph, float radius) {
        return Charge{1e-10, float(graph.x() * U()), float(graph.y() * U()), radius * U()};
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() {
        QVERIFY(w.StartActive());
        SetCharges({});
    }
    void cleanup() { w.Stop(); }

    void hoveringShowsTheReadoutAndTheLevelPlane() {
        SetCharges({Charge{4e-10, 2, 2, 0.5f}});
        const QPointF p = Hover(Pixel(0.5, 0.5));
        QVERIFY(InsideSquareOf(p));
        auto* status = w.Control<QLabel>("StatusPanel1");
        const QString text = status->text();
        QVERIFY2(text.startsWith("X: ") && text.contains(" m ,Y: ") && text.contains(" m , Z: ") &&
                     text.endsWith(" V (J/C)"),
                 qPrintable(text));
        GraphEngine& view3D = *w.form->Views().Engine3D();
        QVERIFY(view3D.planeHeight > -99);
        QCOMPARE(int(view3D.pickX), -996);

        // Beyond the square: no level plane, the readout stays.
        const QPointF corner = Hover(QPoint(1, 1));
        QVERIFY(!InsideSquareOf(corner));
        QCOMPARE(float(view3D.planeHeight), -100.0f);
        QCOMPARE(status->text(), text);
    }

    // Leaving the view takes along the cross-hair, the level plane, the mirrored pointer and
    // the readout; not while the view's pop-up menu holds the mouse (its command adds at the
    // picked point), but once it closed. A new project drops the old field's plane as well.
    void pointerItemsGoWhenTheMouseLeavesTheView() {
        QCursor::setPos(w.form->geometry().bottomRight() + QPoint(40, 40));
        SetCharges({Charge{4e-10, 2, 2, 0.5f}});
        GraphEngine& view3D = *w.form->Views().Engine3D();
        auto* status = w.Control<QLabel>("StatusPanel1");
        auto shown = [&] { return TopView().pickX > -900 && view3D.planeHeight > -99 && !status->text().isEmpty(); };
        auto gone = [&] {
            return TopView().pickX <= -900 && view3D.pickX <= -900 && view3D.planeHeight == -100 &&
                   TopView().markX == -100 && status->text().isEmpty();
        };

        QVERIFY(InsideSquareOf(Hover(Pixel(0.5, 0.5))));
        QVERIFY(shown());
        QMenu* menu = w.form->Charges().Popup(true);
        menu->popup(Window().mapToGlobal(Pixel(0.5, 0.5)));
        QVERIFY(WaitUntil([&] { return menu->isVisible(); }, 5000));
        Leave();
        QVERIFY(shown());
        menu->hide();
        QVERIFY(WaitUntil(gone, 2000));
        QTest::qWait(200);  // the pointer's own events of the menu's closing

        Hover(Pixel(0.55, 0.5));  // a pixel not picked before: the view picks anew
        TopView().markX = 5;      // as a hover over the 3D view leaves it
        QVERIFY(shown());
        Leave();
        QVERIFY(gone());

        view3D.planeHeight = 3;
        TopView().markX = 5;
        TopView().markZ = 5;
        w.dialogs.answers = {Answer::No};
        w.Action("NeuesProjekt1")->trigger();
        QCOMPARE(float(view3D.planeHeight), -100.0f);
        QCOMPARE(float(TopView().markX), -100.0f);
        QCOMPARE(float(TopView().markZ), -100.0f);
    }

    void aSelectedChargeIsDraggedAndTheTableFollows() {
        const QPointF a = Hover(Pixel(0.45, 0.5));
        const QPoint bPixel = Pixel(0.6, 0.35);
        SetCharges({At(a, 0.5f), Charge{-1e-10, 0.5f * U(), 0.5f * U(), 0.3f * U()}});
        QVERIFY(InsideSquareOf(a));

        // A first press selects it (and pans), a second one inside it moves it.
        Hover(Pixel(0.45, 0.5));
        Press(Pixel(0.45, 0.5));
        Release(Pixel(0.45, 0.5));
        QVERIFY(w.project.ChargeSelected[0] && !w.project.ChargeSelected[1]);
        QVERIFY(w.form->Views().Shared().published.Read().chargeSelected[0]);

        Press(Pixel(0.45, 0.5));
        const QPointF b = Hover(bPixel);
        QVERIFY(std::abs(Tab().charges[0].x - b.x() * U()) < 1e-3 * U());
        QVERIFY(std::abs(Tab().charges[0].y - b.y() * U()) < 1e-3 * U());
        // Out of the view and back to the same pixel, the button held: the charge waits, then
        // sits on the point picked there anew (the charge now under the pixel moves it a bit).
        Leave();
        QVERIFY(WaitForFrames(TopView(), 3));
        const QPointF back = Hover(bPixel);
        QVERIFY(std::hypot(back.x() - b.x(), back.y() - b.y()) < 0.1);
        QVERIFY(std::abs(Tab().charges[0].x - back.x() * U()) < 1e-3 * U());
        QVERIFY(std::abs(Tab().charges[0].y - back.y() * U()) < 1e-3 * U());
        QCOMPARE(Tab().charges[1].x, 0.5f * U());
        Release(bPixel);
        auto* grid = w.Control<QTableWidget>("StringGridDB");
        QCOMPARE(grid->item(3, 1)->text(), QString::fromStdString(FormatGeneral(Tab().charges[0].x, 3)));

        // Delete then J removes what the top view selected.
        QTest::keyClick(w.form->windowHandle(), Qt::Key_Delete);
        QTest::keyClick(w.form->windowHandle(), Qt::Key_J);
        QCOMPARE(Tab().ChargeCount, 1);
        QCOMPARE(Tab().charges[0].amount, -1e-10);
    }

    void theRimOfASelectedChargeSetsItsRadius() {
        const QPointF centre = Hover(Pixel(0.5, 0.5));
        const QPointF rim = Hover(Pixel(0.6, 0.5));
        const float radius = float(std::hypot(rim.x() - centre.x(), rim.y() - centre.y()));
        QVERIFY(radius > 0.5f);
        SetCharges({At(centre, radius)});
        w.project.ChargeSelected[0] = true;
        w.form->Views().PublishScene();

        const QPointF onRim = Hover(Pixel(0.6, 0.5));
        Press(Pixel(0.6, 0.5));
        const ViewInteraction drag = w.form->Views().Shared().published.Read().interaction;
        QVERIFY2(drag.radiusDragging && drag.radiusDragCharge == 0,
                 qPrintable(QString("rim picked at %1,%2").arg(onRim.x()).arg(onRim.y())));
        const QPointF outer = Hover(Pixel(0.7, 0.5));
        Release(Pixel(0.7, 0.5));
        const float expected = float(std::hypot(outer.x() - centre.x(), outer.y() - centre.y())) * U();
        QVERIFY(std::abs(Tab().charges[0].radius - expected) < 1e-3f * U());
        QVERIFY(!w.form->Views().Shared().published.Read().interaction.radiusDragging);
        // The charge stayed where it was and selected.
        QVERIFY(std::abs(Tab().charges[0].x - centre.x() * U()) < 1e-4 * U());
        QVERIFY(w.project.ChargeSelected[0]);
    }

    void aPressOnNothingPansTheView() {
        const QPointF p = Hover(Pixel(0.5, 0.5));
        QVERIFY(InsideSquareOf(p));
        const float panX = TopView().panX, panY = TopView().panY;
        Press(Pixel(0.5, 0.5));
        Move(Pixel(0.5, 0.5) + QPoint(20, -10));
        QVERIFY(std::abs(TopView().panX - (panX + 0.1f)) < 1e-5);
        QVERIFY(std::abs(TopView().panY - (panY + 0.05f)) < 1e-5);
        QCOMPARE(int(TopView().pickX), -995);
        Release(Pixel(0.5, 0.5) + QPoint(20, -10));
        Move(Pixel(0.5, 0.5));
        QVERIFY(std::abs(TopView().panX - (panX + 0.1f)) < 1e-5);
    }

    void theParticleStartIsGrabbedOnlyWhileTheParticleIsOn() {
        const QPointF start = Hover(Pixel(0.4, 0.6));
        Tab().ParticleCount = 1;
        Tab().particles[0].x = float(start.x() * U());
        Tab().particles[0].y = float(start.y() * U());
        const float panX = TopView().panX;

        w.form->Views().Shared().switches.ParticleEnabled = false;
        w.form->Views().PublishScene();
        Hover(Pixel(0.4, 0.6));
        Press(Pixel(0.4, 0.6));
        Move(Pixel(0.4, 0.6) + QPoint(10, 0));
        Release(Pixel(0.4, 0.6) + QPoint(10, 0));
        QVERIFY(TopView().panX != panX);  // panned instead
        QCOMPARE(Tab().particles[0].x, float(start.x() * U()));

        w.form->Views().Shared().switches.ParticleEnabled = true;
        w.form->Views().PublishScene();
        const QPointF again = Hover(Pixel(0.4, 0.6));
        Tab().particles[0].x = float(again.x() * U());
        Tab().particles[0].y = float(again.y() * U());
        Press(Pixel(0.4, 0.6));
        const QPointF moved = Hover(Pixel(0.55, 0.45));
        Release(Pixel(0.55, 0.45));
        QVERIFY(std::abs(Tab().particles[0].x - moved.x() * U()) < 1e-3 * U());
        QVERIFY(std::abs(Tab().particles[0].y - moved.y() * U()) < 1e-3 * U());
    }

private:
    static bool InsideSquareOf(QPointF p) { return p.x() >= 0 && p.x() <= 10 && p.y() >= 0 && p.y() <= 10; }
};

QTEST_MAIN(TopViewMouseTest)
#include "top_view_mouse_test.moc"
