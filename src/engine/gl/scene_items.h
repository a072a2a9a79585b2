#pragma once
#include "field/field_snapshot.h"

namespace voltaris {

// The axes, meeting one graph unit outside the square's corner (0, 0): the two horizontal
// axes with heads, and in the 3D view the vertical potential axis spanning the value range.
void DrawAxes(bool topView, const ValueRange& range);

// The translucent blue level plane at the height of `potential` volts, one unit beyond the
// square on every side.
void DrawLevelPlane(float potential, float heightScale);

}  // namespace voltaris
