// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/slow_motion_controller.h"

#include <QCoreApplication>

#include "app/pages/energy_diagram_painting.h"
#include "app/pages/page_helpers.h"
#include "app/pages/speed_diagram_painting.h"
#include "model/number_format.h"
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
    ShowStartCaption();
    ShowHeading();
    ShowFactor();
    ShowSpeeds();
    ShowEnergyLabels();
}

void SlowMotionController::RetranslateUi() {
    ShowStartCaption();
    ShowHeading();
    ShowFactor();
    ShowSpeeds();
    ShowEnergyLabels();
    // The legend of a standing energy diagram; a running replay draws it at its next tick.
    if (lastStep_ && PlotsEnergies() && !Running()) ShowEnergies(lastStep_->playbackIndex);
}

void SlowMotionController::ShowStartCaption() {
    const QString start = QCoreApplication::translate("SlowMotionPage", "Start");
    const QString stop = QCoreApplication::translate("SlowMotionPage", "Stop");
    if (Running()) {
        ShowPageButtonCaption(page_.Button9, stop, start);
    } else {
        ShowPageButtonCaption(page_.Button9, start, stop);
    }
}

void SlowMotionController::ShowHeading() {
    page_.Label30->setText(PlotsEnergies()
                               ? QCoreApplication::translate("SlowMotionPage", "Zeit-Energie-Diagramm")
                               : QCoreApplication::translate("SlowMotionPage", "Zeit-Geschwindigkeits-Diagramm"));
}

void SlowMotionController::ShowFactor() {
    page_.Label12->setText(QCoreApplication::translate("SlowMotionPage", "Zeitlupe: 1 s entspricht %1 s")
                               .arg(QString::fromStdString(FormatShownNumber(player_.SlowMotionFactor, 3))));
}

void SlowMotionController::ShowSpeeds() {
    auto speedLabel = [](const QString& caption, float speed) {
        return caption.arg(QString::fromStdString(SpeedText("", speed)));
    };
    if (!lastStep_) {
        page_.Label31->setText(QCoreApplication::translate("SlowMotionPage", "Momentangeschwindigkeit:"));
        page_.Label32->setText(QCoreApplication::translate("SlowMotionPage", "Maximalgeschwindigkeit:"));
        return;
    }
    const SlowMotionStep& step = *lastStep_;
    page_.Label31->setText(
        step.ended ? speedLabel(QCoreApplication::translate("SlowMotionPage", "Endgeschwindigkeit: %1"), step.currentSpeed)
                   : speedLabel(QCoreApplication::translate("SlowMotionPage", "Momentangeschwindigkeit: %1"),
                                step.currentSpeed));
    page_.Label32->setText(
        speedLabel(QCoreApplication::translate("SlowMotionPage", "Maximalgeschwindigkeit: %1"), step.maxSpeed));
}

void SlowMotionController::ShowEnergyLabels() {
    if (!shownEnergy_) {
        page_.LabelKinetic->setText(QCoreApplication::translate("SlowMotionPage", "Kinetische Energie:"));
        page_.LabelPotential->setText(QCoreApplication::translate("SlowMotionPage", "Potenzielle Energie:"));
        page_.LabelTotal->setText(QCoreApplication::translate("SlowMotionPage", "Gesamtenergie:"));
        page_.LabelRadiated->setText(QCoreApplication::translate("SlowMotionPage", "Abgestrahlte Energie:"));
        return;
    }
    const ParticleEnergy& e = *shownEnergy_;
    auto energyLabel = [](const QString& caption, double joules) {
        return caption.arg(QString::fromStdString(EnergyText("", joules)));
    };
    page_.LabelKinetic->setText(
        energyLabel(QCoreApplication::translate("SlowMotionPage", "Kinetische Energie: %1"), e.kinetic));
    page_.LabelPotential->setText(
        energyLabel(QCoreApplication::translate("SlowMotionPage", "Potenzielle Energie: %1"), e.potential));
    page_.LabelTotal->setText(energyLabel(QCoreApplication::translate("SlowMotionPage", "Gesamtenergie: %1"), e.Total()));
    page_.LabelRadiated->setText(
        energyLabel(QCoreApplication::translate("SlowMotionPage", "Abgestrahlte Energie: %1"), e.radiated));
}

void SlowMotionController::DiagramChoiceChange(int) {
    ShowHeading();
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
        shownEnergy_ = EnergyAtPoint(path, index, charge, slot.mass);
        ShowEnergyLabels();
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
    ShowFactor();
}

void SlowMotionController::Button9Click() {
    if (Timer1.isActive()) {
        page_.Label31->hide();
        player_.Stop(host_.paths());
        Timer1.stop();
        ShowStartCaption();
        return;
    }
    player_.Start(host_.paths());
    page_.Label31->show();
    Timer1.start();
    ShowStartCaption();
}

void SlowMotionController::Timer1Timer() {
    const SlowMotionStep step = player_.Tick(TimerInterval, host_.paths());
    lastStep_ = step;
    ShowSpeeds();
    ShowEnergies(step.playbackIndex);
    if (step.ended) {
        Timer1.stop();
        ShowStartCaption();
        return;
    }
    if (PlotsEnergies()) return;  // drawn with the energies
    PaintSpeedDiagram(diagram_->Picture(), player_.Ring(), step.maxSpeed,
                      page_.PaintBox3->palette().color(QPalette::Button));
    diagram_->Show();
}

}  // namespace voltaris::pages
