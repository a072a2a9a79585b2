// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/slow_motion_controller.h"

#include "app/pages/energy_diagram_painting.h"
#include "app/pages/speed_diagram_painting.h"
#include "particle/path_energy.h"
#include "particle/particle_parameters.h"

namespace voltaris::pages {

SlowMotionController::SlowMotionController(const SlowMotionPage& page, const ParticleHost& host, QObject* parent)
    : QObject(parent), page_(page), host_(host), diagram_(new PaintBoxCanvas(page.PaintBox3)) {
    Timer1.setObjectName("Timer1");
    Timer1.setInterval(TimerInterval);
    connect(&Timer1, &QTimer::timeout, this, &SlowMotionController::Timer1Timer);
    connect(page_.Button9, &QPushButton::clicked, this, &SlowMotionController::Button9Click);
    connect(page_.ScrollBar4, &QScrollBar::valueChanged, this, &SlowMotionController::ScrollBar4Change);
    connect(page_.ComboBoxDiagram, &QComboBox::currentIndexChanged, this, &SlowMotionController::DiagramChoiceChange);
}

void SlowMotionController::DiagramChoiceChange(int) {
    page_.Label30->setText(PlotsEnergies() ? "Zeit-Energie-Diagramm" : "Zeit-Geschwindigkeits-Diagramm");
    diagram_->Reset();  // the next tick draws the other diagram
}

void SlowMotionController::ShowEnergies(int index) {
    const ParticleSlot& slot = host_.project.Active().particles[0];
    const double charge = host_.project.SignFactor * slot.charge;  // as the path was built
    host_.paths().Read([&](const PathSet& paths) {
        const PathSlot& path = paths.slots[0];
        const int points = std::min(path.PathFloatCount / 3, PathSampleCapacity);
        if (points < 1) return;
        // A replay that ended (also one shorter than its first tick) shows where the path ends;
        // a rebuild may have left a path shorter than the replayed index.
        if (index < 0 || index >= points) index = points - 1;
        const ParticleEnergy e = EnergyAtPoint(path, index, charge, slot.mass);
        page_.LabelKinetic->setText(QString::fromStdString(EnergyText("Kinetische Energie: ", e.kinetic)));
        page_.LabelPotential->setText(QString::fromStdString(EnergyText("Potenzielle Energie: ", e.potential)));
        page_.LabelTotal->setText(QString::fromStdString(EnergyText("Gesamtenergie: ", e.Total())));
        page_.LabelRadiated->setText(QString::fromStdString(EnergyText("Abgestrahlte Energie: ", e.radiated)));
        page_.LabelRadiated->setVisible(path.PathRadiated[points - 1] > 0);
        if (PlotsEnergies()) {
            PaintEnergyDiagram(diagram_->Picture(), path, index + 1, charge, slot.mass,
                               page_.PaintBox3->palette().color(QPalette::Button));
            diagram_->Show();
        }
    });
}

void SlowMotionController::ScrollBar4Change(int position) {
    player_.SlowMotionFactor = SlowMotion::FactorOfSlider(position);
    page_.Label12->setText(QString::fromStdString(SlowMotion::FactorLabelText(player_.SlowMotionFactor)));
}

void SlowMotionController::Button9Click() {
    if (Timer1.isActive()) {
        page_.Button9->setText("Start");
        page_.Label31->hide();
        player_.Stop(host_.paths());
        Timer1.stop();
        return;
    }
    page_.Button9->setText("Stop");
    player_.Start(host_.paths());
    page_.Label31->show();
    Timer1.start();
}

void SlowMotionController::Timer1Timer() {
    const SlowMotionStep step = player_.Tick(TimerInterval, host_.paths());
    page_.Label31->setText(QString::fromStdString(SpeedText("Momentangeschwindigkeit: ", step.currentSpeed)));
    page_.Label32->setText(QString::fromStdString(SpeedText("Maximalgeschwindigkeit: ", step.maxSpeed)));
    ShowEnergies(step.playbackIndex);
    if (step.ended) {
        page_.Label31->setText(QString::fromStdString(SpeedText("Endgeschwindigkeit: ", step.currentSpeed)));
        page_.Button9->setText("Start");
        Timer1.stop();
        return;
    }
    if (PlotsEnergies()) return;  // drawn with the energies
    PaintSpeedDiagram(diagram_->Picture(), player_.Ring(), step.maxSpeed,
                      page_.PaintBox3->palette().color(QPalette::Button));
    diagram_->Show();
}

}  // namespace voltaris::pages
