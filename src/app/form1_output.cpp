// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QPrinter>
#include <QTimer>

#include "app/form1.h"
#include "app/interface_language.h"
#include "app/output/data_export.h"
#include "app/output/graph_export.h"
#include "app/output/tab_printing.h"
#include "app/pages/particle_pages.h"
#include "output/help_links.h"
#include "output/print_layout.h"
#include "output/web_addresses.h"

namespace voltaris {

void Form1::BuildOutputCommands() {
    if (options_.output) {
        output_ = options_.output;
    } else {
        qtOutput_ = std::make_unique<QtOutputDialogs>(this, project_);
        output_ = qtOutput_.get();
    }

    // Menu entry and toolbar button of each view export the same picture.
    auto exportView = [this](bool threeD) { ExportGraph(views_, threeD, *output_, dialogs_, this); };
    connect(menu3D_.exportImage, &QAction::triggered, this, [exportView] { exportView(true); });
    connect(toolbar3D_.exportImage, &QToolButton::clicked, this, [exportView] { exportView(true); });
    connect(menu2D_.exportImage, &QAction::triggered, this, [exportView] { exportView(false); });
    connect(toolbar2D_.exportImage, &QToolButton::clicked, this, [exportView] { exportView(false); });

    // The toolbar's print button carries the same action.
    connect(findChild<QAction*>("Tabdrucken1"), &QAction::triggered, this, &Form1::Tabdrucken1Click);
    connect(findChild<QAction*>("Hilfe2"), &QAction::triggered, this, [this] {
        OpenHelp(QCoreApplication::applicationDirPath().toStdString(), dialogs_, *output_, HelpFileNames());
    });
    connect(findChild<QAction*>("Datenexportieren1"), &QAction::triggered, this, [this] {
        ExportData(project_, particlePages_->Switches(), *output_, dialogs_);
    });
    connect(findChild<QAction*>("NachUpdatessuchen1"), &QAction::triggered, this, [this] { OpenWebsite(*output_); });
}

void Form1::Tabdrucken1Click() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const std::string heading = PrintHeading(windowTitle().toStdString(), project_.Active().caption);
    PrintTab(views_, *printer_, *output_, QString::fromStdString(heading), this);
}

void Form1::StartUsageReport() {
    if (!options_.usageReport) return;
    // Once per start, about a second after the window appeared; the sender's own thread
    // keeps a slow or absent server from holding the window up.
    QTimer::singleShot(1000, this, [this] {
        const std::string url = ReportUrl();
        if (!url.empty()) usageReport_.Start(url);
    });
}

}  // namespace voltaris
