#include "output/gui/output_dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace voltaris {

QStringList ImageFileFilters() {
    // Each entry's own text names its patterns; the last brackets hold what Qt filters by.
    return {"Alle (*.jpg;*.jpeg;*.bmp) (*.jpg *.jpeg *.bmp)",
            "JPEG-Grafikdatei (*.jpg) - gute Qualität (*.jpg)",
            "JPEG-Grafikdatei (*.jpeg) - gute Qualität (*.jpeg)",
            "Bitmap (*.bmp) - beste Qualität (*.bmp)"};
}

void ConfigureImageFileDialog(QFileDialog& dialog) {
    dialog.setWindowTitle("Graph als Bild exportieren...");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(QCoreApplication::applicationDirPath());
    dialog.setDefaultSuffix("jpeg");
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setSizeGripEnabled(true);
    dialog.setNameFilters(ImageFileFilters());
    dialog.selectFile("test.jpg");
}

std::optional<std::string> QtOutputDialogs::ChooseImageFile() {
    QFileDialog dialog(parent_);
    ConfigureImageFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

bool QtOutputDialogs::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

void QtOutputDialogs::OpenFile(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtOutputDialogs::OpenWebPage(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace voltaris
