#pragma once
#include <QFileDialog>
#include <QStringList>
#include <optional>
#include <string>

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
};

class QtOutputDialogs : public OutputDialogs {
public:
    explicit QtOutputDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> ChooseImageFile() override;
    bool ChoosePrinter(QPrinter& printer) override;
    void OpenFile(const std::string& path) override;
    void OpenWebPage(const std::string& url) override;

private:
    QWidget* parent_;
};

// Title, filters, start folder (the program's folder), initial name "test.jpg" and default
// suffix "jpeg" of the picture save dialog. No question before a file is overwritten.
void ConfigureImageFileDialog(QFileDialog& dialog);

// The filter entries as the dialog lists them.
QStringList ImageFileFilters();

}  // namespace voltaris
