// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/alternating_voltage_controller.h"

#include <QCoreApplication>

#include "app/pages/page_helpers.h"
#include "app/pages/speed_diagram_painting.h"
#include "particle/particle_parameters.h"

namespace voltaris::pages {

AlternatingVoltageController::AlternatingVoltageController(const AlternatingVoltagePage& page,
                                                           const ParticleHost& host, ParticleSwitches& switches,
                                                           QObject* parent)
    : QObject(parent),
      page_(page),
      host_(host),
      switches_(switches),
      speedDiagram_(new PaintBoxCanvas(page.PaintBox2)),
      sinePicture_(new PaintBoxCanvas(page.PaintBox1)) {
    Timer2.setObjectName("Timer2");
    Timer2.setInterval(TimerInterval);
    connect(&Timer2, &QTimer::timeout, this, &AlternatingVoltageController::Timer2Timer);
    buildWait_.setSingleShot(true);
    buildWait_.setInterval(BuildWaitCap);
    connect(&buildWait_, &QTimer::timeout, this, &AlternatingVoltageController::FinishPhaseStep);
    connect(page_.Button12, &QPushButton::clicked, this, &AlternatingVoltageController::Button12Click);
    connect(page_.ScrollBar7, &QScrollBar::valueChanged, this, &AlternatingVoltageController::ScrollBar7Change);
    RetranslateUi();
}

void AlternatingVoltageController::RetranslateUi() {
    ShowStartCaption();
    ShowFrequency();
    ShowSpeeds();
}

void AlternatingVoltageController::ShowStartCaption() {
    const QString start = QCoreApplication::translate("AlternatingVoltagePage", "Start");
    const QString stop = QCoreApplication::translate("AlternatingVoltagePage", "Stop");
    if (switches_.AcRunning) {
        ShowPageButtonCaption(page_.Button12, stop, start);
    } else {
        ShowPageButtonCaption(page_.Button12, start, stop);
    }
}

void AlternatingVoltageController::ShowFrequency() {
    if (!frequencyChosen_) {
        page_.Label19->setText(QCoreApplication::translate("AlternatingVoltagePage", "Frequenz: 1,20MHz"));
        return;
    }
    page_.Label19->setText(QCoreApplication::translate("AlternatingVoltagePage", "Frequenz: %1")
                               .arg(QString::fromStdString(FrequencyText(page_.ScrollBar7->value()))));
}

void AlternatingVoltageController::ShowSpeeds() {
    if (!shownSpeeds_) {
        page_.Label21->setText(QCoreApplication::translate("AlternatingVoltagePage", "Momentangeschwindigkeit:"));
        page_.Label22->setText(QCoreApplication::translate("AlternatingVoltagePage", "Maximalgeschwindigkeit:"));
        return;
    }
    page_.Label22->setText(QCoreApplication::translate("AlternatingVoltagePage", "Maximalgeschwindigkeit: %1")
                               .arg(QString::fromStdString(SpeedText("", shownSpeeds_->highest))));
    page_.Label21->setText(QCoreApplication::translate("AlternatingVoltagePage", "Momentangeschwindigkeit: %1")
                               .arg(QString::fromStdString(SpeedText("", shownSpeeds_->current))));
}

void AlternatingVoltageController::SetGridSteps(float step) {
    if (GraphEngine* e = host_.engine3D()) e->gridStep = step;
    if (GraphEngine* e = host_.engine2D()) e->gridStep = step;
}

void AlternatingVoltageController::Button12Click() {
    if (switches_.AcRunning) {
        Stop();
    } else {
        Start();
    }
}

void AlternatingVoltageController::StopIfRunning() {
    if (switches_.AcRunning) Button12Click();
}

void AlternatingVoltageController::LeaveTab() {
    StopIfRunning();
    speedDiagram_->Reset();
    sinePicture_->Reset();
    shownSpeeds_.reset();
    ShowSpeeds();
}

void AlternatingVoltageController::Start() {
    // A coarse surface: it is rebuilt at every phase step.
    SetGridSteps(0.2f);
    run_.Start(host_.project, switches_, host_.acPhaseCounter(), host_.paths());
    ShowStartCaption();
    host_.publishSwitches(switches_);
    Timer2.start();
}

void AlternatingVoltageController::Stop() {
    SetGridSteps(0.05f);
    Timer2.stop();
    run_.Stop(host_.project, switches_);
    ShowStartCaption();
    host_.publishSwitches(switches_);
    host_.requestRedraw(true);
    sinePicture_->Clear();
    // A phase step still waiting belongs to the run that ended.
    buildWait_.stop();
    tickInProgress_ = false;
}

void AlternatingVoltageController::ScrollBar7Change(int position) {
    StopIfRunning();
    switches_.AcChunkDuration = AcChunkDurationOf(position);
    host_.publishSwitches(switches_);
    frequencyChosen_ = true;
    ShowFrequency();
}

void AlternatingVoltageController::Timer2Timer() {
    if (!host_.engine3D() || tickInProgress_) return;
    tickInProgress_ = true;
    const int32_t counter = host_.acPhaseCounter();
    run_.ScaleCharges(host_.project, counter);

    const float speed = static_cast<float>(host_.project.Active().particles[0].speed);
    shownSpeeds_ = ShownSpeeds{speed, run_.RaiseMaxSpeed(speed)};
    ShowSpeeds();

    // The 3D engine's thread builds the phase step; its build counts the phase on.
    notedPhase_ = counter;
    buildWait_.start();
    host_.requestRedraw(true);
}

void AlternatingVoltageController::PathBuilt() {
    // Builds that did not consume the step (the stop's redraw, a full path store) are not it.
    if (tickInProgress_ && host_.acPhaseCounter() != notedPhase_) FinishPhaseStep();
}

void AlternatingVoltageController::FinishPhaseStep() {
    if (!tickInProgress_) return;
    buildWait_.stop();
    tickInProgress_ = false;
    run_.RecordSpeed(static_cast<float>(host_.project.Active().particles[0].speed));
    if (run_.MaxSpeed() == 0 || !Timer2.isActive()) return;

    PaintSpeedDiagram(speedDiagram_->Picture(), run_.Ring(), run_.MaxSpeed(),
                      page_.PaintBox2->palette().color(QPalette::Button));
    speedDiagram_->Show();
    PaintSinePicture(sinePicture_->Picture(), host_.acPhaseCounter(),
                     page_.PaintBox1->palette().color(QPalette::Button));
    sinePicture_->Show();
}

}  // namespace voltaris::pages
