// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voltaris {

// Horizontal layout of the tab area for a tab strip of width W: the views share it in the
// ratio ViewSplitRatio (2D width / 3D width) with the splitter label between them; the 2D
// view toolbar follows the 2D view.
struct TabAreaColumns {
    int splitterLeft;  // Label16
    int width3D;       // Panel3DEngine (its left edge stays)
    int left2D, width2D;  // Panel2DEngine, and the 2D view toolbar panel Panel3
};
TabAreaColumns LayoutTabArea(int tabWidth, float viewSplitRatio);

// The splitter moved by `offset` pixels: limited so that neither view gets a negative width.
int LimitSplitterOffset(int offset, int width3D, int width2D);

// Width of the 2D view over that of the 3D view; 999 when the 3D view has no width.
float SplitRatioOf(int width2D, int width3D);

}  // namespace voltaris
