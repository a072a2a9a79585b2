// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPrinter>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/output/output_dialogs.h"

namespace voltaris::test {

// Answers the export and print dialogs from what the test queued and records what the
// desktop was asked to open. An empty queue cancels.
class ScriptedOutput : public OutputDialogs {
public:
    std::deque<std::optional<std::string>> imageFiles;
    int imageDialogs = 0;
    // PDF files to print into, one per confirmed print dialog.
    std::deque<std::string> printFiles;
    // What the print dialog offered when it opened.
    std::vector<int> offeredCopies, offeredFromPages, offeredToPages;
    // What the user changes in a confirmed print dialog.
    int chosenCopies = 1, chosenFrom = 0, chosenTo = 0;
    std::vector<std::string> openedFiles, openedPages;

    std::optional<std::string> ChooseImageFile() override {
        ++imageDialogs;
        if (imageFiles.empty()) return std::nullopt;
        std::optional<std::string> name = imageFiles.front();
        imageFiles.pop_front();
        return name;
    }
    bool ChoosePrinter(QPrinter& printer) override {
        offeredCopies.push_back(printer.copyCount());
        offeredFromPages.push_back(printer.fromPage());
        offeredToPages.push_back(printer.toPage());
        printer.setCopyCount(chosenCopies);
        if (chosenFrom > 0) printer.setFromTo(chosenFrom, chosenTo);
        if (printFiles.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printFiles.front()));
        printFiles.pop_front();
        return true;
    }
    // Folders for the data export, one per dialog; an empty queue cancels.
    std::deque<std::string> exportFolders;
    std::optional<std::string> ChooseExportFolder() override {
        if (exportFolders.empty()) return std::nullopt;
        std::string folder = exportFolders.front();
        exportFolders.pop_front();
        return folder;
    }
    void OpenFile(const std::string& path) override { openedFiles.push_back(path); }
    void OpenWebPage(const std::string& url) override { openedPages.push_back(url); }
};

}  // namespace voltaris::test
