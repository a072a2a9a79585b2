#include "app/pages/slow_motion_controller.h"

#include "app/pages/speed_diagram_painting.h"
#include "particle/particle_parameters.h"

namespace voltaris::pages {

SlowMotionController::SlowMotionController(const SlowMotionPage& page, const ParticleHost& host, QObject* parent)
    : QObject(parent), page_(page), host_(host), diagram_(new PaintBoxCanvas(page.PaintBox3)) {
    Timer1.setObjectName("Timer1");
    Timer1.setInterval(TimerInterval);
    connect(&Timer1, &QTimer::timeout, this, &SlowMotionController::Timer1Timer);
    connect(page_.Button9, &QPushButton::clicked, this, &SlowMotionController::Button9Click);
    connect(page_.ScrollBar4, &QScrollBar::valueChanged, this, &SlowMotionController::ScrollBar4Change);
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
    if (step.ended) {
        page_.Label31->setText(QString::fromStdString(SpeedText("Endgeschwindigkeit: ", step.currentSpeed)));
        page_.Button9->setText("Start");
        Timer1.stop();
        return;
    }
    PaintSpeedDiagram(diagram_->Picture(), player_.Ring(), step.maxSpeed,
                      page_.PaintBox3->palette().color(QPalette::Button));
    diagram_->Show();
}

}  // namespace voltaris::pages
