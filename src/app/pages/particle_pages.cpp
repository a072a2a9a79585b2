// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/particle_pages.h"

#include "app/pages/page_helpers.h"

namespace voltaris::pages {

ParticlePages::ParticlePages(const BottomPages& pages, const ParticleHost& host, QObject* parent)
    : QObject(parent),
      particle(pages.particle, host, switches_, this),
      startFields(pages.particle, host, this),
      bremsstrahlung(pages.bremsstrahlung, host, switches_, this),
      slowMotion(pages.slowMotion, host, this),
      alternatingVoltage(pages.alternatingVoltage, host, switches_, this) {
    // Leaving the page of a running alternating voltage stops it.
    connect(pages.PageControl, &QTabWidget::currentChanged, this, [this] { alternatingVoltage.StopIfRunning(); });
    OnLanguageChange(pages.PageControl, this, [this] { RetranslateUi(); });
}

void ParticlePages::RetranslateUi() {
    particle.RetranslateUi();
    startFields.RetranslateUi();
    bremsstrahlung.RetranslateUi();
    slowMotion.RetranslateUi();
    alternatingVoltage.RetranslateUi();
}

void ParticlePages::PathBuilt() {
    startFields.ShowStart();
    startFields.ShowSpeedNote();
}

void ParticlePages::LeaveTab() {
    alternatingVoltage.LeaveTab();
    bremsstrahlung.LeaveTab();
}

}  // namespace voltaris::pages
