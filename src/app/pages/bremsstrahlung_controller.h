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

private:
    void Edit4Change();

    BremsstrahlungPage page_;
    ParticleHost host_;
    ParticleSwitches& switches_;
};

}  // namespace voltaris::pages
