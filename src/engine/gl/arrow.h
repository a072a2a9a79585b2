#pragma once

namespace voltaris {

// A line from A to B and a flat equilateral head of side `head` with its tip at B, lying in
// the horizontal plane at B's height and pointing along the horizontal direction A -> B.
// Graph coordinates; the current colour is used.
void DrawArrow(float ax, float ay, float az, float bx, float by, float bz, float head);

}  // namespace voltaris
