// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFileDialog>
#include <QStringList>
#include <optional>
#include <string>

#include "model/project.h"
#include "output/help_links.h"

class QPrinter;
class QWidget;

namespace voltaris {

// The dialogs of the picture export and of printing, and the desktop that opens documents
// and web pages. The program shows Qt's dialogs; the tests answer in their place.
class OutputDialogs : public DesktopOpener {
public:
    // The picture save dialog "Graph als Bild exportieren..."; nothing when cancelled.
    virtual std::optional<std::string> ChooseImageFile() = 0;
    // The print dialog for `printer`, which keeps the choices; false when cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
    // The folder dialog of the data export; nothing when cancelled.
    virtual std::optional<std::string> ChooseExportFolder() = 0;
};

class QtOutputDialogs : public OutputDialogs {
public:
    // The picture dialog starts where the project's file lies.
    QtOutputDialogs(QWidget* parent, const Project& project) : parent_(parent), project_(project) {}
    std::optional<std::string> ChooseImageFile() override;
    bool ChoosePrinter(QPrinter& printer) override;
    std::optional<std::string> ChooseExportFolder() override;
    void OpenFile(const std::string& path) override;
    void OpenWebPage(const std::string& url) override;

private:
    QWidget* parent_;
    const Project& project_;
};

// Where the file dialogs start: the folder of the project's file, or the user's documents
// folder (the home folder without one) while the project has no file. Never the folder the
// program runs from, which is an install or build folder.
QString DialogStartFolder(const std::string& projectFileName);

// Title, filters, start folder, initial name "test.jpg" and default suffix "jpeg" of the
// picture save dialog. No question before a file is overwritten.
void ConfigureImageFileDialog(QFileDialog& dialog, const QString& startFolder);

// The filter entries as the dialog lists them.
QStringList ImageFileFilters();

}  // namespace voltaris
