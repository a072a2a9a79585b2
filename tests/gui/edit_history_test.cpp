// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the main window: every kind of step taken back to the byte and done again,
// and a step taken back while an alternating voltage runs.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "app/pages/particle_pages.h"
#include "model/project_file.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

class EditHistoryTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    FieldTab& Tab() { return w.project.Active(); }
    const pages::BottomPages& Pages() { return w.form->Pages(); }
    EditHistory& History() { return w.form->History(); }
    ViewWindow& TopWindow() { return w.form->Views().Window2D(); }
    GraphEngine& TopView() { return *w.form->Views().Engine2D(); }
    QTableWidget* Grid() { return w.Control<QTableWidget>("StringGridDB"); }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, TopWindow().mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&TopWindow(), &event);
    }
    // Moves the mouse to `at` and lets the top view pick the point there (graph units).
    QPointF Hover(QPoint at) {
        Send(QEvent::MouseMove, at);
        [&] { QVERIFY(WaitForFrames(TopView(), 3)); }();
        Send(QEvent::MouseMove, at);
        return {TopView().pickedX, TopView().pickedZ};
    }
    void Drag(QPoint from, QPoint to) {
        Hover(from);
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        Hover(to);
        Send(QEvent::MouseButtonRelease, to, Qt::LeftButton);
    }
    QPoint Pixel(double fx, double fy) { return QPoint(int(TopWindow().width() * fx), int(TopWindow().height() * fy)); }
    void EditCell(int row, int column, const char* text) {
        Grid()->editItem(Grid()->item(row, column));
        auto* editor = Grid()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);  // one step, not one per key
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(WaitUntil([&] { return !Grid()->viewport()->findChild<QLineEdit*>(); }, 5000));
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }
    void init() {
        QVERIFY(w.StartActive());  // the keys of the menu "&Bearbeiten" act in the active window
    }
    void cleanup() { w.Stop(); }

    void everyKindOfStepIsTakenBackToTheByteAndDoneAgain() {
        QVERIFY(w.ShowTab(1));  // "3 positive Ladungen", a square of 10 m
        const pages::ParticlePage& particle = Pages().particle;
        // A time step so short that no path build cuts it while the particle is on.
        ParticleSlot& slot = Tab().particles[0];
        slot.dt = 1e-12;
        slot.steps = 4000;
        const QPoint start = Pixel(0.5, 0.5);
        const QPointF startPoint = Hover(start);
        slot.x = float(startPoint.x());
        slot.y = float(startPoint.y());
        w.form->RefreshChargeTable();
        particle.Button11->click();
        QVERIFY(WaitForFrames(*w.form->Views().Engine3D(), 5));
        const std::string before = ProjectFileText(w.project);
        QCOMPARE(History().Stack().count(), 0);

        Drag(start, Pixel(0.55, 0.45));  // the particle's start
        QCOMPARE(History().Stack().undoText(), QString("Startpunkt verschieben"));
        particle.Button11->click();  // off again: no build changes the model from here on

        const QPoint free = Pixel(0.35, 0.6);
        Hover(free);
        w.form->Charges().AmountEntries(true)[1]->trigger();   // "+ &4E-10"
        Send(QEvent::MouseButtonPress, free, Qt::LeftButton);  // selects it: no step
        Send(QEvent::MouseButtonRelease, free, Qt::LeftButton);
        QCOMPARE(History().Stack().count(), 2);
        Drag(free, Pixel(0.4, 0.55));
        QCOMPARE(History().Stack().undoText(), QString("Ladung verschieben"));

        // The pop-up menu offers to delete only the charge it was opened on.
        const QPoint onCharge = Pixel(0.4, 0.55);
        Hover(onCharge);
        Send(QEvent::MouseButtonPress, onCharge, Qt::RightButton);
        QMenu* menu = w.form->Charges().Popup(true);
        QVERIFY(WaitUntil([&] { return menu->isVisible(); }, 5000));
        QVERIFY(w.form->Charges().DeleteEntry(true)->isVisible());
        const int charges = Tab().ChargeCount;
        w.form->Charges().DeleteEntry(true)->trigger();
        menu->hide();
        QCOMPARE(Tab().ChargeCount, charges - 1);

        w.project.ChargeSelected[0] = true;
        QTest::keyClick(w.form->windowHandle(), Qt::Key_Delete);
        QTest::keyClick(w.form->windowHandle(), Qt::Key_J);
        EditCell(1, 1, "2,5E-10");
        EditCell(3, 1, "7");
        Hover(Pixel(0.45, 0.5));
        w.form->Charges().OtherAmountEntry(true)->trigger();
        auto* amount = w.Control<QLineEdit>("Edit3");
        amount->setText("-3E-10");
        QTest::keyClick(amount, Qt::Key_Return);
        w.Control<QToolButton>("ToolButton13")->click();
        w.Control<QScrollBar>("ScrollBar5")->setValue(w.Control<QScrollBar>("ScrollBar5")->value() - 6);

        particle.Button1->click();  // "Elektron"
        particle.Edit2->setText("2E-30");
        QTest::keyClick(particle.Edit2, Qt::Key_Y);
        particle.ScrollBar1->setValue(700000);
        particle.ScrollBar1->setValue(710000);  // within a second: the same step
        particle.ScrollBar3->setValue(50000);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(particle.Label37, &release);  // "dt neu berechnen"

        w.dialogs.texts = {std::string("Umbenannt"), std::string("Projekt B")};
        w.Action("Neu1")->trigger();
        w.Action("Tabduplizieren1")->trigger();
        w.Action("Tabumbenennen1")->trigger();
        w.Action("Projektumbenennen1")->trigger();
        w.dialogs.answers = {Answer::Yes};
        w.Action("Tablschen1")->trigger();
        QCOMPARE(w.Action("Rueckgaengig1")->text(), QString("&Rückgängig: Tab löschen"));

        const std::string after = ProjectFileText(w.project);
        const int steps = History().Stack().count();
        QCOMPARE(steps, 20);
        for (int i = 0; i < steps; ++i) w.Action("Rueckgaengig1")->trigger();
        QVERIFY(!w.Action("Rueckgaengig1")->isEnabled());
        QCOMPARE(ProjectFileText(w.project), before);
        QCOMPARE(w.project.SignFactor, 1);
        QVERIFY(!w.Control<QToolButton>("ToolButton13")->isChecked());
        QCOMPARE(w.project.ActiveTab, 1);
        QCOMPARE(w.TabStrip()->count(), 14);

        for (int i = 0; i < steps; ++i) QTest::keyClick(w.form->windowHandle(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ProjectFileText(w.project), after);
        QCOMPARE(w.project.SignFactor, -1);
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Projekt B"));

        // A new project starts a history of its own.
        w.dialogs.answers = {Answer::No};
        w.Action("NeuesProjekt1")->trigger();
        QCOMPARE(History().Stack().count(), 0);
    }

    // A step made while the alternating voltage scales the charges holds them as the run's
    // stop puts them back; taking it back stops the run first.
    void anUndoDuringAnAlternatingVoltageRunStopsTheRunFirst() {
        QVERIFY(w.ShowTab(1));
        Pages().particle.Button11->click();
        Pages().PageControl->setCurrentWidget(Pages().alternatingVoltage.page);
        std::array<double, 3> amounts{};
        for (int i = 0; i < 3; ++i) amounts[i] = float(Tab().charges[i].amount);
        const ParticleSlot start = Tab().particles[0];
        pages::AlternatingVoltageController& run = w.form->ParticlePages().alternatingVoltage;
        Pages().alternatingVoltage.Button12->click();
        int32_t& phase = w.form->Views().AcPhaseCounter();
        QVERIFY(WaitUntil([&] { return phase > 13; }));

        Pages().particle.ScrollBar3->setValue(start.steps + 1000);
        QVERIFY(w.form->ParticlePages().Switches().AcRunning);
        QTest::keyClick(w.form->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w.form->ParticlePages().Switches().AcRunning);
        QVERIFY(!run.TickInProgress());
        for (int i = 0; i < 3; ++i) QCOMPARE(Tab().charges[i].amount, amounts[i]);
        QCOMPARE(Tab().particles[0].x, start.x);
        QCOMPARE(Tab().particles[0].speed, start.speed);
        QCOMPARE(Tab().particles[0].dt, start.dt);
        QCOMPARE(Tab().particles[0].steps, start.steps);
        QTest::keyClick(w.form->windowHandle(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Tab().particles[0].steps, start.steps + 1000);
        QCOMPARE(Tab().charges[0].amount, amounts[0]);
    }
};

QTEST_MAIN(EditHistoryTest)
#include "edit_history_test.moc"
