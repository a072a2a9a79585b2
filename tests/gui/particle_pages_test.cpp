// SPDX-License-Identifier: GPL-3.0-or-later
// The four pages of the moving particle on their own, with the views and the path build
// stood in by the test: the particle page, Bremsstrahlung, slow motion and the alternating
// voltage.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/pages/particle_pages.h"
#include "particle/alternating_voltage.h"
#include "field/kernels.h"
#include "model/number_format.h"
#include "particle/path_store.h"
#include "doubles/scripted_dialogs.h"

using namespace voltaris;
using namespace voltaris::pages;
using namespace voltaris::test;

namespace {

// The pages with everything they talk to. A requested redraw is recorded; `build` stands in
// for the 3D engine's path build that follows it.
struct Harness {
    Project project = Project::Initial();
    ScriptedDialogs dialogs;
    QWidget window;
    QLabel* label34 = new QLabel("Bitte Änderungen mit 'Y' bestätigen!", &window);
    BottomPages pages = BuildBottomPages(&window);
    std::unique_ptr<PathStore> store = std::make_unique<PathStore>();
    int32_t phaseCounter = 0;
    double suggestion = 1.0;
    std::unique_ptr<GraphEngine> engine3D = CreateGraphEngine(EngineView::ThreeD);
    std::unique_ptr<GraphEngine> engine2D = CreateGraphEngine(EngineView::TopView);
    std::vector<bool> redraws;  // surfaceToo of each request
    ParticleSwitches published;
    std::function<void()> build;
    std::unique_ptr<ParticlePages> particle;

    Harness() {
        label34->hide();
        ParticleHost host{project, dialogs, pages.PageControl, label34, {}, {}, {}, {}, {}, {}, {}};
        host.requestRedraw = [this](bool surfaceToo) {
            redraws.push_back(surfaceToo);
            if (build) build();
        };
        host.publishSwitches = [this](const ParticleSwitches& s) { published = s; };
        host.paths = [this]() -> PathStore& { return *store; };
        host.acPhaseCounter = [this]() -> int32_t& { return phaseCounter; };
        host.suggestedAmplification = [this] { return suggestion; };
        host.engine3D = [this] { return engine3D.get(); };
        host.engine2D = [this] { return engine2D.get(); };
        particle = std::make_unique<ParticlePages>(pages, host, &window);
    }
    ParticleSlot& Slot0() { return project.Active().particles[0]; }
    // Shows "Bewegte Ladung" with the particle switched on and its fields filled.
    const ParticlePage& ShowParticleSwitchedOn() {
        pages.PageControl->setCurrentWidget(pages.particle.page);
        window.show();
        pages.particle.Button11->click();
        particle->FillParticlePage();
        return pages.particle;
    }
    bool TabShown(QWidget* page) const { return pages.PageControl->isTabVisible(pages.PageControl->indexOf(page)); }
    // Publishes a path of `points` points for slot 0, their times evenly spread up to
    // `duration` seconds, each with the speed `speed` (the test acting as the path build).
    void PublishPath(int points, float duration, float speed = 1000) {
        const PathStore::Writer writer(*store);
        PathSlot& path = writer.Back().slots[0];
        path.PathFloatCount = 3 * points;
        for (int i = 0; i < points; ++i) {
            path.PathTime[i] = duration * static_cast<float>(i + 1) / static_cast<float>(points);
            path.PathSpeed[i] = speed;
        }
        writer.Publish();
    }
};

QColor BoxColour(QLineEdit* edit) {
    QImage picture(edit->size(), QImage::Format_RGB32);
    edit->ensurePolished();
    edit->render(&picture);
    return picture.pixelColor(edit->width() - 4, edit->height() / 2);
}

}  // namespace

class ParticlePagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void switchingTheParticleOnShowsItsPagesAndAsksForAPath() {
        Harness h;
        const ParticlePage& p = h.pages.particle;
        p.Button11->click();
        QCOMPARE(p.Button11->text(), QString("Deaktivieren"));
        QVERIFY(!p.GroupBox4->isHidden());
        QVERIFY(h.published.ParticleEnabled);
        QCOMPARE(h.redraws, std::vector<bool>{false});
        for (QWidget* page : {h.pages.bremsstrahlung.page, h.pages.slowMotion.page, h.pages.alternatingVoltage.page})
            QVERIFY(h.TabShown(page));
        p.Button11->click();
        QCOMPARE(p.Button11->text(), QString("Aktivieren"));
        QVERIFY(p.GroupBox4->isHidden());
        QVERIFY(!h.published.ParticleEnabled);
        QCOMPARE(h.redraws.size(), 1u);  // switching off asks for nothing
        QVERIFY(!h.TabShown(h.pages.slowMotion.page));
    }

    void typedStartValuesMoveTheStartAndBadOnesAreRefused() {
        Harness h;
        const ParticlePage& p = h.ShowParticleSwitchedOn();
        h.redraws.clear();
        auto type = [&](QLineEdit* edit, const char* text) {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
        };
        type(p.EditStartX, "2,5");
        type(p.EditStartDirection, "90");
        QCOMPARE(h.Slot0().x, 2.5f);
        QCOMPARE(h.Slot0().angle, Pi / 2);
        QCOMPARE(h.redraws.size(), 2u);
        QVERIFY(h.dialogs.errors.empty() && h.dialogs.messages.empty());

        const float y = h.Slot0().y;
        type(p.EditStartY, "1.5");  // a point is no decimal separator here
        QCOMPARE(h.dialogs.errors, std::vector<std::string>{"'1.5' ist kein gültiger Gleitkommawert"});
        type(p.EditStartY, "10,5");  // the square is 10 m wide
        QCOMPARE(h.dialogs.messages.size(), 1u);
        QCOMPARE(h.Slot0().y, y);
        QCOMPARE(p.EditStartY->text(), QString::fromStdString(FormatGeneral(y, 3)));
        QCOMPARE(h.redraws.size(), 2u);

        // A start moved elsewhere (by the mouse) shows once its path is built; so does a speed
        // beyond a tenth of the speed of light.
        h.Slot0().y = 7.25f;
        h.PublishPath(10, 1e-6f, 5e7f);
        h.particle->PathBuilt();
        QCOMPARE(p.EditStartY->text(), QString("7,25"));
        QVERIFY(!p.LabelNonClassical->isHidden());
        QVERIFY(p.LabelNonClassical->text().contains("höchste Geschwindigkeit 5E7 m/s"));
        h.PublishPath(10, 1e-6f, 2e7f);
        h.particle->PathBuilt();
        QVERIFY(p.LabelNonClassical->isHidden());
    }

    // The language changes while a typed start waits in its box: it keeps its number in the
    // new decimal style and still moves the start when confirmed.
    void aTypedNumberSurvivesAChangeOfLanguage() {
        Harness h;
        const ParticlePage& p = h.ShowParticleSwitchedOn();
        struct BackToComma {
            ~BackToComma() { SetInterfaceNumberStyle(NumberStyle::DecimalComma); }
        } backToComma;
        SetInterfaceNumberStyle(NumberStyle::DecimalPoint);
        p.EditStartX->setFocus();
        p.EditStartX->selectAll();
        QTest::keyClicks(p.EditStartX, "2.5");
        SetInterfaceNumberStyle(NumberStyle::DecimalComma);
        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(h.pages.PageControl, &languageChange);
        QCOMPARE(p.EditStartX->text(), QString("2,5"));
        QTest::keyClick(p.EditStartX, Qt::Key_Return);
        QCOMPARE(h.Slot0().x, 2.5f);
        QVERIFY(h.dialogs.errors.empty());
    }

    void presetsStoreWhatTheirThreeDigitTextsSay() {
        Harness h;
        const ParticlePage& p = h.pages.particle;
        h.label34->show();
        p.Button1->click();
        QCOMPARE(p.Edit1->text(), QString("-1,6E-19"));
        QCOMPARE(p.Edit2->text(), QString("9,11E-31"));
        QCOMPARE(h.Slot0().charge, -1.6e-19);
        QCOMPARE(h.Slot0().mass, 9.11e-31);
        QCOMPARE(p.Label7->text(), QString("Spezifische Ladung:     -1,76E11 C/kg"));
        QVERIFY(h.label34->isHidden());
        QCOMPARE(BoxColour(p.Edit1), QColor(Qt::white));
        QCOMPARE(h.redraws, std::vector<bool>{false});

        h.project.UnitsInElementaryCharges = true;
        p.Button14->click();
        QCOMPARE(p.Edit1->text(), QString("2"));
        QCOMPARE(h.Slot0().charge, 2 * static_cast<double>(ElementaryCharge));
        QCOMPARE(h.Slot0().mass, 6.64e-27);
        // The panel refresh shows the charge in the same unit, with two digits.
        h.Slot0().charge = -1.6e-19;
        h.particle->FillParticlePage();
        QCOMPARE(p.Label20->text(), QString("e"));
        QCOMPARE(p.Edit1->text(), QString("-1"));
        QCOMPARE(p.Label7->text(), QString("Spezifische Ladung:     -1,5E26 e/kg"));
    }

    void aTypedChargeIsStoredOnlyWhenConfirmedWithY() {
        Harness h;
        const ParticlePage& p = h.pages.particle;
        const double before = h.Slot0().charge;
        p.Edit1->clear();
        QTest::keyClicks(p.Edit1, "2e-19");
        QVERIFY(!h.label34->isHidden());
        QCOMPARE(BoxColour(p.Edit1), QColor(Qt::yellow));
        QCOMPARE(h.Slot0().charge, before);
        QVERIFY(h.redraws.empty());

        QTest::keyClick(p.Edit1, 'y');
        QCOMPARE(h.Slot0().charge, 2e-19);
        QCOMPARE(p.Edit1->text(), QString("2e-19"));
        QVERIFY(h.label34->isHidden());
        QCOMPARE(BoxColour(p.Edit1), QColor(Qt::white));
        QCOMPARE(h.redraws, std::vector<bool>{false});
        QVERIFY(p.Label7->text().startsWith("Spezifische Ladung:     "));

        // A mass that is no number: the message, and the slot keeps its mass.
        const double mass = h.Slot0().mass;
        p.Edit2->setText("9.1E-31");
        QTest::keyClick(p.Edit2, 'Y', Qt::ShiftModifier);
        QCOMPARE(h.dialogs.errors.size(), 1u);
        QCOMPARE(h.dialogs.errors[0], std::string("'9.1E-31' ist kein gültiger Gleitkommawert"));
        QCOMPARE(h.Slot0().mass, mass);
        QCOMPARE(h.redraws.size(), 1u);
    }

    void aLoadedSpeedBeyondTheSliderIsBroughtIntoRange() {
        Harness h;
        const ParticlePage& p = h.pages.particle;
        for (int shown = 0; shown < 2; ++shown) {  // the second time the slider is already at its end
            h.Slot0().speed = 5000000;
            h.Slot0().steps = 100;
            h.particle->FillParticlePage();
            QCOMPARE(p.ScrollBar1->value(), 3000000);
            QCOMPARE(h.Slot0().speed, 3000000.0);
            QCOMPARE(p.Label6->text(), QString("3E6 m/s"));
            QCOMPARE(h.Slot0().steps, 4000);
            QCOMPARE(p.Label10->text(), QString("4000"));
        }
        // A speed inside the range keeps its fraction while the slider does not move.
        h.Slot0().speed = 3000000;
        h.particle->FillParticlePage();
        h.Slot0().speed = 2999999.5;
        h.particle->FillParticlePage();
        QCOMPARE(p.ScrollBar1->value(), 2999999);
        QCOMPARE(h.Slot0().speed, 2999999.0);
        QVERIFY(h.label34->isHidden());
    }

    void recomputingTheTimeStepUsesTheStartSpeed() {
        Harness h;
        QLabel* link = h.pages.particle.Label37;
        h.Slot0().speed = 0;
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(h.Slot0().dt, 6.36e-9);
        h.Slot0().speed = 500000;
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(h.Slot0().dt, 6e-9);
        QCOMPARE(h.redraws.back(), false);
    }

    void radiationStartsWithTheSuggestedFactorShownMinusOne() {
        Harness h;
        const BremsstrahlungPage& p = h.pages.bremsstrahlung;
        h.suggestion = 1.0;  // no step of the last path inside the square
        p.Button5->click();
        QCOMPARE(p.Edit4->text(), QString("0"));
        QCOMPARE(h.published.BremsstrahlungFactor, 1.0);
        QVERIFY(h.published.BremsstrahlungEnabled);
        QCOMPARE(p.Button5->text(), QString("Deaktivieren"));
        QVERIFY(!p.GroupBox3->isHidden());
        QVERIFY(!h.redraws.empty());

        p.Button5->click();
        QVERIFY(!h.published.BremsstrahlungEnabled);
        h.suggestion = 123456789;
        p.Button5->click();
        QCOMPARE(p.Edit4->text(), QString("1,23E8"));
        QCOMPARE(h.published.BremsstrahlungFactor, 123000001.0);

        // Typed "0" means no amplification, at once.
        p.Edit4->setText("0");
        QCOMPARE(h.published.BremsstrahlungFactor, 1.0);

        p.Edit4->setText("1E20");
        h.particle->LeaveTab();
        QVERIFY(!h.published.BremsstrahlungEnabled);
        QCOMPARE(h.published.BremsstrahlungFactor, 1.0);
        QCOMPARE(p.Button5->text(), QString("Aktivieren"));
    }

    void theFactorBoxWaitsForAWholeNumberAndComplainsOnlyWhenLeft() {
        Harness h;
        const BremsstrahlungPage& p = h.pages.bremsstrahlung;
        h.pages.particle.Button11->click();
        h.pages.PageControl->setCurrentWidget(p.page);
        h.window.show();
        p.Button5->click();
        const size_t redraws = h.redraws.size();
        p.Edit4->selectAll();
        QTest::keyClicks(p.Edit4, "1e6");
        QCOMPARE(p.Edit4->text(), QString("1e6"));
        QVERIFY(h.dialogs.errors.empty());
        QCOMPARE(h.published.BremsstrahlungFactor, 1000001.0);
        QCOMPARE(h.redraws.size(), redraws + 2);  // at "1" and at "1e6"; "1e" keeps the factor

        // A text that is no number keeps the factor and is named on Enter and on leaving.
        p.Edit4->selectAll();
        QTest::keyClicks(p.Edit4, "sehr");
        QVERIFY(h.dialogs.errors.empty());
        QTest::keyClick(p.Edit4, Qt::Key_Return);
        QCOMPARE(h.dialogs.errors, std::vector<std::string>{"'sehr' ist kein gültiger Gleitkommawert"});
        QTest::keyClicks(p.Edit4, "1");
        QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(p.Edit4, &leaving);
        QCOMPARE(h.dialogs.errors.size(), 2u);
        // A menu opening over the box does not leave it: no message under the opening menu.
        QTest::keyClicks(p.Edit4, "2");
        QMenu menu;
        menu.addAction("Neu");
        menu.popup(QPoint(0, 0));
        QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(p.Edit4, &toMenu);
        menu.close();
        QCOMPARE(h.dialogs.errors.size(), 2u);
        QApplication::sendEvent(p.Edit4, &leaving);
        QCOMPARE(h.dialogs.errors.size(), 3u);
        QCOMPARE(h.published.BremsstrahlungFactor, 1000001.0);
        QCOMPARE(h.redraws.size(), redraws + 2);
    }

    void slowMotionReplaysTenMicrosecondsInAboutFortyTicks() {
        Harness h;
        const SlowMotionPage& p = h.pages.slowMotion;
        SlowMotionController& player = h.particle->slowMotion;
        h.PublishPath(400, 1e-5f, 2000);
        p.Button9->click();
        QCOMPARE(p.Button9->text(), QString("Stop"));
        QVERIFY(!p.Label31->isHidden());
        QCOMPARE(int(h.store->PlaybackIndex[0]), 0);
        int ticks = 0;
        while (player.Running() && ticks < 1000) {
            player.Timer1Timer();  // the timer's work, without waiting for it
            ++ticks;
            if (ticks == 5) {
                QCOMPARE(p.Label31->text(), QString("Momentangeschwindigkeit: 2E3 m/s"));
                QCOMPARE(p.Label32->text(), QString("Maximalgeschwindigkeit: 2E3 m/s"));
                QVERIFY(h.store->PlaybackIndex[0] > 0);
            }
        }
        QVERIFY(ticks >= 39 && ticks <= 42);
        QVERIFY(p.Label31->text().startsWith("Endgeschwindigkeit: "));
        QCOMPARE(p.Button9->text(), QString("Start"));
        QCOMPARE(int(h.store->PlaybackIndex[0]), -1);
        // The diagram: red at half height, the curve at the top (the speed is the maximum).
        const QImage& diagram = player.Diagram().Shown();
        const int w = diagram.width(), hh = diagram.height();
        QCOMPARE(diagram.pixelColor(w / 3, hh / 2), QColor(Qt::red));
        QCOMPARE(diagram.pixelColor(w - 2, 0), QColor(Qt::black));
        QVERIFY(diagram.pixelColor(10, 0) != QColor(Qt::black));  // left of the first sample stays empty
    }

    void slowMotionOfAnEmptyPathEndsAtTheFirstTick() {
        Harness h;
        const SlowMotionPage& p = h.pages.slowMotion;
        h.PublishPath(0, 0);
        p.Button9->click();
        h.particle->slowMotion.Timer1Timer();
        QVERIFY(!h.particle->slowMotion.Running());
        QVERIFY(p.Label31->text().startsWith("Endgeschwindigkeit: "));
        QCOMPARE(p.Button9->text(), QString("Start"));
    }

    void anEndedReplayShowsTheEnergiesWhereThePathEnds() {
        Harness h;
        const SlowMotionPage& p = h.pages.slowMotion;
        h.Slot0().mass = 1e-30;
        // An atom's path lasts less than one tick: the replay ends at once, at its last point.
        h.PublishPath(10, 1e-15f, 1e6f);
        p.Button9->click();
        h.particle->slowMotion.Timer1Timer();
        QVERIFY(!h.particle->slowMotion.Running());
        QCOMPARE(p.LabelKinetic->text(), QString("Kinetische Energie: 5E-19 J = 3,12 eV"));
        QVERIFY(p.LabelTotal->text().contains(" eV"));
    }

    void stoppingSlowMotionShowsTheWholePathAgain() {
        Harness h;
        const SlowMotionPage& p = h.pages.slowMotion;
        h.PublishPath(400, 1e-5f);
        p.Button9->click();
        for (int i = 0; i < 10; ++i) h.particle->slowMotion.Timer1Timer();
        p.Button9->click();
        QVERIFY(!h.particle->slowMotion.Running());
        QVERIFY(p.Label31->isHidden());
        QCOMPARE(int(h.store->PlaybackIndex[0]), -1);
        p.ScrollBar4->setValue(100);
        QCOMPARE(p.Label12->text(), QString("Zeitlupe: 1 s entspricht 0,0001 s"));
        QCOMPARE(h.particle->slowMotion.Player().SlowMotionFactor, 1e-4f);
    }

    void alternatingVoltageStartsAtAQuarterPeriod() {
        Harness h;
        const AlternatingVoltagePage& p = h.pages.alternatingVoltage;
        AlternatingVoltageController& ac = h.particle->alternatingVoltage;
        h.project.Active().ChargeCount = 1;
        h.project.Active().charges[0] = Charge{4.1e-10, 5, 5, 0.5f};
        // The build moves the particle on and counts the phase step; its report arrives later.
        const auto buildArrives = [&] {
            h.Slot0().speed += 1000;
            ++h.phaseCounter;
            ac.PathBuilt();
        };
        p.Button12->click();
        QCOMPARE(p.Button12->text(), QString("Stop"));
        QVERIFY(h.published.AcRunning);
        QCOMPARE(h.phaseCounter, 11);
        QCOMPARE(h.Slot0().dt, 0.004 * static_cast<double>(1.8939e-8f));
        QCOMPARE(float(h.engine3D->gridStep), 0.2f);
        QCOMPARE(float(h.engine2D->gridStep), 0.2f);

        // The tick returns at once and runs nothing of the window's meanwhile.
        bool otherEventRan = false;
        QTimer::singleShot(0, [&] { otherEventRan = true; });
        ac.Timer2Timer();
        QVERIFY(!otherEventRan);
        QVERIFY(ac.TickInProgress());
        QCOMPARE(h.project.Active().charges[0].amount, static_cast<double>(1.01f) * static_cast<double>(4.1e-10f));
        QCOMPARE(h.redraws.back(), true);
        QCOMPARE(p.Label21->text(), QString("Momentangeschwindigkeit: 5E5 m/s"));
        ac.PathBuilt();  // a build that did not take the step (the phase did not move) is not it
        QVERIFY(ac.TickInProgress());
        buildArrives();
        QCOMPARE(h.phaseCounter, 12);
        QVERIFY(!ac.TickInProgress());
        ac.Timer2Timer();
        QCOMPARE(h.project.Active().charges[0].amount, static_cast<double>(AcPhaseFactor(12)) * static_cast<double>(4.1e-10f));
        buildArrives();
        // The sine picture marks phase 13 (after the build) at x = 26.
        const QImage& sine = ac.SinePicture().Shown();
        QCOMPARE(sine.pixelColor(26, 1), QColor(Qt::black));

        // A build that never reports ends its step after a second.
        const int recorded = ac.Run().Ring().Index();
        QElapsedTimer waited;
        waited.start();
        ac.Timer2Timer();
        QTRY_VERIFY_WITH_TIMEOUT(ac.Run().Ring().Index() != recorded, 3000);
        QVERIFY(waited.elapsed() >= AlternatingVoltageController::BuildWaitCap - 50);

        p.Button12->click();
        QCOMPARE(p.Button12->text(), QString("Start"));
        QVERIFY(!h.published.AcRunning);
        QCOMPARE(h.project.Active().charges[0].amount, static_cast<double>(4.1e-10f));
        QCOMPARE(h.Slot0().speed, 500000.0);
        QCOMPARE(h.Slot0().dt, Project::Initial().tabs[0].particles[0].dt);
        QCOMPARE(float(h.engine3D->gridStep), 0.05f);
        QCOMPARE(h.redraws.back(), true);
    }

    void frequencyAndPageChangesStopARun() {
        Harness h;
        const AlternatingVoltagePage& p = h.pages.alternatingVoltage;
        p.Button12->click();
        p.ScrollBar7->setValue(2400);
        QVERIFY(!h.published.AcRunning);
        QCOMPARE(p.Label19->text(), QString("Frequenz: 2,4MHz"));
        QCOMPARE(h.published.AcChunkDuration, AcChunkDurationOf(2400));

        h.pages.particle.Button11->click();  // the page's tab is shown while the particle is on
        h.pages.PageControl->setCurrentWidget(p.page);
        p.Button12->click();
        QVERIFY(h.published.AcRunning);
        QCOMPARE(h.Slot0().dt, 0.004 * static_cast<double>(AcChunkDurationOf(2400)));
        h.pages.PageControl->setCurrentWidget(h.pages.particle.page);
        QVERIFY(!h.published.AcRunning);
        QCOMPARE(p.Button12->text(), QString("Start"));
        h.particle->LeaveTab();  // nothing left to stop
        QVERIFY(!h.published.AcRunning);
    }

    void whatHappensDuringTheWaitForTheBuildCannotCorruptTheRun() {
        Harness h;
        const AlternatingVoltagePage& p = h.pages.alternatingVoltage;
        AlternatingVoltageController& ac = h.particle->alternatingVoltage;
        h.project.Active().ChargeCount = 1;
        h.project.Active().charges[0] = Charge{4.1e-10, 5, 5, 0.5f};
        const ParticleSlot start = h.Slot0();
        p.Button12->click();
        int builds = 0;
        h.build = [&] {
            if (ac.TickInProgress()) ++builds;
        };
        // While the step waits: the timer fires again, the build moves the particle, the user
        // stops the run and starts it anew, and only then does the phase step arrive.
        ac.Timer2Timer();
        ac.Timer2Timer();
        h.Slot0().x = 9;
        p.Button12->click();
        p.Button12->click();
        ++h.phaseCounter;
        ac.PathBuilt();
        QVERIFY(!ac.TickInProgress());
        QCOMPARE(builds, 2);  // the phase step, then the stop's redraw
        // The restart saved the restored state, and the stray step painted nothing.
        QVERIFY(h.published.AcRunning);
        QCOMPARE(ac.Run().Ring().Index(), 0);
        p.Button12->click();
        QCOMPARE(h.Slot0().x, start.x);
        QCOMPARE(h.Slot0().speed, start.speed);
        QCOMPARE(h.project.Active().charges[0].amount, static_cast<double>(4.1e-10f));
    }
};

QTEST_MAIN(ParticlePagesTest)
#include "particle_pages_test.moc"
