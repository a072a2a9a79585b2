#include "output/print_layout.h"

#include <algorithm>

namespace voltaris {

PixelSize PagePictureSize(PixelSize topView, PixelSize view3D) {
    return {std::max(topView.width, view3D.width), topView.height + view3D.height};
}

PageRect PrintTargetRect(int pageWidth, PixelSize picture) {
    PageRect r{400, 500, pageWidth - 400, 0};
    // An empty picture has no shape to keep; it fills nothing.
    if (picture.width > 0) r.bottom = static_cast<int>(double(pageWidth - 400) / picture.width * picture.height);
    return r;
}

std::string PrintHeading(const std::string& windowCaption, const std::string& tabCaption) {
    return windowCaption + " - " + tabCaption;
}

}  // namespace voltaris
