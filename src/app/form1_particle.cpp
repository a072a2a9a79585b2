// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "app/pages/particle_pages.h"

namespace voltaris {

void Form1::ConnectParticlePages() {
    pages::ParticleHost host{project_, dialogs_, pages_.PageControl, Label34, {}, {}, {}, {}, {}, {}, {}};
    host.requestRedraw = [this](bool surfaceToo) { RequestRedraw(surfaceToo); };
    host.publishSwitches = [this](const ParticleSwitches& switches) { views_.PublishParticleSwitches(switches); };
    host.paths = [this]() -> PathStore& { return views_.Paths(); };
    host.acPhaseCounter = [this]() -> int32_t& { return views_.AcPhaseCounter(); };
    host.suggestedAmplification = [this] { return suggestedAmplification_; };
    host.engine3D = [this] { return views_.Engine3D(); };
    host.engine2D = [this] { return views_.Engine2D(); };
    host.history = &history_;
    particlePages_ = new pages::ParticlePages(pages_, host, this);
    // An alternating-voltage phase step ends when its build has arrived.
    connect(&views_, &GraphViews::pathBuilt, &particlePages_->alternatingVoltage,
            &pages::AlternatingVoltageController::PathBuilt);
    connect(&views_, &GraphViews::pathBuilt, particlePages_, &pages::ParticlePages::PathBuilt);

    // Builds with radiation suggest nothing: switching it off and on again takes the factor
    // of the last build made without.
    connect(&views_, &GraphViews::pathBuilt, this, [this] {
        const ParticleSwitches& switches = particlePages_->Switches();
        if (switches.ParticleEnabled && !switches.BremsstrahlungEnabled) {
            suggestedAmplification_ = views_.SuggestedAmplification();
        }
    });
}

void Form1::LeaveTab() { particlePages_->LeaveTab(); }

void Form1::StopAlternatingVoltage() { particlePages_->alternatingVoltage.StopIfRunning(); }

}  // namespace voltaris
