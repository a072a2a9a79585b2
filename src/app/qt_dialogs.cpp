// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "app/core_texts.h"
#include "app/interface_language.h"
#include "app/output/output_dialogs.h"
#include "model/project.h"

namespace voltaris {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, TranslatedCoreText(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtDialogs::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle, InterfaceErrorText(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtDialogs::Ask(const std::string& text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    // Qt labels the standard buttons in the interface's language.
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("QtDialogs", "Achtung!"),
                    TranslatedCoreText(text), buttons, parent_);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        // Closing the box answers Cancel where there is one, else No.
        default: return withCancel ? Answer::Cancel : Answer::No;
    }
}

QStringList ProjectFileFilters() {
    // The text entry lists "*.txt;*.xml" in its name; it matches "*txt" and "*.xml".
    return {QCoreApplication::translate("QtDialogs", "Potenzial-Dateien (*.psf)"),
            QCoreApplication::translate("QtDialogs", "Textdateien (XML-Format: *.txt;*.xml) (*txt *.xml)"),
            QCoreApplication::translate("QtDialogs", "Alle (*.*) (*)")};
}

void ConfigureProjectFileDialog(QFileDialog& dialog, ProjectDialogKind kind, const QString& startFolder) {
    const bool open = kind == ProjectDialogKind::Open;
    dialog.setWindowTitle(open ? QCoreApplication::translate("QtDialogs", "Potenzial-Dateien laden...")
                               : QCoreApplication::translate("QtDialogs", "Potenzial-Dateien speichern..."));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDirectory(startFolder);
    dialog.setDefaultSuffix("psf");
    // Only the names are shown; the patterns in the last brackets do the filtering.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(ProjectFileFilters());
}

namespace {

std::optional<std::string> RunProjectFileDialog(QWidget* parent, ProjectDialogKind kind, const QString& startFolder) {
    QFileDialog dialog(parent);
    ConfigureProjectFileDialog(dialog, kind, startFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

std::optional<std::string> QtDialogs::ChooseFileToOpen() {
    return RunProjectFileDialog(parent_, ProjectDialogKind::Open, DialogStartFolder(project_.ProjectFileName));
}

std::optional<std::string> QtDialogs::ChooseFileToSave() {
    return RunProjectFileDialog(parent_, ProjectDialogKind::Save, DialogStartFolder(project_.ProjectFileName));
}

std::string QtDialogs::AskText(const std::string& title, const std::string& prompt, const std::string& preset) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, TranslatedCoreText(title), TranslatedCoreText(prompt),
                                               QLineEdit::Normal, Q(preset), &ok);
    return ok ? text.toStdString() : preset;
}

}  // namespace voltaris
