// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QPixmap>
#include <QTimer>

namespace voltaris {

// The splash window: our picture without a border, yellow parts see-through. Each time it
// is shown it fades in (opacity FadeStep² / 255 every 10 ms) and closes itself 5 s after
// it became opaque. FadeStep is never reset, so later showings (the about box) are opaque
// at their first tick.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr, int closeDelayMs = 5000);
    int FadeStep() const { return fadeStep_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;  // the picture's words follow the language
    void paintEvent(QPaintEvent* event) override;

private Q_SLOTS:
    void Timer1Timer();
    void Timer2Timer();

private:
    QPixmap image1_;
    QTimer timer1_, timer2_;
    int fadeStep_ = 0;
};

// The splash picture, 700 x 480 pixels; pure yellow marks the see-through parts. Its words are
// in the interface's language.
QPixmap SplashPicture();

}  // namespace voltaris
