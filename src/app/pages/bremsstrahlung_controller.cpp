#include "app/pages/bremsstrahlung_controller.h"

#include <QSignalBlocker>

#include "model/number_format.h"
#include "particle/bremsstrahlung.h"

namespace voltaris::pages {

BremsstrahlungController::BremsstrahlungController(const BremsstrahlungPage& page, const ParticleHost& host,
                                                   ParticleSwitches& switches, QObject* parent)
    : QObject(parent), page_(page), host_(host), switches_(switches) {
    connect(page_.Button5, &QPushButton::clicked, this, &BremsstrahlungController::Button5Click);
    connect(page_.Edit4, &QLineEdit::textChanged, this, &BremsstrahlungController::Edit4Change);
}

void BremsstrahlungController::Button5Click() {
    switches_.BremsstrahlungEnabled = !switches_.BremsstrahlungEnabled;
    const bool on = switches_.BremsstrahlungEnabled;
    if (on) {
        switches_.BremsstrahlungFactor = host_.suggestedAmplification();
        {
            const QSignalBlocker quiet(page_.Edit4);
            page_.Edit4->setText(QString::fromStdString(BremsstrahlungBoxText(switches_.BremsstrahlungFactor)));
        }
        // The factor in force is the one read back from the box, even when its text stayed.
        Edit4Change();
    }
    host_.publishSwitches(switches_);
    host_.requestRedraw(false);
    page_.Button5->setText(on ? "Deaktivieren" : "Aktivieren");
    page_.GroupBox3->setVisible(on);
}

void BremsstrahlungController::Edit4Change() {
    try {
        switches_.BremsstrahlungFactor = BremsstrahlungFactorFromText(page_.Edit4->text().toStdString());
    } catch (const ConversionError& error) {
        host_.dialogs.ShowError(error.what());
        return;
    }
    host_.publishSwitches(switches_);
    host_.requestRedraw(false);
}

void BremsstrahlungController::LeaveTab() {
    switches_.BremsstrahlungFactor = 1.0;
    host_.publishSwitches(switches_);
    if (switches_.BremsstrahlungEnabled) Button5Click();
}

}  // namespace voltaris::pages
