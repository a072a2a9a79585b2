// SPDX-License-Identifier: GPL-3.0-or-later
// Input that belongs to the window as a whole: the view keys (also while an edit field has
// the focus), the deletion prompt, Ctrl+Shift+R, the wheel over each view, the splitter and
// the mouse over the window's bare surface.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

namespace {

struct ViewFields {
    float panX, panY, eyeY, scale3D, scale2D;
    int rotation;
};

ViewFields FieldsOf(GraphViews& views) {
    GraphEngine& v3 = *views.Engine3D();
    GraphEngine& v2 = *views.Engine2D();
    return {v2.panX, v2.panY, v3.eyeY, v3.scaleX, v2.scaleY, v3.rotationDeg};
}

}  // namespace

class WindowInputTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    // Keys arrive as from the keyboard: at the window that has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(w.form->windowHandle(), key, modifiers);
    }
    GraphEngine& View3D() { return *w.form->Views().Engine3D(); }
    GraphEngine& TopView() { return *w.form->Views().Engine2D(); }

    void SendWheel(QWidget* over, int delta) {
        const QPoint local(over->width() / 2, over->height() / 2);
        const QPoint global = over->mapToGlobal(local);
        QWindow* target = w.form->windowHandle();
        QWheelEvent wheel(target->mapFromGlobal(global), global, QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &wheel);
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() { QVERIFY(w.StartActive()); }
    void cleanup() { w.Stop(); }

    void eachViewKeyChangesItsField_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("change");
        QTest::newRow("J") << int(Qt::Key_J) << "panX" << 0.015;
        QTest::newRow("L") << int(Qt::Key_L) << "panX" << -0.015;
        QTest::newRow("I") << int(Qt::Key_I) << "panY" << -0.015;
        QTest::newRow("K") << int(Qt::Key_K) << "panY" << 0.015;
        QTest::newRow("A") << int(Qt::Key_A) << "rotation" << 3.0;
        QTest::newRow("D") << int(Qt::Key_D) << "rotation" << -3.0;
        QTest::newRow("W") << int(Qt::Key_W) << "eyeY" << 0.3;
        QTest::newRow("S") << int(Qt::Key_S) << "eyeY" << -0.3;
        QTest::newRow("Q") << int(Qt::Key_Q) << "scale3D" << 0.01;
        QTest::newRow("E") << int(Qt::Key_E) << "scale3D" << -0.01;
        QTest::newRow("U") << int(Qt::Key_U) << "scale2D" << 0.01;
        QTest::newRow("O") << int(Qt::Key_O) << "scale2D" << -0.01;
    }
    void eachViewKeyChangesItsField() {
        QFETCH(int, key);
        QFETCH(QString, field);
        QFETCH(double, change);
        auto value = [&](const ViewFields& f) -> double {
            if (field == "panX") return f.panX;
            if (field == "panY") return f.panY;
            if (field == "eyeY") return f.eyeY;
            if (field == "scale3D") return f.scale3D;
            if (field == "scale2D") return f.scale2D;
            return f.rotation;
        };
        const ViewFields before = FieldsOf(w.form->Views());
        Press(Qt::Key(key));
        const ViewFields after = FieldsOf(w.form->Views());
        QVERIFY(qAbs(value(after) - value(before) - change) < 1e-6);
        // Shift does not change what a letter does.
        Press(Qt::Key(key), Qt::ShiftModifier);
        QVERIFY(qAbs(value(FieldsOf(w.form->Views())) - value(before) - 2 * change) < 1e-6);
    }

    // Typing "1,2E5" into an edit field types it and also zooms the 3D view out once.
    void keysActWhileAnEditFieldHasTheFocus() {
        w.Control<QWidget>("GroupBox1")->show();  // the amount box
        auto* edit = w.Control<QLineEdit>("Edit3");
        edit->setFocus();
        edit->clear();
        QVERIFY(WaitUntil([&] { return edit->hasFocus(); }, 2000));
        const float scale = View3D().scaleX;
        for (const char c : QByteArray("1,2E5")) QTest::keyClick(w.form->windowHandle(), c);
        QCOMPARE(edit->text(), QString("1,2E5"));
        QVERIFY(qAbs(View3D().scaleX - (scale - 0.01f)) < 1e-6);
    }

    // A menu opened with the mouse and closed with Esc leaves the letters to the key table:
    // "D" turns the 3D view instead of opening "&Datei", "E" zooms instead of opening
    // "&Extras". Alt with a letter still opens its menu.
    void lettersReachTheKeyTableAfterAMenuClosed() {
        QMenuBar* bar = w.form->menuBar();
        const QPoint title = bar->actionGeometry(bar->actions().first()).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, title);
        QVERIFY(WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 5000));
        QWidget* menu = QApplication::activePopupWidget();
        QTest::mouseRelease(menu, Qt::LeftButton, {}, menu->mapFromGlobal(bar->mapToGlobal(title)));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTest::qWait(50);

        const ViewFields before = FieldsOf(w.form->Views());
        Press(Qt::Key_D);
        Press(Qt::Key_E);
        QTest::qWait(50);
        QVERIFY(!QApplication::activePopupWidget());
        const ViewFields after = FieldsOf(w.form->Views());
        QCOMPARE(after.rotation, before.rotation - 3);
        QVERIFY(qAbs(after.scale3D - (before.scale3D - 0.01f)) < 1e-6);

        Press(Qt::Key_D, Qt::AltModifier);
        QVERIFY(WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 5000));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    void deleteAsksForJBeforeTheSelectedChargesGo() {
        auto* prompt = w.Control<QLabel>("Label18");
        QVERIFY(w.ShowTab(1));  // "3 positive Ladungen"
        const int count = w.project.Active().ChargeCount;
        QVERIFY(count >= 2);

        // Nothing selected: no prompt, and J pans.
        const float panX = TopView().panX;
        Press(Qt::Key_Delete);
        QVERIFY(!prompt->isVisible() && !w.form->DeletePending());
        Press(Qt::Key_J);
        QVERIFY(qAbs(TopView().panX - (panX + 0.015f)) < 1e-6);

        // Selected, then any other key (Shift alone too) cancels.
        w.project.ChargeSelected[1] = true;
        Press(Qt::Key_Delete);
        QVERIFY(prompt->isVisible() && w.form->DeletePending());
        QTest::keyClick(w.form->windowHandle(), Qt::Key_Shift);
        QVERIFY(!prompt->isVisible() && !w.form->DeletePending());
        Press(Qt::Key_J);
        QCOMPARE(w.project.Active().ChargeCount, count);

        // Delete, then J as the very next key: gone, and the views recompute.
        const float panBefore = TopView().panX;
        Press(Qt::Key_Delete);
        Press(Qt::Key_J);
        QCOMPARE(w.project.Active().ChargeCount, count - 1);
        QVERIFY(!prompt->isVisible() && !w.form->DeletePending());
        QVERIFY(!w.project.ChargeSelected[1]);
        QCOMPARE(float(TopView().panX), panBefore);
    }

    void ctrlShiftRShowsAndHidesTheRenderPage() {
        auto* pages = w.Control<QTabWidget>("PageControl");
        const int render = pages->count() - 1;
        QCOMPARE(pages->tabText(render), QString("Render"));
        QVERIFY(!pages->isTabVisible(render));
        Press(Qt::Key_R);
        Press(Qt::Key_R, Qt::ControlModifier);
        Press(Qt::Key_R, Qt::ShiftModifier);
        QVERIFY(!pages->isTabVisible(render));
        Press(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(pages->isTabVisible(render));
        Press(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!pages->isTabVisible(render));
    }

    void theWheelZoomsTheViewUnderTheMouse() {
        auto* panel3D = w.Control<QWidget>("Panel3DEngine");
        auto* panel2D = w.Control<QWidget>("Panel2DEngine");
        const float scale3D = View3D().scaleX, scale2D = TopView().scaleX;
        SendWheel(panel3D, 120);
        SendWheel(panel3D, 360);  // once per wheel message, whatever its size
        QVERIFY(qAbs(View3D().scaleZ - (scale3D + 0.02f)) < 1e-6);
        SendWheel(panel2D, -120);
        QVERIFY(qAbs(TopView().scaleY - (scale2D - 0.01f)) < 1e-6);
        QVERIFY(qAbs(View3D().scaleY - (scale3D + 0.02f)) < 1e-6);
        // Over the page control nothing zooms.
        SendWheel(w.Control<QWidget>("PageControl"), 120);
        QVERIFY(qAbs(View3D().scaleX - (scale3D + 0.02f)) < 1e-6);
        QVERIFY(qAbs(TopView().scaleX - (scale2D - 0.01f)) < 1e-6);
    }

    void theSplitterSharesTheWidthAndNeverGoesNegative() {
        auto* splitter = w.Control<QLabel>("Label16");
        auto* panel3D = w.Control<QWidget>("Panel3DEngine");
        auto* panel2D = w.Control<QWidget>("Panel2DEngine");
        auto* toolbar2D = w.Control<QWidget>("Panel3");
        const int width3D = panel3D->width(), width2D = panel2D->width();
        const QPoint grip(splitter->width() / 2, splitter->height() / 2);
        QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
        QTest::mouseMove(splitter, grip + QPoint(-60, 0));
        QTest::mouseRelease(splitter, Qt::LeftButton, {}, splitter->rect().center());
        const int offset = panel3D->width() - width3D;
        QVERIFY(offset < -40);
        QCOMPARE(panel2D->width(), width2D - offset);
        QCOMPARE(toolbar2D->x(), panel2D->x());
        QCOMPARE(w.form->ViewSplitRatio(), float(panel2D->width()) / panel3D->width());
        QVERIFY(WaitUntil([&] { return View3D().pendingWidth == 0; }, 5000));

        // Far beyond the left edge: the 3D view ends at width 0.
        QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
        QTest::mouseMove(splitter, QPoint(-5000, grip.y()));
        QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip);
        QCOMPARE(panel3D->width(), 0);
        QCOMPARE(w.form->ViewSplitRatio(), 999.0f);
        QVERIFY(panel2D->width() > 0);
    }

    void theWindowsBareSurfaceClearsBothPointers() {
        View3D().pickX = 10;
        TopView().pickX = 10;
        auto* tabArea = w.Control<QWidget>("TabControl");
        auto* panel2D = w.Control<QWidget>("Panel2DEngine");
        // Between the bottom of the views and the scroll bar's row nothing covers the area.
        const QPoint bare(panel2D->x() + panel2D->width() - 5, panel2D->y() + panel2D->height() + 2);
        QVERIFY(!tabArea->childAt(bare));
        QTest::mouseMove(tabArea, bare);
        QVERIFY(WaitUntil([&] { return View3D().pickX == -994; }, 2000));
        QCOMPARE(int(TopView().pickX), -993);
    }
};

QTEST_MAIN(WindowInputTest)
#include "window_input_test.moc"
