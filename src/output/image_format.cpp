// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/image_format.h"

namespace voltaris {

ImageFormat ImageFormatOfName(const std::string& fileName) {
    const std::string tag = fileName.size() > 4 ? fileName.substr(fileName.size() - 4) : fileName;
    if (tag == "jpeg" || tag == ".jpg") return ImageFormat::Jpeg;
    if (tag == ".bmp") return ImageFormat::Bitmap;
    if (tag == ".png") return ImageFormat::Png;
    return ImageFormat::Unknown;
}

}  // namespace voltaris
