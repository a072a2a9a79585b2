// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tab_area_layout.h"

namespace voltaris {

TabAreaColumns LayoutTabArea(int tabWidth, float viewSplitRatio) {
    const double s = tabWidth / (static_cast<double>(viewSplitRatio) + 1.0);
    TabAreaColumns c;
    c.splitterLeft = static_cast<int>(s - 3);
    c.width3D = static_cast<int>(s - 19);
    c.left2D = static_cast<int>(s + 3);
    c.width2D = tabWidth - c.left2D - 16;
    return c;
}

int LimitSplitterOffset(int offset, int width3D, int width2D) {
    if (width3D + offset < 1) offset = -width3D;
    if (width2D - offset < 1) offset = width2D;
    return offset;
}

float SplitRatioOf(int width2D, int width3D) {
    return width3D == 0 ? 999.0f : static_cast<float>(width2D) / static_cast<float>(width3D);
}

}  // namespace voltaris
