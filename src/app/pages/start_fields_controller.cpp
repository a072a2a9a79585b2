// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/start_fields_controller.h"

#include <QApplication>
#include <QCoreApplication>
#include <algorithm>
#include <QFocusEvent>

#include "app/pages/page_helpers.h"
#include "app/undo/step_names.h"
#include "model/number_format.h"

namespace voltaris::pages {

StartFieldsController::StartFieldsController(const ParticlePage& page, const ParticleHost& host, QObject* parent)
    : QObject(parent), page_(page), host_(host) {
    for (QLineEdit* edit : {page_.EditStartX, page_.EditStartY, page_.EditStartDirection}) {
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { EditingFinished(edit, FieldOf(edit)); });
        edit->installEventFilter(this);
    }
}

StartField StartFieldsController::FieldOf(const QLineEdit* edit) const {
    if (edit == page_.EditStartX) return StartField::X;
    if (edit == page_.EditStartY) return StartField::Y;
    return StartField::Direction;
}

void StartFieldsController::ShowStart() {
    const ParticleSlot& slot = host_.project.Active().particles[0];
    for (QLineEdit* edit : {page_.EditStartX, page_.EditStartY, page_.EditStartDirection}) {
        if (!edit->isModified()) edit->setText(QString::fromStdString(StartFieldText(slot, FieldOf(edit))));
    }
}

void StartFieldsController::RetranslateUi() {
    for (QLineEdit* edit : {page_.EditStartX, page_.EditStartY, page_.EditStartDirection}) RestyleTypedNumber(edit);
    ShowStart();
    ShowSpeedNote();
}

void StartFieldsController::ShowSpeedNote() {
    std::optional<float> topSpeed;
    const int slots = host_.project.Active().ParticleCount;
    host_.paths().Read([&](const PathSet& paths) { topSpeed = NonClassicalTopSpeed(paths, slots); });
    QLabel* label = page_.LabelNonClassical;
    if (topSpeed) {
        label->setText(QCoreApplication::translate("ParticlePage", "v > 0,1 c: die Bahn ist hier nicht mehr klassisch "
                                                                   "(höchste Geschwindigkeit %1 m/s)")
                           .arg(QString::fromStdString(FormatShownNumber(*topSpeed, 3))));
        const QGroupBox* group = page_.GroupBox4;
        const int x = group->fontMetrics().horizontalAdvance(group->title()) + 40;
        label->setGeometry(x, 0, std::min(label->sizeHint().width(), group->width() - x), label->sizeHint().height());
    }
    label->setVisible(topSpeed.has_value());
}

void StartFieldsController::EditingFinished(QLineEdit* edit, StartField field) {
    // Only a typed text moves the start; Enter on the shown value changes nothing.
    if (reporting_ || !edit->isModified() || !edit->isVisible()) return;
    // A menu opening takes the focus without the field being left: it is judged when it is.
    if (QApplication::activePopupWidget()) {
        complainWhenLeft_ = edit;
        return;
    }
    ParticleSlot& slot = host_.project.Active().particles[0];
    const std::string text = edit->text().toStdString();
    std::string message;
    bool conversion = false;
    try {
        ParticleSlot tried = slot;
        if (ApplyStartText(tried, field, text, host_.project.unitLength)) {
            const char* step = field == StartField::Direction ? step_names::TurnParticleStart
                                                               : step_names::MoveParticleStart;
            RecordStep(host_.history, step, [&] { slot = tried; });
        } else {
            message = QCoreApplication::translate("ParticlePage", "Der Startpunkt muss im Koordinatensystem liegen: "
                                                                  "x und y von 0 bis %1 m.")
                          .arg(QString::fromStdString(FormatShownNumber(StartSquareSide(host_.project.unitLength), 3)))
                          .toStdString();
        }
    } catch (const ConversionError& error) {
        message = error.what();
        conversion = true;
    }
    // The field shows the start in force again, also after a refusal.
    edit->setText(QString::fromStdString(StartFieldText(slot, field)));
    if (message.empty()) {
        host_.requestRedraw(false);
        return;
    }
    reporting_ = true;
    if (conversion) {
        host_.dialogs.ShowError(message);
    } else {
        host_.dialogs.ShowMessage(message);
    }
    reporting_ = false;
}

bool StartFieldsController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == complainWhenLeft_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        QLineEdit* edit = complainWhenLeft_;
        complainWhenLeft_ = nullptr;
        EditingFinished(edit, FieldOf(edit));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace voltaris::pages
