// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/paint_box_canvas.h"

#include <QEvent>
#include <QPainter>

namespace voltaris::pages {

PaintBoxCanvas::PaintBoxCanvas(QWidget* box) : QObject(box), box_(box) { box_->installEventFilter(this); }

QImage& PaintBoxCanvas::Picture() {
    if (image_.size() != box_->size()) {
        image_ = QImage(box_->size(), QImage::Format_RGB32);
        image_.fill(box_->palette().color(QPalette::Window));
    }
    return image_;
}

void PaintBoxCanvas::Show() { box_->update(); }

void PaintBoxCanvas::Clear() {
    Picture().fill(box_->palette().color(QPalette::Button));
    Show();
}

void PaintBoxCanvas::Reset() {
    image_ = QImage();
    Show();
}

bool PaintBoxCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::Paint && !image_.isNull()) {
        QPainter painter(box_);
        painter.drawImage(0, 0, image_);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace voltaris::pages
