// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QObject>
#include <QWidget>

namespace voltaris::pages {

// The picture a page paints into one of its paint boxes. The page paints when it has
// something new to show; the box shows the last picture whenever it repaints.
class PaintBoxCanvas : public QObject {
public:
    explicit PaintBoxCanvas(QWidget* box);

    // The picture at the box's current size, for painting into; Show() puts it on the screen.
    QImage& Picture();
    void Show();
    // Fills the picture with the button-face colour and shows it.
    void Clear();
    // Drops the picture: the box shows its own background again, as before the first picture.
    void Reset();
    const QImage& Shown() const { return image_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box_;
    QImage image_;
};

}  // namespace voltaris::pages
