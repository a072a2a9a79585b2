// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/bottom_pages.h"

#include <QCoreApplication>

#include "app/pages/page_helpers.h"

namespace voltaris::pages {

namespace {

void RetranslateTabTitles(const BottomPages& p) {
    QTabWidget* c = p.PageControl;
    c->setTabText(p.IndexOf(p.staticCharges.page), QCoreApplication::translate("BottomPages", "Statische Ladungen"));
    c->setTabText(p.IndexOf(p.misc.page), QCoreApplication::translate("BottomPages", "Misc"));
    c->setTabText(p.IndexOf(p.particle.page), QCoreApplication::translate("BottomPages", "Bewegte Ladung"));
    c->setTabText(p.IndexOf(p.bremsstrahlung.page), QCoreApplication::translate("BottomPages", "Bremsstrahlung"));
    c->setTabText(p.IndexOf(p.slowMotion.page), QCoreApplication::translate("BottomPages", "Zeitlupe"));
    c->setTabText(p.IndexOf(p.alternatingVoltage.page),
                  QCoreApplication::translate("BottomPages", "Wechselspannung"));
    c->setTabText(p.IndexOf(p.render.page), QCoreApplication::translate("BottomPages", "Render"));
}

}  // namespace

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
    for (QWidget* page : {p.staticCharges.page, p.misc.page, p.particle.page, p.bremsstrahlung.page,
                          p.slowMotion.page, p.alternatingVoltage.page, p.render.page}) {
        c->addTab(page, QString());
    }
    RetranslateTabTitles(p);
    OnLanguageChange(c, c, [p] { RetranslateBottomPages(p); });
    for (QWidget* hidden : {p.render.page, p.alternatingVoltage.page, p.bremsstrahlung.page, p.slowMotion.page,
                            p.misc.page}) {
        c->setTabVisible(c->indexOf(hidden), false);
    }
    c->setCurrentIndex(c->indexOf(p.staticCharges.page));
    return p;
}

void RetranslateBottomPages(const BottomPages& pages) {
    RetranslateTabTitles(pages);
    RetranslateStaticChargesPage(pages.staticCharges);
    RetranslateMiscPage(pages.misc);
    RetranslateParticlePage(pages.particle);
    RetranslateBremsstrahlungPage(pages.bremsstrahlung);
    RetranslateSlowMotionPage(pages.slowMotion);
    RetranslateAlternatingVoltagePage(pages.alternatingVoltage);
    RetranslateRenderPage(pages.render);
}

}  // namespace voltaris::pages
