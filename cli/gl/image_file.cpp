// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_file.h"

#include <QImage>
#include <QSaveFile>
#include <QString>

namespace voltaris::cli {

namespace {

const char* FormatOfPath(const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(".png")) return "PNG";
    if (lower.endsWith(".jpg") || lower.endsWith(".jpeg")) return "JPEG";
    if (lower.endsWith(".bmp")) return "BMP";
    return nullptr;
}

}  // namespace

bool WriteImageFile(const std::string& path, const OffscreenImage& image, std::string& error) {
    const QString name = QString::fromStdString(path);
    const char* format = FormatOfPath(name);
    if (!format) {
        error = "unknown image format of '" + path + "' (use .png, .jpg, .jpeg or .bmp)";
        return false;
    }
    // The views are opaque on screen; the alpha left by the clear colour means nothing.
    const QImage picture(image.rgba.data(), image.width, image.height, image.width * 4, QImage::Format_RGBX8888);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, format) || !file.commit()) {
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}

}  // namespace voltaris::cli
