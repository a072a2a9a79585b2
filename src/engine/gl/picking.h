#pragma once
#include "engine/graph_engine.h"

namespace voltaris {

// Turns the engine's pick position into the graph point under it, from the depth of what has
// been drawn so far in this frame. Writes pickedX/Y/Z; a pick position at or below -900
// writes pickedX = pickX (no point); an unchanged position keeps the previous result.
void PickPoint(GraphEngine& engine);

}  // namespace voltaris
