// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/view_window.h"

#include <QApplication>
#include <QBackingStore>
#include <QMouseEvent>
#include <QPainter>

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

ViewWindow::ViewWindow() : presentation_(ChosenViewPresentation()) {
    if (presentation_ == ViewPresentation::Image) {
        setSurfaceType(QSurface::RasterSurface);
        backingStore_ = std::make_unique<QBackingStore>(this);
    } else {
        setSurfaceType(QSurface::OpenGLSurface);
        setFormat(ViewSurfaceFormat());
    }
    setCursor(Qt::CrossCursor);
}

ViewWindow::~ViewWindow() = default;

void ViewWindow::ShowLatestFrameLater() {
    if (paintPosted_.exchange(true)) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            paintPosted_ = false;
            PaintLatestFrame();
        },
        Qt::QueuedConnection);
}

void ViewWindow::PaintLatestFrame() {
    if (!backingStore_ || !isExposed()) return;
    const QRect area(QPoint(0, 0), size());
    if (backingStore_->size() != area.size()) backingStore_->resize(area.size());
    backingStore_->beginPaint(area);
    {
        QPainter painter(backingStore_->paintDevice());
        QImage& frame = frames_.Latest();
        frame.setDevicePixelRatio(devicePixelRatio());
        painter.drawImage(QPoint(0, 0), frame);
        // Right after a resize the frame may be smaller than the window until the next one.
        const QRegion uncovered = QRegion(area) - QRegion(QRect(QPoint(0, 0), frame.deviceIndependentSize().toSize()));
        for (const QRect& rect : uncovered) painter.fillRect(rect, Qt::black);
    }
    backingStore_->endPaint();
    backingStore_->flush(area);
}

bool ViewWindow::event(QEvent* event) {
    // While a pop-up menu holds the mouse, the mouse has not left: the menu's command still
    // adds its charge at the point picked under the mouse.
    if (event->type() == QEvent::Leave && handler_ && !QApplication::activePopupWidget()) handler_->MouseLeave();
    return QWindow::event(event);
}

void ViewWindow::exposeEvent(QExposeEvent* event) {
    if (isExposed()) exposed_ = true;
    PaintLatestFrame();
    QWindow::exposeEvent(event);
}

void ViewWindow::resizeEvent(QResizeEvent* event) {
    PaintLatestFrame();
    QWindow::resizeEvent(event);
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
