// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/output/graph_export.h"

#include <QCoreApplication>
#include <QImageWriter>
#include <QSaveFile>

#include "app/output/output_dialogs.h"
#include "engine/gui/graph_views.h"

namespace voltaris {

bool WritePicture(const QImage& picture, const std::string& path, ImageFormat format, QString& reason) {
    if (format == ImageFormat::Unknown) {
        reason = QCoreApplication::translate("GraphExport", "unbekanntes Format");
        return false;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    const char* type = format == ImageFormat::Jpeg ? "jpeg" : format == ImageFormat::Png ? "png" : "bmp";
    QImageWriter writer(&file, type);
    if (!writer.write(picture)) {
        reason = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

void ExportGraph(GraphViews& views, bool threeD, OutputDialogs& output, UserDialogs& dialogs, QObject* context) {
    const std::optional<std::string> path = output.ChooseImageFile();
    if (!path) return;
    const ImageFormat format = ImageFormatOfName(*path);
    if (format == ImageFormat::Unknown) {
        dialogs.ShowMessage(
            QCoreApplication::translate("GraphExport", "Unbekanntes Format - Das Bild konnte nicht gespeichert werden.")
                .toStdString());
        return;
    }
    views.CaptureNextPicture(threeD, context, [&dialogs, path = *path, format](const QImage& picture) {
        if (picture.isNull()) {
            dialogs.ShowMessage(QCoreApplication::translate(
                                    "GraphExport", "Die Ansicht zeichnet kein Bild - Das Bild konnte nicht gespeichert werden.")
                                    .toStdString());
            return;
        }
        QString reason;
        if (!WritePicture(picture, path, format, reason)) {
            dialogs.ShowMessage(
                QCoreApplication::translate("GraphExport", "Das Bild konnte nicht unter \"%1\" gespeichert werden: %2")
                    .arg(QString::fromStdString(path), reason)
                    .toStdString());
        }
    });
}

}  // namespace voltaris
