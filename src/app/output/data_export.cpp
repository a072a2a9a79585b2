// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/output/data_export.h"

#include <QApplication>
#include <QCoreApplication>

#include "output/tab_data_export.h"

namespace voltaris {

void ExportData(const Project& project, const ParticleSwitches& switches, OutputDialogs& output,
                UserDialogs& dialogs) {
    const std::optional<std::string> folder = output.ChooseExportFolder();
    if (!folder) return;
    // Tracing and a path of up to a million steps take a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto failure = ExportTabData(project, switches, *folder);
    QApplication::restoreOverrideCursor();
    if (!failure) return;
    dialogs.ShowMessage(QCoreApplication::translate("DataExport", "Die Daten konnten nicht unter \"%1\" gespeichert werden: %2")
                            .arg(QString::fromStdString(failure->path), QString::fromStdString(failure->reason))
                            .toStdString());
}

}  // namespace voltaris
