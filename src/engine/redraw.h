#pragma once
#include "engine/graph_engine.h"
#include "render/scene_state.h"
#include "model/project.h"

namespace voltaris {

// The two engines of the program; either is null until it is created.
struct EngineSet {
    GraphEngine* engine3D = nullptr;
    GraphEngine* engine2D = nullptr;
};

// After every change of the model or of a setting that alters geometry (user-interface
// thread): recomputes the value range at once, publishes the new scene, marks the surface of
// both engines stale when surfaceToo, and marks the lines and the particle path of the 3D
// engine stale. The engines rebuild at their next frames.
void RequestRedraw(const EngineSet& engines, SharedScene& shared, const Project& project,
                   bool surfaceToo, bool acRunning);

// Publishes the scene without recomputing or marking anything: for changes that only alter
// what is drawn from it (selection, drag state, particle switch).
void PublishScene(SharedScene& shared, const Project& project);

}  // namespace voltaris
