// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of a printed tab: the page picture that holds both views and where it lands
// on the page, in printer pixels.
#include <string>

namespace voltaris {

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PageRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PageRect&) const = default;
};

// The top view above the 3D view: as wide as the wider one, as high as both together. The top
// view sits at (0, 0), the 3D view at (0, topView.height).
PixelSize PagePictureSize(PixelSize topView, PixelSize view3D);

// Where the page picture is stretched to on a page of `page` printer pixels: from (400, 500)
// to (page.width - 400, bottom), the bottom taken from the picture's shape scaled to the width
// page.width - 400 (the 500-pixel top margin is not added, so a square picture comes out
// slightly squeezed). When that rectangle would reach below the printable area (a picture
// taller than about 1.4 times its width on A4), or would be empty, the picture is scaled
// down into the area instead, with its own shape, centred across the page.
PageRect PrintTargetRect(PixelSize page, PixelSize picture);

// The printable area under the heading: 400 printer pixels from the left, right and bottom
// edges, 500 from the top.
PageRect PrintableArea(PixelSize page);

// Where the heading line starts on the page.
constexpr int PrintHeadingLeft = 400, PrintHeadingTop = 300;

// "Voltaris 2010 - Projekt: NAME - TAB": the window caption, " - ", the tab's caption.
std::string PrintHeading(const std::string& windowCaption, const std::string& tabCaption);

}  // namespace voltaris
