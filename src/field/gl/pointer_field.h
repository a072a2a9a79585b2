#pragma once
#include "engine/graph_engine.h"
#include "render/scene_state.h"

namespace voltaris {

// Cross-hair and field-strength arrows at the graph point (X, Z) of height H: the cross-hair
// only strictly inside the square, the arrows only with showFieldStrength (one per charge
// too with showAllFieldStrengths), 5 graph units long at the range's MaxFieldStrength.
void DrawPointerField(const GraphEngine& engine, const SceneState& scene, float X, float H, float Z);

}  // namespace voltaris
