// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/output/data_export.h"

#include <QApplication>

#include "output/tab_data_export.h"

namespace voltaris {

void ExportData(const Project& project, const ParticleSwitches& switches, OutputDialogs& output,
                UserDialogs& dialogs) {
    const std::optional<std::string> folder = output.ChooseExportFolder();
    if (!folder) return;
    // Tracing and a path of up to a million steps take a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string error = ExportTabData(project, switches, *folder);
    QApplication::restoreOverrideCursor();
    if (!error.empty()) dialogs.ShowMessage(error);
}

}  // namespace voltaris
