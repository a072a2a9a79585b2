// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/project_file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace voltaris {

ProjectFileDrop::ProjectFileDrop(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), open_(std::move(open)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QString ProjectFileDrop::ProjectFileIn(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().first();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(".psf", Qt::CaseInsensitive)) return {};
    return url.toLocalFile();
}

bool ProjectFileDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (ProjectFileIn(drag->mimeData()).isEmpty()) {
                drag->ignore();
            } else {
                drag->acceptProposedAction();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = ProjectFileIn(drop->mimeData());
            if (path.isEmpty()) return true;
            drop->acceptProposedAction();
            QTimer::singleShot(0, this, [this, path] { open_(path); });
            return true;
        }
        default: return QObject::eventFilter(watched, event);
    }
}

}  // namespace voltaris
