// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace voltaris {

// Lets a window take a project file (".psf") dropped on it from the file manager: the drag is
// accepted only for a single local file with that extension, and the file is handed on once
// the drop is over (the source is not kept waiting while questions are asked).
class ProjectFileDrop : public QObject {
public:
    ProjectFileDrop(QWidget* window, std::function<void(const QString& path)> open);

    // The one local ".psf" file the data names; empty for anything else.
    static QString ProjectFileIn(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> open_;
};

}  // namespace voltaris
