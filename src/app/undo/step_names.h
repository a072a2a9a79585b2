// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>

// The names of the steps of the edit history, as the menu "&Bearbeiten" shows them after
// "Rückgängig: " and "Wiederholen: ". The history keeps these German names (they tell which
// changes make one step); the menu shows them through Shown.
namespace voltaris::step_names {

inline constexpr const char* AddCharge = QT_TRANSLATE_NOOP("EditStep", "Ladung hinzufügen");
inline constexpr const char* DeleteCharge = QT_TRANSLATE_NOOP("EditStep", "Ladung löschen");
inline constexpr const char* MoveCharge = QT_TRANSLATE_NOOP("EditStep", "Ladung verschieben");
inline constexpr const char* ResizeCharge = QT_TRANSLATE_NOOP("EditStep", "Ladungsradius ändern");
inline constexpr const char* ChangeAmount = QT_TRANSLATE_NOOP("EditStep", "Ladungsbetrag ändern");
inline constexpr const char* ChangePosition = QT_TRANSLATE_NOOP("EditStep", "Ladungsposition ändern");
inline constexpr const char* SwapSigns = QT_TRANSLATE_NOOP("EditStep", "Vorzeichen vertauschen");
inline constexpr const char* ResizeSquare = QT_TRANSLATE_NOOP("EditStep", "Größe des Koordinatensystems ändern");
inline constexpr const char* ChooseParticle = QT_TRANSLATE_NOOP("EditStep", "Teilchen wählen");
inline constexpr const char* ParticleCharge = QT_TRANSLATE_NOOP("EditStep", "Teilchenladung ändern");
inline constexpr const char* ParticleMass = QT_TRANSLATE_NOOP("EditStep", "Teilchenmasse ändern");
inline constexpr const char* ParticleSpeed = QT_TRANSLATE_NOOP("EditStep", "Anfangsgeschwindigkeit ändern");
inline constexpr const char* ParticleSteps = QT_TRANSLATE_NOOP("EditStep", "Anzahl Rechnungen ändern");
inline constexpr const char* MoveParticleStart = QT_TRANSLATE_NOOP("EditStep", "Startpunkt verschieben");
inline constexpr const char* TurnParticleStart = QT_TRANSLATE_NOOP("EditStep", "Startrichtung drehen");
inline constexpr const char* RecomputeDt = QT_TRANSLATE_NOOP("EditStep", "dt neu berechnen");
inline constexpr const char* NewTab = QT_TRANSLATE_NOOP("EditStep", "Neues Tab");
inline constexpr const char* DuplicateTab = QT_TRANSLATE_NOOP("EditStep", "Tab duplizieren");
inline constexpr const char* DeleteTab = QT_TRANSLATE_NOOP("EditStep", "Tab löschen");
inline constexpr const char* RenameTab = QT_TRANSLATE_NOOP("EditStep", "Tab umbenennen");
inline constexpr const char* RenameProject = QT_TRANSLATE_NOOP("EditStep", "Projekt umbenennen");

// A step's name as kept by the history, in the current language.
inline QString Shown(const QString& name) {
    return QCoreApplication::translate("EditStep", name.toUtf8().constData());
}

}  // namespace voltaris::step_names
