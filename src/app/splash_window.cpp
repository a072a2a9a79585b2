// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace voltaris {

Form3::Form3(QWidget* parent, int closeDelayMs)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), image1_(SplashPicture()) {
    setObjectName("Form3");
    setModal(true);
    setFixedSize(image1_.size());
    setMask(image1_.createMaskFromColor(Qt::yellow, Qt::MaskInColor));
    setWindowOpacity(50 / 255.0);
    timer1_.setInterval(10);
    timer2_.setInterval(closeDelayMs);
    timer2_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &Form3::Timer1Timer);
    connect(&timer2_, &QTimer::timeout, this, &Form3::Timer2Timer);
}

void Form3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    timer1_.start();
}

void Form3::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        image1_ = SplashPicture();
        update();
    }
    QDialog::changeEvent(event);
}

void Form3::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, image1_);
}

void Form3::Timer1Timer() {
    ++fadeStep_;
    const int square = fadeStep_ * fadeStep_;
    if (square < 255) {
        setWindowOpacity(square / 255.0);
        return;
    }
    setWindowOpacity(1.0);
    timer1_.stop();
    timer2_.start();
}

void Form3::Timer2Timer() {
    timer2_.stop();
    accept();
}

}  // namespace voltaris
