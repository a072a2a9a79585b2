// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/output/output_dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QUrl>

namespace voltaris {

QStringList ImageFileFilters() {
    // Each entry's own text names its patterns; the last brackets hold what Qt filters by.
    return {QCoreApplication::translate("OutputDialogs", "Alle (*.jpg;*.jpeg;*.bmp;*.png) (*.jpg *.jpeg *.bmp *.png)"),
            QCoreApplication::translate("OutputDialogs", "JPEG-Grafikdatei (*.jpg) - gute Qualität (*.jpg)"),
            QCoreApplication::translate("OutputDialogs", "JPEG-Grafikdatei (*.jpeg) - gute Qualität (*.jpeg)"),
            QCoreApplication::translate("OutputDialogs", "Bitmap (*.bmp) - beste Qualität (*.bmp)"),
            QCoreApplication::translate("OutputDialogs",
                                        "PNG-Grafikdatei (*.png) - verlustfrei, für Arbeitsblätter (*.png)")};
}

QString DialogStartFolder(const std::string& projectFileName) {
    if (!projectFileName.empty()) {
        const QDir folder = QFileInfo(QString::fromStdString(projectFileName)).absoluteDir();
        if (folder.exists()) return folder.absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

void ConfigureImageFileDialog(QFileDialog& dialog, const QString& startFolder) {
    dialog.setWindowTitle(QCoreApplication::translate("OutputDialogs", "Graph als Bild exportieren..."));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(startFolder);
    dialog.setDefaultSuffix("jpeg");
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setSizeGripEnabled(true);
    dialog.setNameFilters(ImageFileFilters());
    dialog.selectFile("test.jpg");
}

std::optional<std::string> QtOutputDialogs::ChooseImageFile() {
    QFileDialog dialog(parent_);
    ConfigureImageFileDialog(dialog, DialogStartFolder(project_.ProjectFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

bool QtOutputDialogs::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> QtOutputDialogs::ChooseExportFolder() {
    const QString folder = QFileDialog::getExistingDirectory(parent_, QCoreApplication::translate("OutputDialogs", "Daten exportieren..."),
                                                             DialogStartFolder(project_.ProjectFileName));
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
}

void QtOutputDialogs::OpenFile(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtOutputDialogs::OpenWebPage(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace voltaris
