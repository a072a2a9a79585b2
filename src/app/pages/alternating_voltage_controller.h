#pragma once
#include <QObject>
#include <QTimer>

#include "app/pages/bottom_pages.h"
#include "app/pages/paint_box_canvas.h"
#include "app/pages/particle_host.h"
#include "particle/alternating_voltage.h"

namespace voltaris::pages {

// The page "Wechselspannung": drives the active tab's charges with an alternating voltage,
// one phase step per tick of a 1 ms timer, each step waiting for the path build that moves
// the particle on; stopping puts the charges and the particle back.
class AlternatingVoltageController : public QObject {
public:
    static constexpr int TimerInterval = 1;   // ms
    static constexpr int BuildWaitCap = 1000;  // ms a phase step waits for its path build

    AlternatingVoltageController(const AlternatingVoltagePage& page, const ParticleHost& host,
                                 ParticleSwitches& switches, QObject* parent);

    void Button12Click();
    void Timer2Timer();
    // The page changes or the tab is left: a run stops first.
    void StopIfRunning();
    bool TickInProgress() const { return tickInProgress_; }
    const AlternatingVoltage& Run() const { return run_; }
    const PaintBoxCanvas& SpeedDiagram() const { return *speedDiagram_; }
    const PaintBoxCanvas& SinePicture() const { return *sinePicture_; }

private:
    void Start();
    void Stop();
    void ScrollBar7Change(int position);
    void SetGridSteps(float step);

    AlternatingVoltagePage page_;
    ParticleHost host_;
    ParticleSwitches& switches_;
    AlternatingVoltage run_;
    QTimer Timer2;
    PaintBoxCanvas* speedDiagram_;
    PaintBoxCanvas* sinePicture_;
    bool tickInProgress_ = false;
    int runNumber_ = 0;  // counts the starts, so a tick outlived by its run can tell
};

}  // namespace voltaris::pages
