// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include "app/pages/alternating_voltage_controller.h"
#include "app/pages/bottom_pages.h"
#include "app/pages/bremsstrahlung_controller.h"
#include "app/pages/particle_host.h"
#include "app/pages/particle_page_controller.h"
#include "app/pages/slow_motion_controller.h"
#include "app/pages/start_fields_controller.h"

namespace voltaris::pages {

// The four pages of the moving particle with the switches they share.
class ParticlePages : public QObject {
public:
    ParticlePages(const BottomPages& pages, const ParticleHost& host, QObject* parent);

    // The panel refresh: the particle page shows slot 0 of the active tab.
    void FillParticlePage() {
        particle.FillFromActiveTab();
        startFields.ShowStart();
    }
    // A path build has reached the model: the start may have moved (by the mouse, or with the
    // alternating voltage), and the path's speeds are new.
    void PathBuilt();
    // Before another tab is shown, or the model is replaced: a running alternating-voltage
    // run is stopped and the radiation switched off.
    void LeaveTab();

    const ParticleSwitches& Switches() const { return switches_; }

    // Every text the four pages compose from their state, in the current language; runs by
    // itself when the page control hears of a change of language.
    void RetranslateUi();

    ParticleSwitches switches_;
    ParticlePageController particle;
    StartFieldsController startFields;
    BremsstrahlungController bremsstrahlung;
    SlowMotionController slowMotion;
    AlternatingVoltageController alternatingVoltage;
};

}  // namespace voltaris::pages
