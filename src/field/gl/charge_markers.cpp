#include "field/gl/charge_markers.h"

namespace voltaris {

// Not drawn yet: the charge circles arrive with the top-view editing (selection, hover and
// radius drag are already part of the scene state).
void DrawChargeMarkers(const SceneState&, float, float, bool) {}

}  // namespace voltaris
