// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include "app/pages/bottom_pages.h"
#include "app/pages/particle_host.h"
#include "particle/particle_parameters.h"

namespace voltaris::pages {

// The page "Bewegte Ladung": the particle switch, the presets, the charge and mass boxes with
// their "Y" confirmation, the speed and step sliders and the time-step reset. Everything goes
// into slot 0 of the active tab.
class ParticlePageController : public QObject {
public:
    ParticlePageController(const ParticlePage& page, const ParticleHost& host, ParticleSwitches& switches,
                           QObject* parent);

    void Button11Click();
    void ApplyParticlePreset(ParticlePreset preset);
    void Label37Click();  // "dt neu berechnen"
    void ShowSpecificCharge();
    // The switch's caption, the readouts and the number boxes in the current language (a typed
    // value that awaits its "Y" keeps its digits).
    void RetranslateUi();
    // Fills the page from slot 0 of the active tab (the panel refresh, also after the unit
    // switch); sliders that cannot show the slot's value bring it into their range.
    void FillFromActiveTab();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditChange(QLineEdit* edit);
    void ConfirmWithY(QLineEdit* edit);
    void ScrollBar1Change(int position);
    void ScrollBar3Change(int position);
    void ShowSwitchCaption();
    void ShowSpeed(double speed);
    void MarkPending(QLineEdit* edit);
    void ClearPending();
    ParticleSlot& Slot0() { return host_.project.Active().particles[0]; }

    ParticlePage page_;
    ParticleHost host_;
    ParticleSwitches& switches_;
};

// Gives a text box a white or yellow background.
void SetBoxColour(QLineEdit* edit, Qt::GlobalColor colour);

}  // namespace voltaris::pages
