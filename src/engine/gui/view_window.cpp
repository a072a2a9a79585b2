// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/view_window.h"

#include <QApplication>
#include <QMouseEvent>

namespace voltaris {

QSurfaceFormat ViewSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(16);
    format.setStencilBufferSize(0);
    // Each buffer swap waits for the display's next refresh: a view draws continuously at the
    // refresh rate instead of burning a core (where the platform offers no such wait, as fast
    // as it can).
    format.setSwapInterval(1);
    return format;
}

ViewWindow::ViewWindow() {
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(ViewSurfaceFormat());
    setCursor(Qt::CrossCursor);
}

bool ViewWindow::event(QEvent* event) {
    // While a pop-up menu holds the mouse, the mouse has not left: the menu's command still
    // adds its charge at the point picked under the mouse.
    if (event->type() == QEvent::Leave && handler_ && !QApplication::activePopupWidget()) handler_->MouseLeave();
    return QWindow::event(event);
}

void ViewWindow::exposeEvent(QExposeEvent* event) {
    if (isExposed()) exposed_ = true;
    QWindow::exposeEvent(event);
}

void ViewWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (handler_) handler_->MouseDown(event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::RightButton) Q_EMIT contextMenuRequested(event->globalPosition().toPoint());
}

void ViewWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (handler_) handler_->MouseMove(p.x(), p.y());
}

void ViewWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (handler_) handler_->MouseUp(event->button(), p.x(), p.y());
}

}  // namespace voltaris
