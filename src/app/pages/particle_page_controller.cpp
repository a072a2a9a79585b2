// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/particle_page_controller.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "app/pages/page_helpers.h"
#include "app/undo/step_names.h"
#include "model/number_format.h"

namespace voltaris::pages {

void SetBoxColour(QLineEdit* edit, Qt::GlobalColor colour) {
    edit->setStyleSheet(colour == Qt::yellow ? "background-color: yellow;" : "background-color: white;");
}

ParticlePageController::ParticlePageController(const ParticlePage& page, const ParticleHost& host,
                                               ParticleSwitches& switches, QObject* parent)
    : QObject(parent), page_(page), host_(host), switches_(switches) {
    connect(page_.Button11, &QPushButton::clicked, this, &ParticlePageController::Button11Click);
    connect(page_.Button1, &QPushButton::clicked, this, [this] { ApplyParticlePreset(ElectronPreset); });
    connect(page_.Button2, &QPushButton::clicked, this, [this] { ApplyParticlePreset(PositronPreset); });
    connect(page_.Button13, &QPushButton::clicked, this, [this] { ApplyParticlePreset(HydrogenNucleusPreset); });
    connect(page_.Button14, &QPushButton::clicked, this, [this] { ApplyParticlePreset(HeliumNucleusPreset); });
    // Texts set by the program count as changes too, as they do for the user.
    connect(page_.Edit1, &QLineEdit::textChanged, this, [this] { EditChange(page_.Edit1); });
    connect(page_.Edit2, &QLineEdit::textChanged, this, [this] { EditChange(page_.Edit2); });
    page_.Edit1->installEventFilter(this);
    page_.Edit2->installEventFilter(this);
    page_.Label37->installEventFilter(this);
    connect(page_.ScrollBar1, &QScrollBar::valueChanged, this, &ParticlePageController::ScrollBar1Change);
    connect(page_.ScrollBar3, &QScrollBar::valueChanged, this, &ParticlePageController::ScrollBar3Change);
    ShowSwitchCaption();
    ShowSpecificCharge();
    ShowSpeed(Slot0().speed);
}

void ParticlePageController::ShowSwitchCaption() {
    const QString on = QCoreApplication::translate("ParticlePage", "Deaktivieren");
    const QString off = QCoreApplication::translate("ParticlePage", "Aktivieren");
    if (switches_.ParticleEnabled) {
        ShowPageButtonCaption(page_.Button11, on, off);
    } else {
        ShowPageButtonCaption(page_.Button11, off, on);
    }
}

void ParticlePageController::ShowSpeed(double speed) {
    page_.Label6->setText(QString::fromStdString(SpeedText("", speed)));
}

void ParticlePageController::RetranslateUi() {
    ShowSwitchCaption();
    ShowSpecificCharge();
    ShowSpeed(Slot0().speed);
    if (!host_.Label34->isHidden()) {  // the boxes hold what the user typed
        RestyleTypedNumber(page_.Edit1);
        RestyleTypedNumber(page_.Edit2);
        return;
    }
    const bool inE = host_.project.UnitsInElementaryCharges;
    const QSignalBlocker quietCharge(page_.Edit1), quietMass(page_.Edit2);
    page_.Edit1->setText(QString::fromStdString(ChargeBoxText(Slot0().charge, inE)));
    page_.Edit2->setText(QString::fromStdString(MassBoxText(Slot0().mass)));
}

void ParticlePageController::Button11Click() {
    switches_.ParticleEnabled = !switches_.ParticleEnabled;
    const bool on = switches_.ParticleEnabled;
    ShowSwitchCaption();
    page_.GroupBox4->setVisible(on);
    host_.publishSwitches(switches_);
    if (on) host_.requestRedraw(false);
    QTabWidget* pages = host_.PageControl;
    for (const char* name : {"TabSheetWechselspannung", "TabSheetBremsstrahlung", "TabSheetZeitlupe"}) {
        if (QWidget* sheet = pages->findChild<QWidget*>(name)) pages->setTabVisible(pages->indexOf(sheet), on);
    }
}

void ParticlePageController::MarkPending(QLineEdit* edit) {
    host_.Label34->show();
    SetBoxColour(edit, Qt::yellow);
}

void ParticlePageController::ClearPending() {
    host_.Label34->hide();
    SetBoxColour(page_.Edit1, Qt::white);
    SetBoxColour(page_.Edit2, Qt::white);
}

void ParticlePageController::ApplyParticlePreset(ParticlePreset preset) {
    const bool inE = host_.project.UnitsInElementaryCharges;
    page_.Edit2->setText(QString::fromStdString(PresetMassText(preset)));
    page_.Edit1->setText(QString::fromStdString(PresetChargeText(preset, inE)));
    ClearPending();
    // The slot takes what the boxes show, rounded to their digits.
    try {
        const double charge = ChargeFromBox(page_.Edit1->text().toStdString(), inE);
        const double mass = MassFromBox(page_.Edit2->text().toStdString());
        RecordStep(host_.history, step_names::ChooseParticle, [&] {
            Slot0().charge = charge;
            Slot0().mass = mass;
        });
    } catch (const ConversionError& error) {
        host_.dialogs.ShowError(error.what());
        return;
    }
    ShowSpecificCharge();
    host_.requestRedraw(false);
}

void ParticlePageController::EditChange(QLineEdit* edit) {
    MarkPending(edit);
    if (const auto withoutKey = WithoutConfirmationKey(edit->text().toStdString())) {
        // Runs this handler once more, which finds no "y".
        edit->setText(QString::fromStdString(*withoutKey));
        ClearPending();
    }
}

void ParticlePageController::ConfirmWithY(QLineEdit* edit) {
    ClearPending();
    const bool charge = edit == page_.Edit1;
    double value = 0;
    try {
        const std::string text = edit->text().toStdString();
        value = charge ? ChargeFromBox(text, host_.project.UnitsInElementaryCharges) : MassFromBox(text);
    } catch (const ConversionError& error) {
        host_.dialogs.ShowError(error.what());
        return;
    }
    RecordStep(host_.history, charge ? step_names::ParticleCharge : step_names::ParticleMass,
               [&] { (charge ? Slot0().charge : Slot0().mass) = value; });
    ShowSpecificCharge();
    host_.requestRedraw(false);
}

bool ParticlePageController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Y &&
        (watched == page_.Edit1 || watched == page_.Edit2)) {
        // Before the "y" reaches the box: the number read is the one typed so far.
        ConfirmWithY(static_cast<QLineEdit*>(watched));
    } else if (watched == page_.Label37 && event->type() == QEvent::MouseButtonRelease) {
        Label37Click();
    }
    return QObject::eventFilter(watched, event);
}

