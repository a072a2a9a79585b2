// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/bottom_pages.h"

#include "app/pages/page_helpers.h"

namespace voltaris::pages {

BottomPages BuildBottomPages(QWidget* parent) {
    BottomPages p;
    p.PageControl = Named(new QTabWidget(parent), "PageControl");
    p.staticCharges = BuildStaticChargesPage();
    p.misc = BuildMiscPage();
    p.particle = BuildParticlePage();
    p.bremsstrahlung = BuildBremsstrahlungPage();
    p.slowMotion = BuildSlowMotionPage();
    p.alternatingVoltage = BuildAlternatingVoltagePage();
    p.render = BuildRenderPage();

    QTabWidget* c = p.PageControl;
    c->addTab(p.staticCharges.page, "Statische Ladungen");
    c->addTab(p.misc.page, "Misc");
    c->addTab(p.particle.page, "Bewegte Ladung");
    c->addTab(p.bremsstrahlung.page, "Bremsstrahlung");
    c->addTab(p.slowMotion.page, "Zeitlupe");
    c->addTab(p.alternatingVoltage.page, "Wechselspannung");
    c->addTab(p.render.page, "Render");
    for (QWidget* hidden : {p.render.page, p.alternatingVoltage.page, p.bremsstrahlung.page, p.slowMotion.page,
                            p.misc.page}) {
        c->setTabVisible(c->indexOf(hidden), false);
    }
    c->setCurrentIndex(c->indexOf(p.staticCharges.page));
    return p;
}

}  // namespace voltaris::pages
