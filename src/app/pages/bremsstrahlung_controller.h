// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include "app/pages/bottom_pages.h"
#include "app/pages/particle_host.h"

namespace voltaris::pages {

// The page "Bremsstrahlung": switches the amplified radiation loss on with the factor the
// last path build suggested, and takes the factor typed into the box (shown minus one).
class BremsstrahlungController : public QObject {
public:
    BremsstrahlungController(const BremsstrahlungPage& page, const ParticleHost& host, ParticleSwitches& switches,
                             QObject* parent);

    void Button5Click();
    // A new tab starts without amplification and with the radiation off.
    void LeaveTab();
    // The switch's caption and the factor box in the current language.
    void RetranslateUi();

private:
    // Each change of the box: a text that parses is the new factor; an unfinished number
    // ("1e", "-") keeps the last one without a word, so typing on is never interrupted.
    void Edit4Change();
    // Enter, or the box losing the focus: only now does a text that is no number get its
    // message.
    void Edit4EditingFinished();
    bool ApplyBoxText();
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool reporting_ = false;         // the message is up: its focus change must not raise another
    bool complainWhenLeft_ = false;  // a menu took the focus from an unfinished text

    BremsstrahlungPage page_;
    ParticleHost host_;
    ParticleSwitches& switches_;
};

}  // namespace voltaris::pages
