// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/print_layout.h"

#include <algorithm>
#include <cmath>

namespace voltaris {

namespace {
constexpr int PrintMargin = 400, PrintPictureTop = 500;
}  // namespace

PixelSize PagePictureSize(PixelSize topView, PixelSize view3D) {
    return {std::max(topView.width, view3D.width), topView.height + view3D.height};
}

PageRect PrintableArea(PixelSize page) {
    return {PrintMargin, PrintPictureTop, page.width - PrintMargin, page.height - PrintMargin};
}

PageRect PrintTargetRect(PixelSize page, PixelSize picture) {
    PageRect r{PrintMargin, PrintPictureTop, page.width - PrintMargin, 0};
    // An empty picture has no shape to keep; it fills nothing.
    if (picture.width <= 0 || picture.height <= 0) return r;
    r.bottom = static_cast<int>(double(page.width - PrintMargin) / picture.width * picture.height);
    const PageRect area = PrintableArea(page);
    if (r.bottom > r.top && r.bottom <= area.bottom) return r;

    // Too tall (or so flat that the rule leaves no height): the largest rectangle of the
    // picture's own shape that the area holds.
    const double scale = std::min(double(area.right - area.left) / picture.width,
                                  double(area.bottom - area.top) / picture.height);
    if (scale <= 0) return {area.left, area.top, area.left, area.top};
    // Rounded, not truncated: the bounding side's product may come out a hair below it.
    const int width = std::max(1, static_cast<int>(std::lround(picture.width * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(picture.height * scale)));
    const int left = area.left + (area.right - area.left - width) / 2;
    return {left, area.top, left + width, area.top + height};
}

std::string PrintHeading(const std::string& windowCaption, const std::string& tabCaption) {
    return windowCaption + " - " + tabCaption;
}

}  // namespace voltaris
