// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>
#include <optional>

#include "app/pages/bottom_pages.h"
#include "app/pages/paint_box_canvas.h"
#include "app/pages/particle_host.h"
#include "particle/alternating_voltage.h"

namespace voltaris::pages {

// The page "Wechselspannung": drives the active tab's charges with an alternating voltage,
// one phase step per tick of a 1 ms timer; stopping puts the charges and the particle back.
// A tick scales the charges and asks for a path build; the step ends when that build has
// reached the model (PathBuilt) or after BuildWaitCap, and only then does the next tick start
// one. Nothing runs inside the tick meanwhile: the window goes on with its own event loop.
class AlternatingVoltageController : public QObject {
    Q_OBJECT
public:
    static constexpr int TimerInterval = 1;   // ms
    static constexpr int BuildWaitCap = 1000;  // ms a phase step waits for its path build

    AlternatingVoltageController(const AlternatingVoltagePage& page, const ParticleHost& host,
                                 ParticleSwitches& switches, QObject* parent);

    void Button12Click();
    // Starts a phase step, unless one is still waiting for its build.
    void Timer2Timer();
    // The page changes: a run stops first.
    void StopIfRunning();
    // The tab is left or the project replaced: a run stops, and the diagram, the sine picture
    // and the speed readouts of the tab it ran on are cleared.
    void LeaveTab();
    bool TickInProgress() const { return tickInProgress_; }
    const AlternatingVoltage& Run() const { return run_; }
    const PaintBoxCanvas& SpeedDiagram() const { return *speedDiagram_; }
    const PaintBoxCanvas& SinePicture() const { return *sinePicture_; }
    // The caption and readouts in the current language.
    void RetranslateUi();

public Q_SLOTS:
    // A path build of the 3D engine has reached the model.
    void PathBuilt();

private:
    void Start();
    void Stop();
    // Ends the waiting phase step: records the speed reached and draws.
    void FinishPhaseStep();
    void ScrollBar7Change(int position);
    void SetGridSteps(float step);
    void ShowStartCaption();
    void ShowFrequency();
    void ShowSpeeds();

    AlternatingVoltagePage page_;
    ParticleHost host_;
    ParticleSwitches& switches_;
    AlternatingVoltage run_;
    QTimer Timer2;
    QTimer buildWait_;  // single shot: the cap on a phase step's wait
    PaintBoxCanvas* speedDiagram_;
    PaintBoxCanvas* sinePicture_;
    bool tickInProgress_ = false;
    int32_t notedPhase_ = 0;  // the phase counter before the step's build
    bool frequencyChosen_ = false;  // until the slider moves, the label shows the design value
    struct ShownSpeeds {
        float current, highest;  // m/s
    };
    std::optional<ShownSpeeds> shownSpeeds_;  // the readouts of the last phase step
};

}  // namespace voltaris::pages
