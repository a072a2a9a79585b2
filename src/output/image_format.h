// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace voltaris {

enum class ImageFormat { Jpeg, Bitmap, Png, Unknown };

// The format a picture is saved in, told by the last four characters of its name (the whole
// name when shorter), compared case-sensitively: "jpeg" or ".jpg" is JPEG, ".bmp" a Windows
// bitmap, ".png" a PNG (lossless, the best for worksheets). "bild.JPG" is refused; "bild.jpeg" is JPEG through its last four characters.
ImageFormat ImageFormatOfName(const std::string& fileName);

}  // namespace voltaris
