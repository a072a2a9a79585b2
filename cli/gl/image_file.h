// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "engine/engine_frame.h"

namespace voltaris::cli {

// Writes `image` as PNG, JPEG or BMP, chosen by the extension of `path` (.png, .jpg, .jpeg,
// .bmp, any case). The file appears only when it was written completely; false with a reason
// in `error` otherwise, and for any other extension.
bool WriteImageFile(const std::string& path, const OffscreenImage& image, std::string& error);

}  // namespace voltaris::cli
