// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include "app/pages/bottom_pages.h"
#include "app/pages/particle_host.h"
#include "particle/start_conditions.h"

namespace voltaris::pages {

// The start fields of the page "Bewegte Ladung" (x, y in metres, direction in degrees) and its
// note on speeds beyond classical physics. The fields follow slot 0's start, whoever moves it;
// a typed value moves the start when Enter is pressed or the field is left.
class StartFieldsController : public QObject {
public:
    StartFieldsController(const ParticlePage& page, const ParticleHost& host, QObject* parent);

    // Writes slot 0's start into every field that does not hold a text being typed.
    void ShowStart();
    // Shows or hides the red note from the published paths of the active tab.
    void ShowSpeedNote();
    // The fields and the note in the current language (its number style).
    void RetranslateUi();

private:
    void EditingFinished(QLineEdit* edit, StartField field);
    bool eventFilter(QObject* watched, QEvent* event) override;
    StartField FieldOf(const QLineEdit* edit) const;

    ParticlePage page_;
    ParticleHost host_;
    bool reporting_ = false;               // a message is up: its focus change raises no other
    QLineEdit* complainWhenLeft_ = nullptr;  // a menu took the focus from this typed field
};

}  // namespace voltaris::pages
