// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names of the steps of the edit history, as the menu "&Bearbeiten" shows them after
// "Rückgängig: " and "Wiederholen: ".
namespace voltaris::step_names {

inline constexpr const char* AddCharge = "Ladung hinzufügen";
inline constexpr const char* DeleteCharge = "Ladung löschen";
inline constexpr const char* MoveCharge = "Ladung verschieben";
inline constexpr const char* ResizeCharge = "Ladungsradius ändern";
inline constexpr const char* ChangeAmount = "Ladungsbetrag ändern";
inline constexpr const char* ChangePosition = "Ladungsposition ändern";
inline constexpr const char* SwapSigns = "Vorzeichen vertauschen";
inline constexpr const char* ResizeSquare = "Größe des Koordinatensystems ändern";
inline constexpr const char* ChooseParticle = "Teilchen wählen";
inline constexpr const char* ParticleCharge = "Teilchenladung ändern";
inline constexpr const char* ParticleMass = "Teilchenmasse ändern";
inline constexpr const char* ParticleSpeed = "Anfangsgeschwindigkeit ändern";
inline constexpr const char* ParticleSteps = "Anzahl Rechnungen ändern";
inline constexpr const char* MoveParticleStart = "Startpunkt verschieben";
inline constexpr const char* TurnParticleStart = "Startrichtung drehen";
inline constexpr const char* RecomputeDt = "dt neu berechnen";
inline constexpr const char* NewTab = "Neues Tab";
inline constexpr const char* DuplicateTab = "Tab duplizieren";
inline constexpr const char* DeleteTab = "Tab löschen";
inline constexpr const char* RenameTab = "Tab umbenennen";
inline constexpr const char* RenameProject = "Projekt umbenennen";

}  // namespace voltaris::step_names
