// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/bremsstrahlung_controller.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QSignalBlocker>

#include "app/pages/page_helpers.h"
#include "model/number_format.h"
#include "particle/bremsstrahlung.h"

namespace voltaris::pages {

BremsstrahlungController::BremsstrahlungController(const BremsstrahlungPage& page, const ParticleHost& host,
                                                   ParticleSwitches& switches, QObject* parent)
    : QObject(parent), page_(page), host_(host), switches_(switches) {
    connect(page_.Button5, &QPushButton::clicked, this, &BremsstrahlungController::Button5Click);
    connect(page_.Edit4, &QLineEdit::textChanged, this, &BremsstrahlungController::Edit4Change);
    connect(page_.Edit4, &QLineEdit::editingFinished, this, &BremsstrahlungController::Edit4EditingFinished);
    page_.Edit4->installEventFilter(this);
    RetranslateUi();
}

void BremsstrahlungController::RetranslateUi() {
    RestyleTypedNumber(page_.Edit4);
    const QString on = QCoreApplication::translate("BremsstrahlungPage", "Deaktivieren");
    const QString off = QCoreApplication::translate("BremsstrahlungPage", "Aktivieren");
    if (switches_.BremsstrahlungEnabled) {
        ShowPageButtonCaption(page_.Button5, on, off);
    } else {
        ShowPageButtonCaption(page_.Button5, off, on);
    }
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
        ApplyBoxText();
    }
    host_.publishSwitches(switches_);
    host_.requestRedraw(false);
    RetranslateUi();
    page_.GroupBox3->setVisible(on);
}

bool BremsstrahlungController::ApplyBoxText() {
    try {
        switches_.BremsstrahlungFactor = BremsstrahlungFactorFromText(page_.Edit4->text().toStdString());
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

void BremsstrahlungController::Edit4Change() {
    complainWhenLeft_ = false;  // the box will say when it is left
    const double before = switches_.BremsstrahlungFactor;
    // "1e6" passes through "1" and "1e": the path follows only the numbers that change it.
    if (!ApplyBoxText() || switches_.BremsstrahlungFactor == before) return;
    host_.publishSwitches(switches_);
    host_.requestRedraw(false);
}

void BremsstrahlungController::Edit4EditingFinished() {
    // A box hidden with its page or by switching the radiation off is not being left by the user.
    if (reporting_ || !page_.Edit4->isVisible()) return;
    // A menu opening takes the focus without the box being left, and a message shown in the
    // middle of that opening pulls the menu away under the menu bar's feet: the box complains
    // when it is really left.
    if (QApplication::activePopupWidget()) {
        complainWhenLeft_ = true;
        return;
    }
    const std::string text = page_.Edit4->text().toStdString();
    double ignored = 0;
    if (TryParseTypedNumber(text, ignored)) return;
    reporting_ = true;
    host_.dialogs.ShowError(ConversionError(text).what());
    reporting_ = false;
}

bool BremsstrahlungController::eventFilter(QObject* watched, QEvent* event) {
    if (complainWhenLeft_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        complainWhenLeft_ = false;
        Edit4EditingFinished();
    }
    return QObject::eventFilter(watched, event);
}

void BremsstrahlungController::LeaveTab() {
    switches_.BremsstrahlungFactor = 1.0;
    host_.publishSwitches(switches_);
    if (switches_.BremsstrahlungEnabled) Button5Click();
}

}  // namespace voltaris::pages
