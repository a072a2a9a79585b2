// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

#include "model/project_commands.h"

class QFileDialog;
class QWidget;

namespace voltaris {

// Message boxes, the project file dialogs and the text input box of the program. Every
// command asks through this interface, so the tests can answer in its place.
class QtDialogs : public CommandDialogs {
public:
    // The file dialogs start where the project's file lies.
    explicit QtDialogs(const Project& project) : project_(project) {}
    // Dialogs are centred on `parent` once it is set.
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    Answer Ask(const std::string& text, bool withCancel) override;
    std::optional<std::string> ChooseFileToOpen() override;
    std::optional<std::string> ChooseFileToSave() override;
    std::string AskText(const std::string& title, const std::string& prompt, const std::string& preset) override;

private:
    const Project& project_;
    QWidget* parent_ = nullptr;
};

enum class ProjectDialogKind { Open, Save };

// Title, filters, start folder and default suffix of the project file dialogs. No question
// before a file is overwritten.
void ConfigureProjectFileDialog(QFileDialog& dialog, ProjectDialogKind kind, const QString& startFolder);

// The filter entries as the dialog lists them.
QStringList ProjectFileFilters();

}  // namespace voltaris
