// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>

#include "app/pages/bottom_pages.h"
#include "app/pages/paint_box_canvas.h"
#include "app/pages/particle_host.h"
#include "particle/path_energy.h"
#include "particle/slow_motion.h"

namespace voltaris::pages {

// The page "Zeitlupe": replays slot 0's path every 10 ms against a slowed clock, with the
// current and highest speed, the particle's energies at the marker and the scrolling
// time-velocity diagram, or instead the energies over the path's time.
class SlowMotionController : public QObject {
public:
    static constexpr int TimerInterval = 10;  // ms

    SlowMotionController(const SlowMotionPage& page, const ParticleHost& host, QObject* parent);

    void Button9Click();
    void Timer1Timer();
    bool Running() const { return Timer1.isActive(); }
    const SlowMotion& Player() const { return player_; }
    const PaintBoxCanvas& Diagram() const { return *diagram_; }
    // The caption, heading, readouts and energy diagram in the current language.
    void RetranslateUi();

private:
    void ScrollBar4Change(int position);
    void DiagramChoiceChange(int index);
    bool PlotsEnergies() const { return page_.ComboBoxDiagram->currentIndex() == 1; }
    // The energy labels at point `index` of slot 0's path and, when chosen, the energy
    // diagram up to it; -1 is the path's last point, where an ended replay stands.
    void ShowEnergies(int index);
    void ShowStartCaption();
    void ShowHeading();
    void ShowFactor();
    // The speed and energy readouts of the last tick (their bare captions before the first).
    void ShowSpeeds();
    void ShowEnergyLabels();

    SlowMotionPage page_;
    ParticleHost host_;
    SlowMotion player_;
    QTimer Timer1;
    PaintBoxCanvas* diagram_;
    std::optional<SlowMotionStep> lastStep_;
    std::optional<ParticleEnergy> shownEnergy_;
};

}  // namespace voltaris::pages
