// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QTabWidget>
#include <cstdint>
#include <functional>

#include "app/undo/edit_history.h"
#include "engine/graph_engine.h"
#include "model/project.h"
#include "model/user_dialogs.h"
#include "particle/particle_switches.h"

namespace voltaris {
class PathStore;  // declared only, see slow_motion.h
}

namespace voltaris::pages {

// What the pages of the moving particle need from the main window and the views.
struct ParticleHost {
    Project& project;
    UserDialogs& dialogs;
    QTabWidget* PageControl;  // the pages' tabs are shown while the particle is on
    QLabel* Label34;          // the red hint below the views: a typed value awaits "Y"
    // After every change of the particle or the charges (as the main window's requestRedraw).
    std::function<void(bool surfaceToo)> requestRedraw;
    // Hands the switches to the views' next scene without asking for a rebuild.
    std::function<void(const ParticleSwitches&)> publishSwitches;
    std::function<PathStore&()> paths;
    // Phase steps made by the alternating-voltage path builds, counted as they arrive.
    std::function<int32_t&()> acPhaseCounter;
    // The Bremsstrahlung factor the last build without radiation suggests.
    std::function<double()> suggestedAmplification;
    std::function<GraphEngine*()> engine3D, engine2D;
    // Every change of the particle settings is a step of it, when there is one.
    EditHistory* history = nullptr;
};

}  // namespace voltaris::pages