void ParticlePageController::ShowSpecificCharge() {
    const ParticleSlot& slot = Slot0();
    page_.Label7->setText(QCoreApplication::translate("ParticlePage", "Spezifische Ladung:     %1")
                              .arg(QString::fromStdString(SpecificChargeValueText(
                                  slot.charge, slot.mass, host_.project.UnitsInElementaryCharges))));
}

void ParticlePageController::ScrollBar1Change(int position) {
    RecordBurst(host_.history, step_names::ParticleSpeed, [&] { Slot0().speed = position; });
    ShowSpeed(position);
    host_.requestRedraw(false);
}

void ParticlePageController::ScrollBar3Change(int position) {
    RecordBurst(host_.history, step_names::ParticleSteps, [&] { Slot0().steps = position; });
    page_.Label10->setText(QString::number(position));
    host_.requestRedraw(false);
}

void ParticlePageController::Label37Click() {
    RecordStep(host_.history, step_names::RecomputeDt, [this] { Slot0().dt = RecomputeDt(Slot0().speed); });
    host_.requestRedraw(false);
}

void ParticlePageController::FillFromActiveTab() {
    const bool inE = host_.project.UnitsInElementaryCharges;
    page_.Label20->setText(inE ? "e" : "C");
    page_.Edit1->setText(QString::fromStdString(ChargeBoxText(Slot0().charge, inE)));
    page_.Edit2->setText(QString::fromStdString(MassBoxText(Slot0().mass)));

    // Moving a slider runs its change handling, which stores the whole-number position. A
    // slider already at its end would not move for a value beyond it; that value is brought
    // into range all the same.
    const double speed = Slot0().speed;
    const int speedPosition = SliderPosition(speed, SpeedSliderMin, SpeedSliderMax);
    if (page_.ScrollBar1->value() != speedPosition) {
        page_.ScrollBar1->setValue(speedPosition);
    } else if (!(speed >= SpeedSliderMin && speed <= SpeedSliderMax)) {
        ScrollBar1Change(speedPosition);
    }
    const int32_t steps = Slot0().steps;
    const int stepsPosition = SliderPosition(steps, StepsSliderMin, StepsSliderMax);
    if (page_.ScrollBar3->value() != stepsPosition) {
        page_.ScrollBar3->setValue(stepsPosition);
    } else if (steps != stepsPosition) {
        ScrollBar3Change(stepsPosition);
    }

    ShowSpeed(Slot0().speed);
    page_.Label10->setText(QString::number(Slot0().steps));
    ShowSpecificCharge();
    ClearPending();
}

}  // namespace voltaris::pages
