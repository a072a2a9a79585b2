// SPDX-License-Identifier: GPL-3.0-or-later
// The particle pages in the main window: they follow the particle switch and the shown tab,
// and an alternating-voltage phase step or a tab change that waits for the views survives
// whatever the user does meanwhile.
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <array>

#include "app/pages/particle_pages.h"
#include "model/project_file.h"
#include "particle/path_store.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

namespace {

std::array<double, MaxChargesPerTab> AmountsOf(const FieldTab& tab) {
    std::array<double, MaxChargesPerTab> amounts{};
    for (int i = 0; i < tab.ChargeCount; ++i) amounts[i] = tab.charges[i].amount;
    return amounts;
}

std::array<double, MaxChargesPerTab> InSinglePrecision(std::array<double, MaxChargesPerTab> amounts) {
    for (double& a : amounts) a = static_cast<float>(a);
    return amounts;
}

}  // namespace

class ParticleWindowTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    pages::ParticlePages& Particle() { return w.form->ParticlePages(); }
    const pages::BottomPages& Pages() { return w.form->Pages(); }

    // Switches the particle on, shows the alternating-voltage page and starts a run on `tab`
    // (the sample's amounts are not exact in single precision).
    void StartRunOn(int tab) {
        QVERIFY(w.ShowTab(tab));
        Pages().particle.Button11->click();
        Pages().PageControl->setCurrentWidget(Pages().alternatingVoltage.page);
        Pages().alternatingVoltage.Button12->click();
        QVERIFY(Particle().Switches().AcRunning);
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() { QVERIFY(w.Start()); }
    void cleanup() {
        if (w.form) w.Stop();
    }

    void thePagesFollowTheParticleSwitchAndTheShownTab() {
        const pages::BottomPages& p = Pages();
        QTabWidget* control = p.PageControl;
        QVERIFY(!control->isTabVisible(control->indexOf(p.slowMotion.page)));
        p.particle.Button11->click();
        for (QWidget* page : {p.bremsstrahlung.page, p.slowMotion.page, p.alternatingVoltage.page})
            QVERIFY(control->isTabVisible(control->indexOf(page)));
        QVERIFY(Particle().Switches().ParticleEnabled);

        // Radiation is switched off and its factor reset whenever another tab is shown.
        p.bremsstrahlung.Button5->click();
        QVERIFY(Particle().Switches().BremsstrahlungEnabled);
        QVERIFY(w.ShowTab(2));
        QVERIFY(!Particle().Switches().BremsstrahlungEnabled);
        QCOMPARE(Particle().Switches().BremsstrahlungFactor, 1.0);
        QCOMPARE(p.bremsstrahlung.Button5->text(), QString("Aktivieren"));

        // The page shows the new tab's particle.
        const ParticleSlot& slot = w.project.Active().particles[0];
        QCOMPARE(p.particle.ScrollBar3->value(), slot.steps);
        QCOMPARE(p.particle.Label10->text(), QString::number(slot.steps));
    }

    void theAlternatingVoltageDrivesThePaulTrapPhaseStepByPhaseStep() {
        const ParticleSlot start = w.project.tabs[5].particles[0];  // "Paul Falle"
        const auto saved = AmountsOf(w.project.tabs[5]);
        StartRunOn(5);
        int32_t& phase = w.form->Views().AcPhaseCounter();
        QCOMPARE(phase, 11);
        for (int32_t step = 1; step <= 3; ++step) {
            Particle().alternatingVoltage.Timer2Timer();
            // Each tick waits for its build, but gives up after a second on a slow machine.
            QVERIFY(WaitUntil([&] { return phase >= 11 + step; }));
        }
        const ParticleSlot& moved = w.project.Active().particles[0];
        QVERIFY(moved.x != start.x || moved.y != start.y);
        QVERIFY(AmountsOf(w.project.Active()) != saved);
        int storedFloats = 0;
        w.form->Views().Paths().Read([&](const PathSet& paths) { storedFloats = paths.slots[0].PathFloatCount; });
        QVERIFY(storedFloats > 0);

        Pages().alternatingVoltage.Button12->click();
        QCOMPARE(moved.x, start.x);
        QCOMPARE(moved.speed, start.speed);
        QCOMPARE(moved.dt, start.dt);
        QVERIFY(AmountsOf(w.project.Active()) == InSinglePrecision(saved));
    }

    void aTabChangeStopsTheRunAndRestoresTheTabItRanOn() {
        const auto saved = AmountsOf(w.project.tabs[1]);
        const auto third = AmountsOf(w.project.tabs[3]);
        StartRunOn(1);
        Particle().alternatingVoltage.Timer2Timer();
        QVERIFY(w.ShowTab(3));  // while the phase step waits for its build
        QVERIFY(!Particle().alternatingVoltage.TickInProgress());
        QVERIFY(!Particle().Switches().AcRunning);
        QVERIFY(AmountsOf(w.project.tabs[1]) == InSinglePrecision(saved));
        QVERIFY(AmountsOf(w.project.tabs[3]) == third);
        QCOMPARE(float(w.form->Views().Engine3D()->gridStep), 0.05f);
    }

    void theRunsPicturesAndReadoutsGoWithItsTab() {
        const pages::AlternatingVoltagePage& page = Pages().alternatingVoltage;
        const auto blackPixels = [](QWidget* box) {
            const QImage shown = box->grab().toImage();
            int black = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) black += shown.pixelColor(x, y) == QColor(Qt::black);
            return black;
        };
        StartRunOn(5);  // "Paul Falle"
        QVERIFY(WaitUntil([&] { return blackPixels(page.PaintBox2) > 0 && blackPixels(page.PaintBox1) > 0; }));
        QVERIFY(w.ShowTab(2));
        QCOMPARE(blackPixels(page.PaintBox2), 0);
        QCOMPARE(blackPixels(page.PaintBox1), 0);
        QCOMPARE(page.Label21->text(), QString("Momentangeschwindigkeit:"));
        QCOMPARE(page.Label22->text(), QString("Maximalgeschwindigkeit:"));
    }

    void openingAProjectDuringTheWaitLeavesTheLoadedModelAsLoaded() {
        // On the tab the loaded project shows first: putting the run's charges back after the
        // load would overwrite the loaded ones.
        StartRunOn(0);
        Particle().alternatingVoltage.Timer2Timer();
        w.form->Commands().OpenSampleProject();
        QVERIFY(!Particle().Switches().AcRunning);
        QVERIFY(!Particle().alternatingVoltage.TickInProgress());
        Project fresh = Project::Initial();
        QVERIFY(LoadProject(fresh, "sample", w.dialogs));
        QVERIFY(WaitUntil([&] { return !w.form->Commands().TabChangeWaiting(); }));
        for (int t = 0; t < 3; ++t) QVERIFY(AmountsOf(w.project.tabs[t]) == AmountsOf(fresh.tabs[t]));
        QCOMPARE(w.project.tabs[0].particles[0].dt, fresh.tabs[0].particles[0].dt);
    }

    void closingTheWindowDuringTheWaitEndsTheStepQuietly() {
        const auto saved = AmountsOf(w.project.tabs[1]);
        StartRunOn(1);
        w.dialogs.answers = {Answer::No};  // do not save
        Particle().alternatingVoltage.Timer2Timer();
        // The views end their drawing first, as the program does before its window goes: a
        // frame thread still drawing into a hidden window can fail inside the GL driver.
        w.form->Views().StopDrawing();
        w.form->close();
        QVERIFY(!w.form->isVisible());
        QVERIFY(!Particle().alternatingVoltage.TickInProgress());
        // The closing question came with the arrangement back in place, ready to be saved.
        QVERIFY(!Particle().Switches().AcRunning);
        QVERIFY(AmountsOf(w.project.tabs[1]) == InSinglePrecision(saved));
    }

    void destroyingTheWindowWhileAStepOrATabChangeWaitsEndsThemQuietly() {
        StartRunOn(1);
        QVERIFY(w.DrawPast200Frames());
        Particle().alternatingVoltage.Timer2Timer();
        // The change waits for frames of both views; nothing of the window runs inside it.
        bool otherEventRan = false;
        QTimer::singleShot(0, this, [&] { otherEventRan = true; });
        w.TabStrip()->setCurrentIndex(3);
        QVERIFY(w.form->Commands().TabChangeWaiting());
        QVERIFY(!otherEventRan);
        w.Stop();
        // Past the caps of both waits: whatever was still to come has gone with the window.
        QTest::qWait(pages::AlternatingVoltageController::BuildWaitCap + 200);
        QVERIFY(!w.form);
    }
};

QTEST_MAIN(ParticleWindowTest)
#include "particle_window_test.moc"
