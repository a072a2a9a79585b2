// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text for the views' overlays: GL 1.1 has no fonts, so the few characters the labels need
// (digits, decimal comma, "E", minus, "m", "V", "x", "y") come as a 5 x 7 pixel font drawn
// as little squares, in window pixels.
#include <string_view>

namespace voltaris {

constexpr int GlyphColumns = 5, GlyphRows = 7;

// Width and height in window pixels of `text` drawn `zoom` pixels per font pixel.
int OverlayTextWidth(std::string_view text, int zoom);
inline int OverlayTextHeight(int zoom) { return GlyphRows * zoom; }

// Whether font pixel (column, row) of `c` is set, row 0 at the top; false for characters the
// font does not hold (they draw as blanks).
bool GlyphPixel(char c, int column, int row);

// Draws `text` in the current colour with its lower-left corner at window pixel (x, y), under
// a projection that maps window pixels 1:1 (see OverlayPixelSpace).
void DrawOverlayText(std::string_view text, int x, int y, int zoom);

}  // namespace voltaris
