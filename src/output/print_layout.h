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

// Where the page picture is stretched to on a page `pageWidth` printer pixels wide: from
// (400, 500) to (pageWidth - 400, bottom), the bottom taken from the picture's shape scaled to
// the width pageWidth - 400 (the 500-pixel top margin is not added, so a square picture comes
// out slightly squeezed).
PageRect PrintTargetRect(int pageWidth, PixelSize picture);

// Where the heading line starts on the page.
constexpr int PrintHeadingLeft = 400, PrintHeadingTop = 300;

// "Voltaris 2010 - Projekt: NAME - TAB": the window caption, " - ", the tab's caption.
std::string PrintHeading(const std::string& windowCaption, const std::string& tabCaption);

}  // namespace voltaris
